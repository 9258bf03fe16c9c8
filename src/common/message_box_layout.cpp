#include "common/message_box_layout.h"

#include <algorithm>

#include "common/text.h"

namespace mvane {
namespace {

constexpr int ButtonStep = MessageBoxButtonWidth + 10;
constexpr int MemoMargin = 4;  // the edit control's own space above and below the text

struct ButtonSet {
  std::vector<std::pair<const char*, int>> buttons;  // caption, result
  int minimumWidth;
};

ButtonSet ButtonSetFor(int code) {
  switch (code) {
    case ButtonSetOk:
      return {{{"OK", ResultOk}}, 95};
    case ButtonSetOkCancel:
      return {{{"OK", ResultOk}, {"キャンセル", ResultCancel}}, 180};
    case ButtonSetYesNoCancel:
      return {{{"はい(&Y)", ResultYes}, {"いいえ(&N)", ResultNo}, {"キャンセル", ResultCancel}}, 265};
    case ButtonSetYesNo:
      return {{{"はい(&Y)", ResultYes}, {"いいえ(&N)", ResultNo}}, 180};
    default:
      return {{{"OK", ResultOk}}, 265};
  }
}

}  // namespace

std::vector<std::string> MessageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

MessageBoxLayout LayOutMessageBox(ScreenPoint centre, bool longText, const std::string& text, int buttonSet,
                                  FrameSize frame, int screenWidth, int screenHeight, const MessageFont& font) {
  MessageBoxLayout layout;
  layout.Lines = MessageLines(text);
  layout.LongText = longText;
  const ButtonSet set = ButtonSetFor(buttonSet);

  int outerWidth = 300;
  int outerHeight = 200;
  if (!longText) {
    std::size_t longest = 0;
    int widest = 0;
    for (const std::string& line : layout.Lines) {
      longest = std::max(longest, Cp932ByteLength(line));
      if (font.LineWidth) widest = std::max(widest, font.LineWidth(line));
    }
    const int lines = static_cast<int>(layout.Lines.size());
    outerWidth = std::max({static_cast<int>(longest) * 6 + 50, widest + 2 * MessageBoxSideBand + frame.Width,
                           set.minimumWidth});
    const int textHeight = lines == 0 ? 0 : lines * font.LineHeight + MemoMargin;
    const int clientHeight = std::max(lines * 10 + 90, MessageBoxTopBand + textHeight + MessageBoxButtonBand);
    outerHeight = clientHeight + frame.Height;
  }
  layout.Outer = CentredOn(centre, outerHeight, outerWidth);
  KeepOnScreen(layout.Outer, screenWidth, screenHeight);
  layout.ClientWidth = outerWidth - frame.Width;
  layout.ClientHeight = outerHeight - frame.Height;

  const int count = static_cast<int>(set.buttons.size());
  int left = (layout.ClientWidth - (count * ButtonStep - 10)) / 2;
  for (const auto& [caption, result] : set.buttons) {
    layout.Buttons.push_back({caption, result, left, layout.Buttons.empty()});
    left += ButtonStep;
  }
  return layout;
}

}  // namespace mvane
