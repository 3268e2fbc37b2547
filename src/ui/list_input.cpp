#include "ui/list_input.h"

#include "platform/toolkit_rules.h"

namespace vorn {

TListInput::TListInput(Toolkit& toolkit, Form& owner) : dialog_(toolkit.CreateModalDialog(owner)) {
  dialog_->SetCaption(kNewCaption);
  dialog_->SetDesignedBounds({0, 0, kWidth, kHeight});

  // Added in tab order: frequency, bandwidth, demodulator, name, OK, Cancel.
  LabeledEdit1 = &dialog_->AddLabeledEdit({16, 24, 161, 21}, "Frequency (kHz)");
  dialog_->AddLabel({16, 56}, "Bandwidth");
  ComboBox1 = &dialog_->AddComboBox(
      {16, 72, 80, 21}, {"50 kHz", "25 kHz", "12 kHz", "6 kHz", "3 kHz", "1.6 kHz", "0.8 kHz"});
  dialog_->AddLabel({104, 56}, "Demodulator");
  ComboBox2 = &dialog_->AddComboBox({104, 72, 73, 21},
                                    {"AM", "SAM", "CW", "RTTY", "LSB", "USB", "FM", "DRM", "USER"});
  LabeledEdit2 = &dialog_->AddLabeledEdit({16, 120, 161, 21}, "Station Name");
  BitBtn1 = &dialog_->AddButton({16, 160, 75, 25}, kOkButton, ModalResult::Ok);
  BitBtn2 = &dialog_->AddButton({104, 160, 75, 25}, kCancelButton, ModalResult::Cancel);
}

}  // namespace vorn
