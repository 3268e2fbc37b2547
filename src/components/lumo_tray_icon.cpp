#include "components/lumo_tray_icon.h"

#include <algorithm>
#include <utility>

namespace vorn {

TLumoTray::TLumoTray(TComponent* owner, TrayServices services, std::string hint)
    : TComponent(owner), Hint(std::move(hint)), services_(services), version_("1.00") {
  if (Designing()) return;
  window_ = services_.Windows.CreateHiddenWindow(
      [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
        return WindowProc(message, wparam, lparam);
      });
  services_.App.SetShowMainForm(false);

  record_.Size = services_.Shell.RecordSize();
  record_.Window = Handle();
  record_.Id = kTrayIconId;
  record_.Flags = kTrayFlags;
  record_.Icon = services_.App.Icon();
  record_.CallbackMessage = kTrayCallbackMessage;
  if (Hint.empty()) Hint = services_.App.Title();
  CopyTip(Hint);
  taskbar_created_ = services_.Shell.TaskbarCreatedMessage();
  AddToTray();
}

void TLumoTray::CopyTip(const std::string& tip) {
  // The field holds 63 characters and the terminator: a longer tip keeps its
  // beginning.
  const std::size_t length = std::min(tip.size(), NotifyIconData::kTipSize - 1);
  record_.Tip.fill('\0');
  std::copy_n(tip.begin(), length, record_.Tip.begin());
}

void TLumoTray::SetTip(const std::string& tip) {
  if (Designing()) return;
  CopyTip(tip.empty() ? services_.App.Title() : tip);
  if (in_tray_) in_tray_ = services_.Shell.ModifyIcon(record_);
  // A shell that lost the icon without telling takes it anew.
  if (!in_tray_) AddToTray();
}

void TLumoTray::AddToTray() {
  in_tray_ = services_.Shell.AddIcon(record_);
  // The shell announces itself also while it still shows the icon (after a
  // display change, say): the old one goes first so that the add counts.
  if (!in_tray_ && services_.Shell.DeleteIcon(record_)) in_tray_ = services_.Shell.AddIcon(record_);
}

TLumoTray::~TLumoTray() {
  *alive_ = false;
  if (Designing()) return;
  services_.Shell.DeleteIcon(record_);
  window_.reset();
}

WindowHandle TLumoTray::Handle() const {
  return window_ ? window_->Handle() : 0;
}

std::intptr_t TLumoTray::WindowProc(std::uint32_t message, std::uintptr_t wparam,
                                    std::intptr_t lparam) {
  if (taskbar_created_ != 0 && message == taskbar_created_) {
    AddToTray();
    return 0;
  }
  if (message != kTrayCallbackMessage) return window_->DefaultProcedure(message, wparam, lparam);
  TrayCallback(lparam);
  return 0;
}

void TLumoTray::TrayCallback(std::intptr_t mouse_message) {
  if (mouse_message == kWmLButtonDblClk) {
    if (PopupMenu != nullptr) {
      for (std::size_t i = 0; i < PopupMenu->Count(); ++i) {
        MenuItem& item = PopupMenu->Item(i);
        if (!item.Default()) continue;
        const std::shared_ptr<bool> alive = alive_;
        item.Click();
        if (!*alive) return;
        break;
      }
    }
    if (OnDblClick) {
      // A copy, so that the handler may reassign the event while it runs.
      const TNotifyEvent handler = OnDblClick;
      handler(*this);
    }
  } else if (mouse_message == kWmRButtonUp) {
    // Only the foreground window's menu closes when the user clicks elsewhere.
    services_.Shell.SetForegroundWindow(Handle());
    const Point at = services_.Shell.CursorPos();
    if (PopupMenu != nullptr) PopupMenu->Popup(at);
  }
}

}  // namespace vorn
