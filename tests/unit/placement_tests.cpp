#include <gtest/gtest.h>

#include "common/main_window_layout.h"
#include "common/placement.h"
#include "settings/window_placement.h"
#include "unit/mail_client_fixture.h"

namespace mvane::testing {
namespace {

TEST(KeepOnScreen, PullsWindowsBackWithoutResizingThem) {
  struct Case {
    Placement window;
    int screenWidth, screenHeight;
    Placement expected;
  };
  const Case cases[] = {
      {{700, 20, 350, 480}, 1024, 768, {418, 20, 350, 480}},
      {{20, -30, 350, 480}, 1024, 768, {20, 0, 350, 480}},
      {{20, 100, 350, 2000}, 1024, 768, {20, 0, 350, 2000}},
      {{-5, 900, 900, 480}, 1024, 768, {0, 544, 900, 480}},
      {{300, 500, 350, 480}, 640, 480, {130, 160, 350, 480}},  // a display change
      {{20, 20, 350, 480}, 1024, 768, {20, 20, 350, 480}},
  };
  for (const Case& c : cases) {
    Placement p = c.window;
    KeepOnScreen(p, c.screenWidth, c.screenHeight);
    EXPECT_EQ(p, c.expected) << c.window.Top << "," << c.window.Left;
  }
  EXPECT_EQ(CentreOf({20, 20, 351, 481}), (ScreenPoint{260, 195}));
}

TEST(WindowPlacement, RestoresStoredValuesOrDefaultsAndSavesThemBack) {
  MemoryHive hive;
  Placement placement;
  EXPECT_EQ(RestoreWindowPlacement(hive, 1024, 768, placement), StatusStoredDataIncomplete);
  EXPECT_EQ(placement, (Placement{20, 20, 350, 480}));

  EXPECT_EQ(SaveWindowPlacement(hive, {700, -30, 350, 480}, 1024, 768), 0u);
  EXPECT_EQ(RestoreWindowPlacement(hive, 1024, 768, placement), 0u);
  EXPECT_EQ(placement, (Placement{418, 0, 350, 480}));

  PutNumber(hive, "\\Software\\Corvell\\MVANE\\1.0", "Top", 700);
  EXPECT_EQ(RestoreWindowPlacement(hive, 1024, 768, placement), 0u);
  EXPECT_EQ(placement.Top, 418);
}

TEST(WindowPlacement, SomeValuesMissingOrWrongTyped) {
  MemoryHive hive;
  PutNumber(hive, "\\Software\\Corvell\\MVANE\\1.0", "Width", 600);
  Placement placement;
  EXPECT_EQ(RestoreWindowPlacement(hive, 1024, 768, placement), StatusStoredDataIncomplete);
  EXPECT_EQ(placement, (Placement{20, 20, 350, 600}));

  PutText(hive, "\\Software\\Corvell\\MVANE\\1.0", "Top", "100");
  Placement untouched{108, 196, 1, 1};
  EXPECT_THROW(RestoreWindowPlacement(hive, 1024, 768, untouched), RegistryError);
  EXPECT_EQ(untouched, (Placement{108, 196, 1, 1}));

  hive.RefuseOpen(RootKey::CurrentUser, "Software\\Corvell\\MVANE\\1.0");
  EXPECT_EQ(SaveWindowPlacement(hive, {1, 2, 3, 4}, 1024, 768), StatusStoredDataIncomplete);
}

TEST(MainWindowLayout, PreviewStaysWithinTheListPanel) {
  // FormResize: list panel heights against the preview's height.
  EXPECT_EQ(FitSignViewHeight(112, 300), 112);
  EXPECT_EQ(FitSignViewHeight(112, 120), 70);
  EXPECT_EQ(FitSignViewHeight(112, 60), 40);  // 40 wins over the list's 50
  EXPECT_EQ(FitSignViewHeight(10, 300), 40);

  // Dragging the splitter: up makes the preview taller, within the limits.
  EXPECT_EQ(DragSignViewHeight(112, 300, -20, true), 132);
  EXPECT_EQ(DragSignViewHeight(112, 300, -20, false), 112);
  EXPECT_EQ(DragSignViewHeight(112, 300, 72, true), 112);   // would be 40
  EXPECT_EQ(DragSignViewHeight(112, 300, 71, true), 41);
  EXPECT_EQ(DragSignViewHeight(112, 300, -139, true), 112);  // would leave the list 49
  EXPECT_EQ(DragSignViewHeight(112, 300, -138, true), 250);

  EXPECT_EQ(ToggleSigTitleHeight(25), 6);
  EXPECT_EQ(ToggleSigTitleHeight(ToggleSigTitleHeight(25)), 25);
}

TEST(MainWindowLayout, AreasStackFromTopToBottom) {
  const MainWindowAreas areas = LayOutMainWindow(452, 284, 19, 112, 25);
  EXPECT_EQ(areas.Toolbar, (Area{0, 4, 452, 45}));
  EXPECT_EQ(areas.ListPanel, (Area{0, 49, 452, 216}));
  EXPECT_EQ(areas.SignView, (Area{0, 153, 452, 112}));
  EXPECT_EQ(areas.Splitter, (Area{0, 149, 452, 4}));
  EXPECT_EQ(areas.ListView, (Area{0, 49, 452, 100}));
  EXPECT_EQ(areas.SigTitle, (Area{1, 154, 450, 25}));
  EXPECT_EQ(areas.Memo, (Area{1, 179, 450, 85}));
  EXPECT_EQ(areas.StatusBar, (Area{0, 265, 452, 19}));
}

}  // namespace
}  // namespace mvane::testing
