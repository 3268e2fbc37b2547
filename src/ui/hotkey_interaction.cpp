// The global hotkey toggles the main window; the operator can capture a new
// one in the frequency field and look at the current one.
#include <string>

#include "ui/main_form.h"

namespace vorn {

namespace {
constexpr VirtualKey kEscape = 27;
}  // namespace

void TForm1::HKMHotKeyPressed(std::uint32_t, std::uint16_t) {
  if (form_->IsActiveWindow() && !Waiting())
    HideForm();
  else
    Show1Click();
}

void TForm1::Change1Click() {
  LV->SetVisible(false);
  Label1->SetVisible(true);
  Label2->SetVisible(true);
  Edit1->SetText("");
  HotKeyCaptureMode();
}

void TForm1::Edit1KeyDown(VirtualKey& key, ShiftState) {
  Label1->SetVisible(false);
  Label2->SetVisible(false);
  LV->SetVisible(true);
  Edit1->SetVisible(true);
  Edit1->SetText("");
  if (key != kEscape) {
    // Always the bare key: the shift state is not part of a captured hotkey.
    // After a refused registration there is nothing to replace, and the
    // operator must still be able to try another key.
    hotkey_index_ = hotkey_index_ ? HKM->ReplaceKey(hotkey_index_, key) : HKM->RegisterKey(key);
    hotkey_ = key;
    Show2Click();
    Edit1->SetText("");
  }
  FrequencyEntryMode();
  key = 0;
}

void TForm1::Show2Click() {
  App().ShowMessage("English: " + KeyText(hotkey_, false) + "\rLocalized: " +
                    KeyText(hotkey_, true) + "\rord(Key): " + std::to_string(hotkey_));
}

}  // namespace vorn
