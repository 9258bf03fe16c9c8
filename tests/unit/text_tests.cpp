#include <gtest/gtest.h>

#include "common/text.h"

namespace mvane {
namespace {

TEST(Text, Utf8AndUtf16RoundTrip) {
  for (const std::string text : {"", "abc", "日本語", "ﾊﾝｶｸ", "€ and 𝄞", "C:\\メール\\受信"}) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
  }
  EXPECT_EQ(Utf8ToUtf16("𝄞"), (std::u16string{0xD834, 0xDD1E}));
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a\xFF" "b")), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xE6\x97")), "\xEF\xBF\xBD");  // cut short
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xC0\xAF")), "\xEF\xBF\xBD\xEF\xBF\xBD");  // overlong
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800}), "a\xEF\xBF\xBD");  // lone surrogate
}

TEST(Text, CaseInsensitiveComparisonFoldsLettersButNotKana) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"Office", "OFFICE", true},
      {"office", "offices", false},
      {"ÀÉÎÕÜ", "àéîõü", true},
      {"×", "÷", false},
      {"ŁÓDŹ", "łódź", true},
      {"Ÿ", "ÿ", true},
      {"ΑΘΗΝΑ", "αθηνα", true},
      {"Ά", "ά", true},
      {"ΟΔΟΣ", "οδος", true},
      {"МОСКВА Ё", "москва ё", true},
      {"ＡＢＣ", "ａｂｃ", true},
      {"ＡＢＣ", "ABC", false},
      {"ア", "ｱ", false},
      {"あ", "ア", false},
      {"İ", "i", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameTextIgnoringCase(c.a, c.b), c.same) << c.a << " / " << c.b;
    EXPECT_EQ(FoldText(c.a) == FoldText(c.b), c.same) << c.a << " / " << c.b;
  }
  EXPECT_LT(CompareTextIgnoringCase("a", "B"), 0);
  EXPECT_GT(CompareTextIgnoringCase("b", "A"), 0);
  EXPECT_EQ(UpperCaseText("/uninstall"), "/UNINSTALL");
  EXPECT_EQ(UpperCaseText("ŀàçώы ｚ ｱ"), "ĿÀÇΏЫ Ｚ ｱ");
}

TEST(Text, Cp932ByteLengthCountsHalfWidthAsOne) {
  EXPECT_EQ(Cp932ByteLength(""), 0u);
  EXPECT_EQ(Cp932ByteLength("abcdefghij"), 10u);
  EXPECT_EQ(Cp932ByteLength("ﾃﾞｰﾀ"), 4u);
  EXPECT_EQ(Cp932ByteLength("日本語"), 6u);
  EXPECT_EQ(Cp932ByteLength("ABCＡＢＣ"), 9u);
}

}  // namespace
}  // namespace mvane
