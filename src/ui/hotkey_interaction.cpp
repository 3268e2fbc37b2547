// The global hotkey toggles the main window; the operator can capture a new
// one in the frequency field and look at the current one.
#include <string>

#include "ui/main_form.h"

namespace vorn {

namespace {
constexpr VirtualKey kEscape = 27;
}  // namespace

void TForm1::HKMHotKeyPressed(std::uint32_t, std::uint16_t Index) {
  if (!hotkey_.Owns(Index)) return;
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
    hotkey_.Capture(*HKM, key);
    Show2Click();
    Edit1->SetText("");
  }
  FrequencyEntryMode();
  key = 0;
}

void TForm1::Show2Click() {
  const std::uint32_t key = hotkey_.Current();
  App().ShowMessage("English: " + KeyText(key, false) + "\rLocalized: " + KeyText(key, true) +
                    "\rord(Key): " + std::to_string(key));
}

}  // namespace vorn
