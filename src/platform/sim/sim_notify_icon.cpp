#include "platform/sim/sim_notify_icon.h"

#include <algorithm>

namespace vorn {

namespace {

// The shell tells icons apart by window and identifier only.
auto SameIcon(const NotifyIconData& record) {
  return [&record](const NotifyIconData& shown) {
    return shown.Window == record.Window && shown.Id == record.Id;
  };
}

}  // namespace

bool SimNotifyIconShell::AddIcon(const NotifyIconData& record) {
  calls_.push_back({Request::Add, record});
  if (!available_ || std::any_of(shown_.begin(), shown_.end(), SameIcon(record))) return false;
  shown_.push_back(record);
  return true;
}

bool SimNotifyIconShell::DeleteIcon(const NotifyIconData& record) {
  const auto found = Shown(Request::Delete, record);
  if (found == shown_.end()) return false;
  shown_.erase(found);
  return true;
}

bool SimNotifyIconShell::ModifyIcon(const NotifyIconData& record) {
  const auto found = Shown(Request::Modify, record);
  if (found == shown_.end()) return false;
  *found = record;
  return true;
}

std::vector<NotifyIconData>::iterator SimNotifyIconShell::Shown(Request request,
                                                                const NotifyIconData& record) {
  calls_.push_back({request, record});
  if (!available_) return shown_.end();
  return std::find_if(shown_.begin(), shown_.end(), SameIcon(record));
}

void SimNotifyIconShell::SetAvailable(bool available) {
  available_ = available;
  shown_.clear();
}

void SimNotifyIconShell::SetForegroundWindow(WindowHandle window) {
  foreground_.push_back(window);
}

Point SimNotifyIconShell::CursorPos() {
  ++cursor_reads_;
  return cursor_;
}

}  // namespace vorn
