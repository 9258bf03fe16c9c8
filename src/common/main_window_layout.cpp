#include "common/main_window_layout.h"

#include <algorithm>

namespace mvane {

int FitSignViewHeight(int signViewHeight, int listPanelHeight) {
  if (signViewHeight > listPanelHeight - ListViewMinimum) signViewHeight = listPanelHeight - ListViewMinimum;
  if (signViewHeight <= SignViewMinimum) signViewHeight = SignViewMinimum;
  return signViewHeight;
}

int DragSignViewHeight(int signViewHeight, int listPanelHeight, int y, bool leftButtonDown) {
  if (!leftButtonDown) return signViewHeight;
  const int dragged = signViewHeight - y;
  if (dragged <= listPanelHeight - ListViewMinimum && dragged > SignViewMinimum) return dragged;
  return signViewHeight;
}

int ToggleSigTitleHeight(int sigTitleHeight) {
  return sigTitleHeight >= SigTitleHeight ? SigTitleCollapsedHeight : SigTitleHeight;
}

MainWindowAreas LayOutMainWindow(int clientWidth, int clientHeight, int statusBarHeight, int signViewHeight,
                                 int sigTitleHeight) {
  MainWindowAreas areas;
  areas.Bevel = {0, 0, clientWidth, BevelHeight};
  areas.Toolbar = {0, BevelHeight, clientWidth, ToolbarHeight};
  const int listTop = BevelHeight + ToolbarHeight;
  const int listPanelHeight = std::max(0, clientHeight - listTop - statusBarHeight);
  areas.ListPanel = {0, listTop, clientWidth, listPanelHeight};
  areas.StatusBar = {0, clientHeight - statusBarHeight, clientWidth, statusBarHeight};

  const int signTop = listTop + listPanelHeight - signViewHeight;
  areas.SignView = {0, signTop, clientWidth, signViewHeight};
  areas.Splitter = {0, signTop - SplitterHeight, clientWidth, SplitterHeight};
  areas.ListView = {0, listTop, clientWidth, std::max(0, areas.Splitter.Top - listTop)};
  // Inside the preview's one-pixel border: the title strip, then the memo.
  areas.SigTitle = {1, signTop + 1, std::max(0, clientWidth - 2), sigTitleHeight};
  areas.Memo = {1, signTop + 1 + sigTitleHeight, std::max(0, clientWidth - 2),
                std::max(0, signViewHeight - 2 - sigTitleHeight)};
  return areas;
}

}  // namespace mvane
