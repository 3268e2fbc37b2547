#pragma once

#include "platform/notify_icon.h"

namespace vorn {

class Win32NotifyIconShell : public NotifyIconShell {
 public:
  std::uint32_t RecordSize() const override;
  bool AddIcon(const NotifyIconData& record) override;
  bool DeleteIcon(const NotifyIconData& record) override;
  bool ModifyIcon(const NotifyIconData& record) override;
  std::uint32_t TaskbarCreatedMessage() override;
  void SetForegroundWindow(WindowHandle window) override;
  Point CursorPos() override;
};

}  // namespace vorn
