#include <gtest/gtest.h>

#include "common/message_box_layout.h"

namespace mvane {
namespace {

constexpr FrameSize Frame{6, 25};  // a dialog frame: borders and a caption bar
constexpr ScreenPoint Middle{512, 384};

TEST(MessageBoxLayout, SizeFollowsTheLongestLineAndTheButtonSet) {
  struct Case {
    std::string text;
    int set;
    int outerWidth;
    int clientHeight;
  };
  const Case cases[] = {
      {"abcdefghij", ButtonSetOk, 110, 100},
      {"abcde", ButtonSetYesNo, 180, 100},
      {"", ButtonSetOk, 95, 90},
      {"", ButtonSetOkCancel, 180, 90},
      {"a\n", ButtonSetOk, 95, 100},
      {"a\n\nb", ButtonSetOk, 95, 120},
      {"Outlook Express が起動しています\n\nOutlook Express を終了しますか？", ButtonSetYesNo, 242, 120},
      {"ﾃﾞｰﾀ", ButtonSetYesNoCancel, 265, 100},
      {"x", 2, 265, 100},
      {"x", 5, 265, 100},
  };
  for (const Case& c : cases) {
    const MessageBoxLayout layout = LayOutMessageBox(Middle, false, c.text, c.set, Frame, 1024, 768);
    EXPECT_EQ(layout.Outer.Width, c.outerWidth) << c.text;
    EXPECT_EQ(layout.ClientHeight, c.clientHeight) << c.text;
    EXPECT_EQ(layout.Outer.Height, c.clientHeight + Frame.Height) << c.text;
  }
}

TEST(MessageBoxLayout, ButtonsAreCentredInTheBand) {
  using Buttons = std::vector<MessageBoxButton>;
  // Client width 259 for every set below (outer 265).
  EXPECT_EQ(LayOutMessageBox(Middle, false, "x", ButtonSetYesNoCancel, Frame, 1024, 768).Buttons,
            (Buttons{{"はい(&Y)", 6, 7, true}, {"いいえ(&N)", 7, 92, false}, {"キャンセル", 2, 177, false}}));
  EXPECT_EQ(LayOutMessageBox(Middle, false, "x", 5, Frame, 1024, 768).Buttons, (Buttons{{"OK", 1, 92, true}}));
  // Outer 180, client 174.
  EXPECT_EQ(LayOutMessageBox(Middle, false, "x", ButtonSetOkCancel, Frame, 1024, 768).Buttons,
            (Buttons{{"OK", 1, 7, true}, {"キャンセル", 2, 92, false}}));
  EXPECT_EQ(LayOutMessageBox(Middle, false, "x", ButtonSetYesNo, Frame, 1024, 768).Buttons,
            (Buttons{{"はい(&Y)", 6, 7, true}, {"いいえ(&N)", 7, 92, false}}));
  EXPECT_EQ(LayOutMessageBox(Middle, false, "x", ButtonSetOk, Frame, 1024, 768).Buttons,
            (Buttons{{"OK", 1, 7, true}}));
}

TEST(MessageBoxLayout, CentredOnThePointAndKeptOnTheScreen) {
  const std::string text = "abcdefghij";  // 110 wide, 125 high outside
  struct Case {
    ScreenPoint centre;
    int left, top;
  };
  const Case cases[] = {
      {{512, 384}, 457, 322},
      {{1020, 760}, 914, 643},
      {{10, 10}, 0, 0},
  };
  for (const Case& c : cases) {
    const MessageBoxLayout layout = LayOutMessageBox(c.centre, false, text, ButtonSetOk, Frame, 1024, 768);
    EXPECT_EQ(layout.Outer.Left, c.left) << c.centre.X;
    EXPECT_EQ(layout.Outer.Top, c.top) << c.centre.Y;
  }
  const std::string wide(300, 'w');  // 1850 wide: larger than the screen
  EXPECT_EQ(LayOutMessageBox(Middle, false, wide, ButtonSetOk, Frame, 1024, 768).Outer.Left, 0);
}

TEST(MessageBoxLayout, GrowsWhenTheFontDrawsLargerThanItsCell) {
  const std::string fiveLines = "a\n\nb\n\nc";
  EXPECT_EQ(LayOutMessageBox(Middle, false, fiveLines, ButtonSetOk, Frame, 1024, 768).ClientHeight, 140);
  MessageFont tall{17, [](const std::string& line) { return static_cast<int>(line.size()) * 20; }};
  const MessageBoxLayout layout = LayOutMessageBox(Middle, false, fiveLines, ButtonSetOk, Frame, 1024, 768, tall);
  EXPECT_EQ(layout.ClientHeight, 25 + 5 * 17 + 4 + 45);
  EXPECT_EQ(LayOutMessageBox(Middle, false, std::string(20, 'w'), ButtonSetOk, Frame, 1024, 768, tall).Outer.Width,
            20 * 20 + 50 + 6);
  // Nine lines of the design font need more than the ten pixels a line the sizes allow.
  EXPECT_EQ(LayOutMessageBox(Middle, false, "1\n2\n3\n4\n5\n6\n7\n8\n9", ButtonSetOk, Frame, 1024, 768).ClientHeight,
            25 + 9 * 12 + 4 + 45);
}

TEST(MessageBoxLayout, LongTextHasAFixedSize) {
  const MessageBoxLayout layout = LayOutMessageBox(Middle, true, std::string(500, 'a'), ButtonSetOk, Frame, 1024, 768);
  EXPECT_EQ(layout.Outer, (Placement{284, 362, 200, 300}));
  EXPECT_TRUE(layout.LongText);
}

}  // namespace
}  // namespace mvane
