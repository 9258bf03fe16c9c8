// The accessor's contract, run against every hive: one table of cases, two backends.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "model/registry_hive.h"

namespace mvane::testing {

struct HiveBackend {
  std::string name;
  std::function<std::unique_ptr<RegistryHive>()> make;
};

class HiveContract : public ::testing::TestWithParam<HiveBackend> {
 protected:
  void SetUp() override;
  void TearDown() override;
  // An absolute path below this test's own scratch key.
  std::string Scratch(const std::string& relative = "") const;
  // Stores raw data, for values the accessor itself never writes.
  void PutRaw(const std::string& relativeKey, const std::string& name, const RegistryValue& value);

  std::unique_ptr<RegistryHive> hive_;
  std::string scratch_;
};

inline std::string BackendName(const ::testing::TestParamInfo<HiveBackend>& info) {
  return info.param.name;
}

}  // namespace mvane::testing
