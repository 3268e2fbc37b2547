#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/toolkit.h"
#include "platform/window_tree.h"

namespace vorn {

// The flags of a notification record: which of its fields count.
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// The shell's notification record in its first version, field by field. The
// platform converts it to the system's layout; Size is the record size the
// platform names for this build (NotifyIconShell::RecordSize).
struct NotifyIconData {
  static constexpr std::size_t kTipSize = 64;

  std::uint32_t Size = 0;
  WindowHandle Window = 0;
  std::uint32_t Id = 0;
  std::uint32_t Flags = 0;
  std::uint32_t CallbackMessage = 0;
  IconHandle Icon = 0;
  // A terminated text: at most kTipSize - 1 characters.
  std::array<char, kTipSize> Tip{};

  bool operator==(const NotifyIconData&) const = default;
};

// What a notification-area icon needs of the shell and the window system.
class NotifyIconShell {
 public:
  virtual ~NotifyIconShell() = default;

  // The size of the first-version record in this build; it differs with the
  // width of window and icon handles.
  virtual std::uint32_t RecordSize() const = 0;
  // The shell's answers; a caller may ignore them.
  virtual bool AddIcon(const NotifyIconData& record) = 0;
  virtual bool DeleteIcon(const NotifyIconData& record) = 0;
  // Gives a shown icon the record's icon and tip.
  virtual bool ModifyIcon(const NotifyIconData& record) = 0;
  // The message the shell broadcasts to every top-level window when its
  // notification area (re)starts and has lost all icons.
  virtual std::uint32_t TaskbarCreatedMessage() = 0;
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  // The mouse position in screen coordinates.
  virtual Point CursorPos() = 0;
};

}  // namespace vorn
