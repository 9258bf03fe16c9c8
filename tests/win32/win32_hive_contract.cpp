#include "contract/hive_contract.h"
#include "platform/win32/win32_hive.h"

namespace mvane::testing {

INSTANTIATE_TEST_SUITE_P(Win32, HiveContract,
                         ::testing::Values(HiveBackend{"Win32", [] { return std::make_unique<Win32Hive>(); }}),
                         BackendName);

}  // namespace mvane::testing
