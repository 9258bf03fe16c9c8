#include "contract/hive_contract.h"
#include "model/memory_hive.h"

namespace mvane::testing {

INSTANTIATE_TEST_SUITE_P(Memory, HiveContract,
                         ::testing::Values(HiveBackend{"Memory", [] { return std::make_unique<MemoryHive>(); }}),
                         BackendName);

}  // namespace mvane::testing
