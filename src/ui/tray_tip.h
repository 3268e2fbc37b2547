#pragma once

#include <string>

namespace vorn {

// The tray icon's tooltip: the application's title, then what the operator
// should see at a glance, each part after " - ": the station a hotkey last
// stepped to ("6070 Radio One"), and while remote control listens, its
// address ("remote 127.0.0.1:4532"). Empty parts are left out.
std::string TrayTipText(const std::string& title, const std::string& station,
                        const std::string& remote);

}  // namespace vorn
