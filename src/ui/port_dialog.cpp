#include "ui/port_dialog.h"

#include "platform/decimal_text.h"
#include "platform/toolkit_rules.h"

namespace vorn {

std::optional<std::string> AskForPort(Toolkit& toolkit, Form& owner, const std::string& caption,
                                      const std::vector<std::string>& ports,
                                      const std::string& current) {
  const std::unique_ptr<Dialog> dialog = toolkit.CreateModalDialog(owner);
  dialog->SetCaption(caption);
  dialog->SetDesignedBounds({0, 0, 196, 130});
  dialog->AddLabel({16, 16}, "Serial port");
  ComboBox& port = dialog->AddComboBox({16, 32, 161, 21}, ports);
  port.SetText(current.empty() && !ports.empty() ? ports.front() : current);
  dialog->AddButton({16, 72, 75, 25}, kOkButton, ModalResult::Ok);
  dialog->AddButton({104, 72, 75, 25}, kCancelButton, ModalResult::Cancel);
  if (dialog->ShowModal() != ModalResult::Ok) return std::nullopt;
  const std::string name(TrimChars(port.Text(), kControlsAndSpace));
  if (name.empty()) return std::nullopt;
  return name;
}

}  // namespace vorn
