#include "platform/toolkit_rules.h"

#include <algorithm>

namespace vorn {

DockedLayout DockPanels(int width, int height, const std::vector<DockedPanel>& panels) {
  DockedLayout layout;
  int top = 0;
  int bottom = height;
  for (const DockedPanel& panel : panels) {
    if (panel.Side == Dock::Top) {
      layout.Panels.push_back({0, top, width, panel.Height});
      top += panel.Height;
    } else {
      bottom -= panel.Height;
      layout.Panels.push_back({0, bottom, width, panel.Height});
    }
  }
  layout.Middle = {0, top, width, std::max(0, bottom - top)};
  return layout;
}

char AnsiLower(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
    return static_cast<char>(u + 0x20);
  switch (u) {
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
      return static_cast<char>(u + 0x10);
    case 0x9F:  // Y diaeresis
      return static_cast<char>(0xFF);
    default:
      return c;
  }
}

std::string ApplicationTitle(const std::string& exe_path) {
  const auto slash = exe_path.find_last_of("\\/");
  std::string title = slash == std::string::npos ? exe_path : exe_path.substr(slash + 1);
  title = title.substr(0, title.find('.'));
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = AnsiLower(title[i]);
  return title;
}

std::string ErrorBoxText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + '.';
  return text;
}

}  // namespace vorn
