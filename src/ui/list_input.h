#pragma once

#include <memory>

#include "platform/toolkit.h"

namespace vorn {

// The entry dialog: one station's frequency, bandwidth, demodulator and name,
// for a new row or to edit one. Created once at start and reused.
class TListInput {
 public:
  static constexpr int kWidth = 196;
  static constexpr int kHeight = 225;
  static constexpr const char* kNewCaption = "Add to List";
  static constexpr const char* kEditCaption = "Edit Entry";

  TListInput(Toolkit& toolkit, Form& owner);

  Dialog& Window() { return *dialog_; }

  Edit* LabeledEdit1 = nullptr;   // frequency
  ComboBox* ComboBox1 = nullptr;  // bandwidth
  ComboBox* ComboBox2 = nullptr;  // demodulator
  Edit* LabeledEdit2 = nullptr;   // station name
  Button* BitBtn1 = nullptr;      // OK
  Button* BitBtn2 = nullptr;      // Cancel

 private:
  std::unique_ptr<Dialog> dialog_;
};

}  // namespace vorn
