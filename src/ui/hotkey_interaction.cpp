// The global hotkeys: the main one toggles the main window, Next and Previous
// step through the station list. The operator can capture each in the
// frequency field and look at them.
#include <string>

#include "ui/main_form.h"

namespace vorn {

namespace {
constexpr VirtualKey kEscape = 27;
}  // namespace

void TForm1::HKMHotKeyPressed(std::uint32_t, std::uint16_t Index) {
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
  Label1->SetVisible(false);
  Label2->SetVisible(false);
  LV->SetVisible(true);
  Edit1->SetVisible(true);
  Edit1->SetText("");
  if (key != kEscape) {
    // Always the bare key: the shift state is not part of a captured hotkey.
    if (const OperatorHotKey* holder = HotKeyWithValue(key, *capturing_)) {
      const char* name = holder == &next_hotkey_       ? "Next hotkey"
                         : holder == &previous_hotkey_ ? "Previous hotkey"
                                                       : "hotkey";
      App().ShowMessage(KeyText(key, false) + " is already Vorn's " + name + ".");
    } else {
      capturing_->Capture(*HKM, key);
      Show2Click();
    }
    Edit1->SetText("");
  }
  FrequencyEntryMode();
  key = 0;
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
