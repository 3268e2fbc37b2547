#pragma once

#include <cstddef>
#include <string>

namespace vorn {

// The longest tip the tray icon shows.
inline constexpr std::size_t kTrayTipLength = 63;

// The tray icon's tooltip: the application's title, then what the operator
// should see at a glance, each part after " - ": the station a hotkey last
// stepped to ("6070 Radio One"), and what listens for remote control
// (":4532 COM5"). Empty parts are left out; a station too long for the tip
// is cut so that the endpoints still show.
std::string TrayTipText(const std::string& title, const std::string& station,
                        const std::string& remote);

}  // namespace vorn
