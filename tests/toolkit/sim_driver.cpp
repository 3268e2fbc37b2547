// The driver over the in-memory toolkit: its test hooks.
#include <deque>
#include <stdexcept>

#include "platform/sim/sim_toolkit.h"
#include "toolkit_driver.h"

namespace vorn {

namespace {

BoxIcon Shown(SimBoxIcon icon) {
  switch (icon) {
    case SimBoxIcon::Information:
      return BoxIcon::Information;
    case SimBoxIcon::Stop:
      return BoxIcon::Stop;
    case SimBoxIcon::Exclamation:
      return BoxIcon::Exclamation;
    default:
      return BoxIcon::None;
  }
}

class SimDriver : public ToolkitDriver {
 public:
  SimDriver() {
    kit_.AnswerBoxesWith([this](const SimBox& box) { return AnswerBox(box); });
  }

  Toolkit& Kit() override { return kit_; }

  void Type(const std::string& text) override {
    for (char c : text) {
      ShiftState shift;
      const VirtualKey key = SimKeyOf(c, shift);
      if (key != 0) kit_.Keystroke(key, shift, nullptr, c);
    }
  }

  void PressKey(VirtualKey key, ShiftState shift) override { kit_.Keystroke(key, shift); }

  void Click(Control& control) override {
    if (auto* box = dynamic_cast<SimCheckBox*>(&control)) {
      box->Click();
      return;
    }
    Edit& edit = dynamic_cast<Edit&>(control);
    kit_.UserAction([&] { edit.SetFocus(); });
  }

  void DoubleClick(Control& control) override { AsSim(dynamic_cast<Edit&>(control)).DoubleClick(); }
  void ClickRow(ListView& list, std::size_t row) override { AsSim(list).ClickRow(row); }
  void ClickBelowRows(ListView& list) override { AsSim(list).ClickEmpty(); }
  void ContextMenu(ListView& list, Point at) override { AsSim(list).RightClick(at); }

  void Choose(Form& form, const std::vector<std::string>& path) override {
    kit_.Choose(form.Menu(), path);
  }
  std::vector<std::string> MenuLayout(Form& form, const std::vector<std::string>& path) override {
    MenuItem* item = nullptr;
    MenuItems* items = &form.Menu();
    for (const std::string& caption : path) {
      item = FindItem(*items, caption);
      if (!item) throw std::invalid_argument("no menu item " + caption);
      items = item;
    }
    if (!item) throw std::invalid_argument("no submenu");
    std::vector<std::string> layout = dynamic_cast<SimMenuItem&>(*item).Layout();
    std::size_t index = 0;
    for (std::string& entry : layout)
      if (entry != "-" && item->Item(index++).Checked()) entry = "* " + entry;
    return layout;
  }
  void ChooseInNextPopup(const std::string& caption) override { kit_.ChooseInNextPopup(caption); }
  std::vector<Point> PopupPositions() override { return kit_.PopupPositions(); }

  void CloseButton(Window& window) override {
    if (auto* form = dynamic_cast<SimForm*>(&window)) {
      form->RequestClose();
    } else if (auto* tool = dynamic_cast<SimToolWindow*>(&window)) {
      tool->RequestClose();
    } else {
      dynamic_cast<SimDialog&>(window).RequestClose();
    }
  }

  void ActivateOtherProgram() override { kit_.ActivateOtherProgram(); }

  void MoveToDpi(Window& window, int dpi) override {
    SimWindow& sim = AsSim<Window>(window);
    sim.MoveToDpi(dpi, sim.SuggestedAt(dpi));
  }

  void Run(Form& main, const std::function<void()>& while_running) override {
    kit_.App().Run(main);
    if (kit_.App().Terminated()) return;
    if (while_running) while_running();
    if (!kit_.App().Terminated()) kit_.App().Terminate();
  }

  void AnswerNextBox(const std::string& button) override { answers_.push_back({button, 0}); }
  void AnswerNextBoxWithKey(VirtualKey key) override { answers_.push_back({"", key}); }

  void WhileNextDialogIsOpen(std::function<void()> inside) override {
    kit_.AnswerNextDialog([this, inside = std::move(inside)](SimDialog& dialog) {
      inside();
      kit_.HandlePosted();
      return dialog.Result() == ModalResult::None ? ModalResult::Cancel : dialog.Result();
    });
  }

  std::vector<ShownBox> Boxes() override {
    std::vector<ShownBox> shown;
    for (const SimBox& box : kit_.Boxes()) {
      shown.push_back({box.Caption, box.Text, Shown(IconOf(box.Kind)), ButtonsOf(box.Kind)});
    }
    return shown;
  }

  Rect ScreenRect(const Control& control) override {
    return dynamic_cast<const SimWidget&>(control).ScreenBounds();
  }

  Rect ClientRect(const Window& window) override {
    const auto& sim = dynamic_cast<const SimWindow&>(window);
    const Point origin = sim.ClientOrigin();
    const Rect client = sim.ClientPixels();
    return {origin.X, origin.Y, client.Width, client.Height};
  }

  std::vector<std::string> RowTexts(ListView& list, std::size_t row) override {
    const StationRow& r = list.Row(row);
    return {r.Frequency, r.Bandwidth, r.Demodulator, r.Name};
  }

  std::vector<ListColumn> Columns(ListView& list) override { return AsSim(list).Columns(); }

  bool RowInView(ListView& list, std::size_t row) override {
    const std::size_t top = AsSim(list).TopRow();
    return row >= top && row < top + SimListView::kPageRows;
  }

 private:
  static constexpr const char* kExePath = "C:\\Tools\\VORN-TOOLKIT-TESTS.EXE";

  struct BoxAnswer {
    std::string Button;
    VirtualKey Key;
  };

  Answer AnswerBox(const SimBox& box) {
    BoxAnswer answer{"", sim_keys::kEscape};
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    return answer.Key != 0 ? AnswerOfKey(box.Kind, answer.Key)
                           : AnswerOfButton(box.Kind, answer.Button);
  }

  SimToolkit kit_{kExePath};
  std::deque<BoxAnswer> answers_;
};

}  // namespace

std::unique_ptr<ToolkitDriver> MakeToolkitDriver() {
  return std::make_unique<SimDriver>();
}

}  // namespace vorn
