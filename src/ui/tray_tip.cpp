#include "ui/tray_tip.h"

namespace vorn {

std::string TrayTipText(const std::string& title, const std::string& station,
                        const std::string& remote) {
  std::string tip = title;
  if (!station.empty()) tip += " - " + station;
  if (!remote.empty()) tip += " - remote " + remote;
  return tip;
}

}  // namespace vorn
