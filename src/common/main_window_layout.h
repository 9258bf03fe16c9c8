// The main window's areas: toolbar, list, splitter, signature preview, status bar.
#pragma once

namespace mvane {

struct Area {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const Area&) const = default;
};

inline constexpr int BevelHeight = 4;
inline constexpr int ToolbarHeight = 45;
inline constexpr int SplitterHeight = 4;
inline constexpr int SignViewDesignHeight = 112;
inline constexpr int SigTitleHeight = 25;
inline constexpr int SigTitleCollapsedHeight = 6;
inline constexpr int SignViewMinimum = 40;    // the preview never gets lower than this
inline constexpr int ListViewMinimum = 50;    // room the preview leaves the list

// FormResize: keeps the preview within the list panel and never below its minimum.
int FitSignViewHeight(int signViewHeight, int listPanelHeight);

// PanelSplitterMouseMove: the preview's new height while dragging, y being the mouse
// position in the splitter (negative above it).
int DragSignViewHeight(int signViewHeight, int listPanelHeight, int y, bool leftButtonDown);

// PanelSigTitleDblClick: a full strip collapses to a thin one, and back.
int ToggleSigTitleHeight(int sigTitleHeight);

struct MainWindowAreas {
  Area Bevel;
  Area Toolbar;
  Area ListPanel;
  Area ListView;
  Area Splitter;
  Area SignView;
  Area SigTitle;
  Area Memo;
  Area StatusBar;
};

// Divides the client area from top to bottom; signViewHeight is already fitted.
MainWindowAreas LayOutMainWindow(int clientWidth, int clientHeight, int statusBarHeight, int signViewHeight,
                                 int sigTitleHeight);

}  // namespace mvane
