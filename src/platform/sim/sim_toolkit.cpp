#include "platform/sim/sim_toolkit.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/dpi_scale.h"
#include "platform/sim/ansi_compare.h"
#include "platform/toolkit_rules.h"

namespace vorn {

namespace {

constexpr VirtualKey kPageUp = 33;
constexpr VirtualKey kPageDown = 34;
constexpr VirtualKey kEnd = 35;
constexpr VirtualKey kHome = 36;
constexpr VirtualKey kUp = 38;
constexpr VirtualKey kDown = 40;

// Handlers may replace themselves while they run (an edit switching its mode), so
// each runs from a copy.
template <typename Handler, typename... Args>
void Raise(const Handler& handler, Args&&... args) {
  if (!handler) return;
  Handler copy = handler;
  copy(std::forward<Args>(args)...);
}

}  // namespace

// ---- widgets ----

SimToolkit& SimWidget::Kit() const {
  return OwnerWindow().Kit();
}

void SimWidget::TakeFocus() {
  if (Showing()) OwnerWindow().Focus(this);
}

bool SimWidget::HasFocus() const {
  const SimWindow& window = OwnerWindow();
  return window.FocusedWidget() == this && window.Active() && Showing();
}

bool SimWidget::PreviewKey(VirtualKey& key, ShiftState shift) {
  auto* form = dynamic_cast<SimForm*>(&OwnerWindow());
  if (!form) return false;
  Raise(form->OnKeyDown, key, shift);
  return key == 0;
}

SimLabel::SimLabel(SimParent& parent, Point at, const std::string& caption)
    : SimControl(parent, {at.X, at.Y, 0, 0}), caption_(caption) {
  Fit();
}

void SimLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  Fit();
}

void SimLabel::SetBoldFont(int height) {
  bold_height_ = height;
  Fit();
}

void SimLabel::Fit() {
  // A plausible size; the real label measures its text.
  const int char_width = bold_height_ ? 7 : 6;
  bounds_.Width = static_cast<int>(caption_.size()) * char_width;
  bounds_.Height = bold_height_ ? -bold_height_ + 3 : Container::kLabelHeight;
}

void SimEdit::SetText(const std::string& text) {
  text_ = text;
  sel_start_ = 0;
  sel_length_ = 0;
  Changed();
}

void SimEdit::Changed() {
  Raise(OnChange);
}

void SimEdit::SelectAll() {
  sel_start_ = 0;
  sel_length_ = text_.size();
}

void SimEdit::Type(char key) {
  Kit().UserAction([this, key] {
    char typed = key;
    Raise(OnKeyPress, typed);
    if (typed != '\0') Insert(typed);
  });
}

void SimEdit::Type(const std::string& keys) {
  for (char key : keys) Type(key);
}

bool SimEdit::PressKey(VirtualKey key, ShiftState shift) {
  bool consumed = false;
  Kit().UserAction([&] {
    VirtualKey pressed = key;
    consumed = PreviewKey(pressed, shift);
    if (consumed) return;
    Raise(OnKeyDown, pressed, shift);
    consumed = pressed == 0;
  });
  return consumed;
}

void SimEdit::DoubleClick() {
  Kit().UserAction([this] { Raise(OnDblClick); });
}

void SimEdit::Insert(char key) {
  if (read_only_) return;
  if (key == '\b') {
    if (sel_length_ == 0 && sel_start_ > 0) {
      --sel_start_;
      sel_length_ = 1;
    }
    const bool erases = sel_length_ > 0;
    text_.erase(sel_start_, sel_length_);
    sel_length_ = 0;
    if (erases) Changed();
    return;
  }
  // Other control characters (Enter, Esc, the clipboard keys) change nothing here.
  if (static_cast<unsigned char>(key) < 32) return;
  text_.replace(sel_start_, sel_length_, 1, key);
  ++sel_start_;
  sel_length_ = 0;
  Changed();
}

void SimCheckBox::Click() {
  Kit().UserAction([this] {
    checked_ = !checked_;
    Raise(OnClick);
  });
}

// ---- menus ----

MenuItem& SimMenuItem::Add(const std::string& caption, std::function<void()> on_click) {
  if (!submenu_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  items_.push_back(std::make_unique<SimMenuItem>(caption));
  items_.back()->OnClick = std::move(on_click);
  return *items_.back();
}

MenuItem& SimMenuItem::AddSubmenu(const std::string& caption) {
  if (!submenu_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  items_.push_back(std::make_unique<SimMenuItem>(caption, true));
  return *items_.back();
}

void SimMenuItem::Click() {
  Raise(OnClick);
}

MenuItem& SimMenu::Add(const std::string& caption, std::function<void()> on_click) {
  return root_.Add(caption, std::move(on_click));
}

MenuItem& SimMenu::AddSubmenu(const std::string& caption) {
  return root_.AddSubmenu(caption);
}

void SimPopupMenu::Popup(Point at) {
  positions_.push_back(at);
  if (choices_.empty()) return;
  const std::string caption = choices_.front();
  choices_.pop_front();
  MenuItem* item = FindItem(items_, caption);
  if (!item) throw std::invalid_argument("no popup menu item " + caption);
  item->Click();
}

// ---- list view ----

SimListView::SimListView(SimParent& parent, const std::vector<ListColumn>& columns)
    : SimControl(parent, {}), columns_(columns), rows_(AnsiCompare) {}

void SimListView::Append(const StationRow& row) {
  rows_.Append(row);
  Changed();
}

void SimListView::Replace(std::size_t index, const StationRow& row) {
  rows_.Replace(index, row);
  Changed();
}

void SimListView::Remove(std::size_t index) {
  rows_.Remove(index);
  Changed();
}

void SimListView::Clear() {
  rows_.Clear();
  Changed();
}

void SimListView::Select(std::optional<std::size_t> index) {
  rows_.Select(index);
  Changed();
}

void SimListView::ScrollIntoView(std::size_t index) {
  if (index < top_row_)
    top_row_ = index;
  else if (index >= top_row_ + kPageRows)
    top_row_ = index - kPageRows + 1;
}

void SimListView::SetSorted(bool sorted) {
  rows_.SetSorted(sorted);
  Changed();
}

void SimListView::EndUpdate() {
  if (rows_.EndUpdate() && changed_while_updating_) {
    changed_while_updating_ = false;
    ++repaints_;
  }
}

Rect SimListView::Bounds() const {
  return dynamic_cast<SimForm&>(OwnerWindow()).MiddleBounds();
}

void SimListView::Changed() {
  if (rows_.Updating())
    changed_while_updating_ = true;
  else
    ++repaints_;
}

void SimListView::ClickRow(std::size_t index) {
  if (index >= Count()) throw std::out_of_range("no such row to click");
  Kit().UserAction([this, index] {
    TakeFocus();
    Select(index);
    Raise(OnClick);
  });
}

void SimListView::ClickEmpty() {
  Kit().UserAction([this] {
    TakeFocus();
    Select(std::nullopt);
    Raise(OnClick);
  });
}

void SimListView::PressKey(VirtualKey key, ShiftState shift) {
  Kit().UserAction([this, key, shift] {
    VirtualKey pressed = key;
    if (PreviewKey(pressed, shift)) return;
    Raise(OnKeyDown, key);
    const std::size_t count = Count();
    if (count > 0) {
      const std::optional<std::size_t> current = Selected();
      std::optional<std::size_t> next = current;
      switch (key) {
        case kUp:
          next = current ? (*current > 0 ? *current - 1 : 0) : 0;
          break;
        case kDown:
          next = current ? std::min(*current + 1, count - 1) : 0;
          break;
        case kHome:
          next = 0;
          break;
        case kEnd:
          next = count - 1;
          break;
        case kPageUp:
          next = current && *current > kPageRows ? *current - kPageRows : 0;
          break;
        case kPageDown:
          next = std::min(current.value_or(0) + kPageRows, count - 1);
          break;
        default:
          break;
      }
      if (next != current) Select(next);
    }
    Raise(OnKeyUp, key);
  });
}

void SimListView::KeyUp(VirtualKey key) {
  Kit().UserAction([this, key] { Raise(OnKeyUp, key); });
}

void SimListView::RightClick(Point at) {
  Kit().UserAction([this, at] {
    if (popup_) popup_->Popup(at);
  });
}

// ---- panels and windows ----

SimPanel::SimPanel(SimForm& form, Dock dock, int height)
    : SimWidget(form, {}), form_(form), dock_(dock), height_(height) {}

Rect SimPanel::Bounds() const {
  return form_.PanelBounds(*this);
}

SimWindow::SimWindow(SimToolkit& kit) : kit_(kit), handle_(kit.NewHandle()) {}

SimWindow::~SimWindow() {
  kit_.Forget(this);
}

bool SimWindow::Active() const {
  return kit_.ActiveWindow() == this;
}

int SimWindow::DpiOfScreen() const {
  return kit_.Dpi();
}

Rect SimWindow::Designed(const Rect& bounds) const {
  return ScaleDpi(bounds, kDesignDpi, kit_.Dpi());
}

void SimWindow::Focus(SimWidget* widget) {
  focused_ = widget;
}

void SimWindow::Activate() {
  kit_.SetActiveWindow(this);
  if (focused_ && focused_->Showing()) return;
  std::vector<SimWidget*> stops;
  CollectTabStopsOfWindow(stops);
  const auto first =
      std::find_if(stops.begin(), stops.end(), [](SimWidget* w) { return w->Showing(); });
  focused_ = first == stops.end() ? nullptr : *first;
}

SimForm::SimForm(SimToolkit& kit) : SimTopLevel(kit) {}

Panel& SimForm::AddPanel(Dock dock, int height) {
  SimPanel& panel = Adopt(std::make_unique<SimPanel>(*this, dock, height));
  panels_.push_back(&panel);
  return panel;
}

ListView& SimForm::AddListView(const std::vector<ListColumn>& columns) {
  return Adopt(std::make_unique<SimListView>(*this, columns));
}

PopupMenu& SimForm::AddPopupMenu() {
  popups_.push_back(std::make_unique<SimPopupMenu>());
  return *popups_.back();
}

void SimForm::Show() {
  visible_ = true;
  Activate();
}

void SimForm::Hide() {
  visible_ = false;
  if (Active()) kit_.SetActiveWindow(nullptr);
}

void SimForm::BringToFront() {
  if (visible_) Activate();
}

void SimForm::Close() {
  if (OnCloseQuery) {
    auto query = OnCloseQuery;
    if (!query()) return;
  }
  closed_ = true;
  Hide();
  if (kit_.SimApp().MainForm() == this) kit_.SimApp().Terminate();
}

void SimForm::RequestClose() {
  kit_.UserAction([this] { Close(); });
}

bool SimForm::QueryEndSession() {
  bool may_end = false;
  kit_.UserAction([&] {
    auto query = OnQueryEndSession ? OnQueryEndSession : OnCloseQuery;
    may_end = !query || query();
  });
  return may_end;
}

void SimForm::SettingChange() {
  kit_.UserAction([this] { Raise(OnSettingChange); });
}

Rect SimForm::ClientRect() const {
  const int menu = menu_.Count() > 0 ? kMenuBar : 0;
  return {0, 0, std::max(0, bounds_.Width - 2 * kFrame),
          std::max(0, bounds_.Height - 2 * kFrame - kCaptionBar - menu)};
}

Rect SimForm::PanelBounds(const SimPanel& panel) const {
  const Rect client = ClientRect();
  int top = 0;
  int bottom = client.Height;
  for (const SimPanel* p : panels_) {
    if (p->Docked() == Dock::Top) {
      if (p == &panel) return {0, top, client.Width, p->Height()};
      top += p->Height();
    } else {
      bottom -= p->Height();
      if (p == &panel) return {0, bottom, client.Width, p->Height()};
    }
  }
  return {};
}

Rect SimForm::MiddleBounds() const {
  const Rect client = ClientRect();
  int top = 0;
  int bottom = 0;
  for (const SimPanel* p : panels_) (p->Docked() == Dock::Top ? top : bottom) += p->Height();
  return {0, top, client.Width, std::max(0, client.Height - top - bottom)};
}

SimDialog::SimDialog(SimToolkit& kit, SimForm& owner) : SimTopLevel(kit), owner_(owner) {}

ModalResult SimDialog::ShowModal() {
  const Application::ModalScope modal(kit_.App());
  SimWindow* previous = kit_.ActiveWindow();
  visible_ = true;
  focused_ = nullptr;
  Activate();
  const ModalResult result = kit_.NextDialogResult(*this);
  visible_ = false;
  kit_.SetActiveWindow(previous);
  return result;
}

std::vector<SimWidget*> SimDialog::Fields() const {
  std::vector<SimWidget*> stops;
  CollectChildTabStops(stops);
  std::vector<SimWidget*> fields;
  for (SimWidget* w : stops)
    if (dynamic_cast<SimEdit*>(w) || dynamic_cast<SimComboBox*>(w)) fields.push_back(w);
  return fields;
}

std::vector<std::string> SimDialog::FieldTexts() const {
  std::vector<std::string> texts;
  for (SimWidget* w : Fields()) {
    if (auto* edit = dynamic_cast<SimEdit*>(w))
      texts.push_back(edit->Text());
    else
      texts.push_back(dynamic_cast<SimComboBox*>(w)->Text());
  }
  return texts;
}

void SimDialog::SetFieldTexts(const std::vector<std::string>& texts) {
  const std::vector<SimWidget*> fields = Fields();
  for (std::size_t i = 0; i < texts.size() && i < fields.size(); ++i) {
    if (auto* edit = dynamic_cast<SimEdit*>(fields[i]))
      edit->SetText(texts[i]);
    else
      dynamic_cast<SimComboBox*>(fields[i])->SetText(texts[i]);
  }
}

SimToolWindow::SimToolWindow(SimToolkit& kit, SimForm& owner) : SimTopLevel(kit), owner_(owner) {}

void SimToolWindow::Show() {
  visible_ = true;
  Activate();
}

void SimToolWindow::Hide() {
  visible_ = false;
  if (Active()) kit_.SetActiveWindow(nullptr);
}

void SimToolWindow::RequestClose() {
  kit_.UserAction([this] {
    Hide();
    Raise(OnClose);
  });
}

std::string SimFileDialog::Execute() {
  const Application::ModalScope modal(kit_.App());
  return kit_.NextFile({kind_, initial_dir_, options_.Filter, options_.DefaultExt});
}

// ---- application and toolkit ----

SimApplication::SimApplication(SimToolkit& kit, std::string exe_path)
    : kit_(kit), exe_path_(std::move(exe_path)) {}

std::string SimApplication::Title() const {
  return ApplicationTitle(exe_path_);
}

void SimApplication::Run(Form& main_form) {
  main_form_ = &main_form;
  if (terminated_) return;
  running_ = true;
  if (show_main_form_) main_form.Show();
}

Answer SimApplication::ShowBox(BoxKind kind, const std::string& text, const std::string& caption) {
  const ModalScope modal(*this);
  kit_.RecordBox({kind, text, caption});
  return kind == BoxKind::Question ? kit_.NextAnswer() : Answer::Yes;
}

SimToolkit::SimToolkit(std::string exe_path) : app_(*this, std::move(exe_path)) {}

SimToolkit::~SimToolkit() = default;

std::unique_ptr<Form> SimToolkit::CreateForm() {
  return std::make_unique<SimForm>(*this);
}

std::unique_ptr<Dialog> SimToolkit::CreateModalDialog(Form& owner) {
  return std::make_unique<SimDialog>(*this, AsSim(owner));
}

std::unique_ptr<ToolWindow> SimToolkit::CreateToolWindow(Form& owner) {
  return std::make_unique<SimToolWindow>(*this, AsSim(owner));
}

std::unique_ptr<FileDialog> SimToolkit::CreateFileDialog(FileDialogKind kind,
                                                         const FileDialogOptions& options) {
  return std::make_unique<SimFileDialog>(*this, kind, options);
}

void SimToolkit::AnswerNextDialog(ModalResult result, std::vector<std::string> field_texts) {
  AnswerNextDialog([result, texts = std::move(field_texts)](SimDialog& dialog) {
    dialog.SetFieldTexts(texts);
    return result;
  });
}

void SimToolkit::Choose(MenuItem& item) {
  UserAction([&item] { item.Click(); });
}

void SimToolkit::Choose(MenuItems& menu, const std::vector<std::string>& path) {
  MenuItems* items = &menu;
  MenuItem* item = nullptr;
  for (const std::string& caption : path) {
    item = FindItem(*items, caption);
    if (!item) throw std::invalid_argument("no menu item " + caption);
    items = item;
  }
  if (!item) throw std::invalid_argument("empty menu path");
  Choose(*item);
}

void SimToolkit::Forget(SimWindow* window) {
  if (active_ == window) active_ = nullptr;
}

Answer SimToolkit::NextAnswer() {
  if (answers_.empty()) return Answer::Cancel;
  const auto answer = std::move(answers_.front());
  answers_.pop_front();
  return answer();
}

std::string SimToolkit::NextFile(const SimFileDialogShown& shown) {
  file_dialogs_.push_back(shown);
  if (files_.empty()) return {};
  std::string path = files_.front();
  files_.pop_front();
  return path;
}

ModalResult SimToolkit::NextDialogResult(SimDialog& dialog) {
  dialogs_.push_back({dialog.Caption(), dialog.Bounds(), dialog.FieldTexts()});
  if (dialog_answers_.empty()) return ModalResult::Cancel;
  auto answer = std::move(dialog_answers_.front());
  dialog_answers_.pop_front();
  return answer(dialog);
}

SimForm& AsSim(Form& form) {
  return dynamic_cast<SimForm&>(form);
}
SimDialog& AsSim(Dialog& dialog) {
  return dynamic_cast<SimDialog&>(dialog);
}
SimEdit& AsSim(Edit& edit) {
  return dynamic_cast<SimEdit&>(edit);
}
SimCheckBox& AsSim(CheckBox& box) {
  return dynamic_cast<SimCheckBox&>(box);
}
SimLabel& AsSim(Label& label) {
  return dynamic_cast<SimLabel&>(label);
}
SimComboBox& AsSim(ComboBox& box) {
  return dynamic_cast<SimComboBox&>(box);
}
SimListView& AsSim(ListView& view) {
  return dynamic_cast<SimListView&>(view);
}
SimPopupMenu& AsSim(PopupMenu& menu) {
  return dynamic_cast<SimPopupMenu&>(menu);
}
SimToolWindow& AsSim(ToolWindow& window) {
  return dynamic_cast<SimToolWindow&>(window);
}

}  // namespace vorn
