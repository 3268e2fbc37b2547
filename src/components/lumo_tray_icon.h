#pragma once

// Unit uLumoTrayIcon: the application's icon in the notification area.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/component.h"
#include "platform/hidden_window.h"
#include "platform/notify_icon.h"
#include "platform/toolkit.h"

namespace vorn {

using TNotifyEvent = std::function<void(TComponent& Sender)>;

inline constexpr std::uint32_t kTrayIconId = 57051;
// The message the shell sends the hidden window for mouse actions on the icon;
// the second parameter carries the mouse message.
inline constexpr std::uint32_t kTrayCallbackMessage = 1025;
inline constexpr std::uint32_t kTrayFlags = kNifMessage | kNifIcon | kNifTip;
inline constexpr std::intptr_t kWmLButtonDblClk = 515;
inline constexpr std::intptr_t kWmRButtonUp = 517;

// The services the tray works through; they outlive it.
struct TrayServices {
  Application& App;
  HiddenWindowService& Windows;
  NotifyIconShell& Shell;
};

// Shows the application's icon in the notification area for as long as it
// lives, adding it again whenever the shell's notification area (re)starts. Releasing the right
// button on the icon pops up PopupMenu at the mouse; a left double-click clicks the menu's first
// default item and then raises OnDblClick. Constructing it keeps the main form hidden when the
// message loop starts. In design state it touches none of the services.
class TLumoTray : public TComponent {
 public:
  // `hint` stands for a designed Hint; empty means the application's title.
  TLumoTray(TComponent* owner, TrayServices services, std::string hint = {});
  ~TLumoTray() override;

  // The tooltip's source, read once by the constructor: later changes do not
  // reach the icon.
  std::string Hint;
  // Not owned: the menu outlives the tray, or this is cleared first.
  vorn::PopupMenu* PopupMenu = nullptr;
  TNotifyEvent OnDblClick;

  // Changes the tooltip of the icon shown (and of every later add); empty
  // means the application's title. Cut to the record's 63 characters.
  void SetTip(const std::string& tip);

  const std::string& Version() const { return version_; }
  // Accepted and ignored: the version is the component's own.
  void SetVersion(const std::string& /*version*/) {}

  // The hidden window; 0 in design state.
  WindowHandle Handle() const;
  // The record given to the shell; all zero in design state.
  const NotifyIconData& Record() const { return record_; }
  // Whether the shell took the icon at the last add.
  bool InTray() const { return in_tray_; }

 private:
  std::intptr_t WindowProc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
  void TrayCallback(std::intptr_t mouse_message);
  void AddToTray();
  void CopyTip(const std::string& tip);

  TrayServices services_;
  std::string version_;
  NotifyIconData record_;
  bool in_tray_ = false;
  std::uint32_t taskbar_created_ = 0;
  std::unique_ptr<HiddenWindow> window_;
  // Cleared by the destructor, so that a handler that destroys the tray
  // (through its owner) does not leave the callback running on freed memory.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vorn
