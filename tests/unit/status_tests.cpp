#include <gtest/gtest.h>

#include "model/records.h"
#include "model/status.h"

namespace mvane {
namespace {

TEST(Status, ConstantCountsOnlyWithItsClassAndCauseBits) {
  struct Case {
    StatusWord status;
    StatusWord constant;
    bool has;
  };
  const Case cases[] = {
      {0x80000041, StatusStoredDataIncomplete, true},
      {0x80000041, StatusAccountNotFound, true},
      {0x80000041, StatusNoneSelected, false},
      {StatusMailClientMissing, StatusStoredDataIncomplete, false},
      {StatusMailClientMissing, StatusAccountNotFound, false},
      {StatusMailClientMissing, StatusMailClientDataMissing, true},
      {StatusConfigNameEmpty, StatusNoneSelected, false},
      {StatusNoneSelected, StatusMissingInput, false},
      {StatusConfigNameEmpty, StatusMissingInput, true},
      {StatusMailClientMissing | StatusAddressBookMissing, StatusAddressBookMissing, true},
      {StatusMailClientMissing | StatusAddressBookMissing, StatusAccountManagerMissing, false},
      {0, StatusNotice, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasStatus(c.status, c.constant), c.has) << std::hex << c.status << " " << c.constant;
  }
}

TEST(Records, StartEmptyWithZeroNumbers) {
  const TesselRegistry config;
  EXPECT_EQ(config.Selected, 0);
  EXPECT_TRUE(config.ConfigName.empty() && config.StoreRoot.empty() && config.WabFileName.empty() &&
              config.AccountName.empty() && config.SignatureFile.empty() && config.SignatureText.empty());
  EXPECT_EQ(config.SignatureType, 0u);
  EXPECT_EQ(config.PollForMail, 0);
  EXPECT_NE(config.PollForMail, NoMailCheck);
  EXPECT_EQ(config.MailCheckSts, 0);
  EXPECT_EQ(config.SignatureSts, 0);
  EXPECT_EQ(SystemRegistry{}, (SystemRegistry{"", "", "", 0, 0, "", ""}));
}

}  // namespace
}  // namespace mvane
