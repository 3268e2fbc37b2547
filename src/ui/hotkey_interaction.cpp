// The global hotkeys: the main one toggles the main window, Next and Previous
// step through the station list. The operator can capture each in the
// frequency field and look at them.
#include <string>

#include "ui/main_form.h"

namespace vorn {

namespace {

constexpr VirtualKey kEscape = 27;

// Shift, Ctrl, Alt and the Windows keys, also as the left and right ones.
bool IsModifierKey(std::uint32_t key) {
  return (key >= 16 && key <= 18) || key == 0x5B || key == 0x5C || (key >= 0xA0 && key <= 0xA5);
}

// Keys that type into whatever program has the focus: Backspace, Tab, Enter,
// Space, the digits and letters, and the punctuation keys.
bool TypesText(std::uint32_t key) {
  return key == 8 || key == 9 || key == 13 || key == 32 || (key >= '0' && key <= '9') ||
         (key >= 'A' && key <= 'Z') || (key >= 0xBA && key <= 0xC0) ||
         (key >= 0xDB && key <= 0xDF) || key == 0xE2;
}

}  // namespace

void TForm1::HKMHotKeyPressed(std::uint32_t, std::uint16_t Index) {
  // While Edit1 captures a key, Vorn's own keys are keys pressed for it: they
  // are refused there rather than doing what they do.
  if (capture_active_) {
    for (const OperatorHotKey* key : {&hotkey_, &next_hotkey_, &previous_hotkey_})
      if (key->Owns(Index)) return EndCapture(key->Current());
    return;
  }
  if (next_hotkey_.Owns(Index)) return StepStation(true);
  if (previous_hotkey_.Owns(Index)) return StepStation(false);
  if (!hotkey_.Owns(Index)) return;
  if (form_->IsActiveWindow() && !Waiting())
    HideForm();
  else
    Show1Click();
}

void TForm1::StartCapture(OperatorHotKey& capturing) {
  LV->SetVisible(false);
  Label1->SetVisible(true);
  Label2->SetVisible(true);
  Edit1->SetText("");
  HotKeyCaptureMode(capturing);
}

void TForm1::Change1Click() {
  StartCapture(hotkey_);
}

void TForm1::ChangeNext1Click() {
  StartCapture(next_hotkey_);
}

void TForm1::ChangePrevious1Click() {
  StartCapture(previous_hotkey_);
}

void TForm1::Edit1KeyDown(VirtualKey& key, ShiftState) {
  // Next and Previous are pressed beside every other program's keys: a
  // modifier alone is passed over, the capture waits for the key with it.
  const bool stepping_key = capturing_ != &hotkey_;
  if (!(stepping_key && IsModifierKey(key))) EndCapture(key);
  key = 0;
}

std::string TForm1::CaptureRefusal(std::uint32_t key) const {
  if (const OperatorHotKey* holder = HotKeyWithValue(key, *capturing_)) {
    const char* name = holder == &next_hotkey_       ? "Next hotkey"
                       : holder == &previous_hotkey_ ? "Previous hotkey"
                                                     : "hotkey";
    return KeyText(key, false) + " is already Vorn's " + name + ".";
  }
  if (capturing_ != &hotkey_ && TypesText(key))
    return KeyText(key, false) +
           " types text. Next and Previous take a key that types nothing,\rsuch as F1 to F12.";
  return {};
}

void TForm1::EndCapture(std::uint32_t key) {
  Label1->SetVisible(false);
  Label2->SetVisible(false);
  LV->SetVisible(true);
  Edit1->SetVisible(true);
  Edit1->SetText("");
  FrequencyEntryMode();
  if (key == kEscape) return;
  // Always the bare key: the shift state is not part of a captured hotkey.
  if (const std::string refusal = CaptureRefusal(key); !refusal.empty()) {
    App().ShowMessage(refusal);
  } else {
    capturing_->Capture(*HKM, key);
    Show2Click();
  }
  Edit1->SetText("");
}

const OperatorHotKey* TForm1::HotKeyWithValue(std::uint32_t key,
                                              const OperatorHotKey& capturing) const {
  for (const OperatorHotKey* other : {&hotkey_, &next_hotkey_, &previous_hotkey_})
    if (other != &capturing && other->Current() == key) return other;
  return nullptr;
}

void TForm1::Show2Click() {
  const std::uint32_t key = hotkey_.Current();
  std::string text = "English: " + KeyText(key, false) + "\rLocalized: " + KeyText(key, true) +
                     "\rord(Key): " + std::to_string(key);
  if (next_hotkey_.Current() != 0) text += "\rNext: " + KeyText(next_hotkey_.Current(), false);
  if (previous_hotkey_.Current() != 0)
    text += "\rPrevious: " + KeyText(previous_hotkey_.Current(), false);
  App().ShowMessage(text);
}

}  // namespace vorn
