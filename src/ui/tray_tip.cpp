#include "ui/tray_tip.h"

namespace vorn {

std::string TrayTipText(const std::string& title, const std::string& station,
                        const std::string& remote) {
  constexpr std::string_view kSeparator = " - ";
  std::string tail;
  if (!remote.empty()) tail = std::string(kSeparator) + remote;
  std::string tip = title;
  if (!station.empty()) {
    const std::size_t used = tip.size() + kSeparator.size() + tail.size();
    const std::size_t room = used < kTrayTipLength ? kTrayTipLength - used : 0;
    tip += std::string(kSeparator) + station.substr(0, room);
  }
  return tip + tail;
}

}  // namespace vorn
