// The station list commands of the main window: load, save, add, delete,
// sort, and tuning the receiver to a row.
#include <algorithm>
#include <array>
#include <optional>

#include "platform/dpi_scale.h"
#include "platform/framework_error.h"
#include "receiver/control_actions.h"
#include "ui/list_input.h"
#include "ui/main_form.h"

namespace vorn {

namespace {

constexpr VirtualKey kEnter = 13;
constexpr VirtualKey kF2 = 113;

constexpr const char* kReceiverFailedMessage =
    "The receiver program did not answer.\r"
    "Its keypad may hold a partial entry.";
constexpr const char* kReceiverGoneMessage = "The receiver program is not running.";

}  // namespace

std::string BareName(const std::string& path) {
  const auto slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool TForm1::AskToSaveOldList() {
  if (stations_->ListUnchanged()) return true;
  if (!list_name_.empty()) {
    const Answer answer = App().Ask("Old Stationlist has changed,\rsave to " + list_name_ + "?");
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) SaveRows(list_path_);
    return true;
  }
  // Rows that no list file holds (an import, or new entries) would otherwise
  // be lost without a word: asked as the close asks.
  const Answer answer = App().Ask("Stationlist has changed, save?");
  return answer == Answer::No || (answer == Answer::Yes && SaveCurrentList());
}

void TForm1::OpenList1Click() {
  if (Waiting() || !AskToSaveOldList()) return;

  const std::string path = OD->Execute();
  if (path.empty()) return;
  // The file chosen is the file read, wherever it lies. A file that cannot be
  // opened changes nothing; once rows were read from it, it is the current list.
  const auto adopt = [&] {
    list_path_ = path;
    list_name_ = BareName(path);
    EdtSLFilename->SetText(list_name_);
  };
  try {
    LoadListFile(path);
  } catch (const ListIndexError&) {
    adopt();
    throw;
  }
  adopt();
}

void TForm1::LoadListFile(const std::string& path) {
  ListUpdate update(*LV);
  stations_->LoadStationFile(path);
}

void TForm1::SaveList1Click() {
  if (Waiting()) return;
  const std::string path = SD->Execute();
  if (path.empty()) return;
  SaveRows(path);
  stations_->TakeSnapshot();
}

std::optional<StationRow> TForm1::AskForEntry(const std::string& caption,
                                              const StationRow& fields) {
  TListInput& input = *ListInput;
  input.Window().SetCaption(caption);
  input.LabeledEdit1->SetText(fields.Frequency);
  input.ComboBox1->SetText(fields.Bandwidth);
  input.ComboBox2->SetText(fields.Demodulator);
  input.LabeledEdit2->SetText(fields.Name);

  const Rect main = form_->Bounds();
  Rect placed = input.Window().Bounds();
  placed.Left = main.Left + main.Width - placed.Width;
  placed.Top =
      main.Top + ScaleDpi(Panel2->Height() + LV->Bounds().Top + 50, kDesignDpi, form_->Dpi());
  input.Window().SetBounds(placed);

  if (input.Window().ShowModal() != ModalResult::Ok) return std::nullopt;
  return StationRow{input.LabeledEdit1->Text(), input.ComboBox1->Text(), input.ComboBox2->Text(),
                    input.LabeledEdit2->Text()};
}

void TForm1::Edit1DblClick() {
  if (Waiting()) return;
  const TListInput& input = *ListInput;
  const auto row = AskForEntry(
      TListInput::kNewCaption,
      {Edit1->Text(), input.ComboBox1->Items().front(), input.ComboBox2->Items().front(), ""});
  if (row) LV->Append(*row);
}

void TForm1::EditEntry1Click() {
  if (Waiting()) return;
  const auto selected = LV->Selected();
  if (!selected) return;
  // Nothing changes the rows while the dialog is open: this is still the row.
  const std::size_t index = *selected;
  if (const auto row = AskForEntry(TListInput::kEditCaption, LV->Row(index)))
    LV->Replace(index, *row);
}

void TForm1::DeleteEntry1Click() {
  if (const auto selected = LV->Selected()) LV->Remove(*selected);
}

void TForm1::CBSortedClick() {
  LV->SetSorted(CBSorted->Checked());
}

void TForm1::LVClick() {
  TuneToSelected();
}

void TForm1::LVKeyDown(VirtualKey key) {
  if (key == kEnter) TuneToSelected();
  if (key == kF2) EditEntry1Click();
}

void TForm1::LVKeyUp(VirtualKey key) {
  // Page Up, Page Down, End, Home, Up and Down move the selection; Left and Right do not.
  static constexpr std::array<VirtualKey, 6> kTuningKeys = {33, 34, 35, 36, 38, 40};
  if (std::find(kTuningKeys.begin(), kTuningKeys.end(), key) != kTuningKeys.end()) TuneToSelected();
}

void TForm1::StepStation(bool forward) {
  const std::size_t count = LV->Count();
  // A box or dialog waits for its answer: the list stays as the operator left it.
  if (count == 0 || Waiting()) return;
  const std::optional<std::size_t> selected = LV->Selected();
  std::size_t index = forward ? 0 : count - 1;
  if (selected) index = forward ? (*selected + 1) % count : (*selected + count - 1) % count;
  LV->Select(index);
  LV->ScrollIntoView(index);
  const StationRow row = LV->Row(index);
  if (!TuneToStation(link_, row)) {
    // Where the receiver is now, nobody knows.
    SetTrayStation("");
    ReceiverFailed();
    return;
  }
  SetTrayStation(row.Name.empty() ? row.Frequency : row.Frequency + " " + row.Name);
}

void TForm1::TuneToSelected() {
  const auto selected = LV->Selected();
  if (!selected) return;
  if (!TuneToStation(link_, LV->Row(*selected))) ReceiverFailed();
}

void TForm1::ReceiverFailed() {
  // Its windows are gone, also after a search for them: nothing was pressed.
  if (!link_.Linked()) return App().ShowMessage(kReceiverGoneMessage);
  // The keypad has no control that clears an entry, and its confirm button
  // would tune to the digits that did arrive: nothing more is pressed, the
  // operator is told what may be left there.
  App().ShowMessage(kReceiverFailedMessage);
}

}  // namespace vorn
