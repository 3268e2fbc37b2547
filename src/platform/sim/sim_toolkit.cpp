#include "platform/sim/sim_toolkit.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/dpi_scale.h"
#include "platform/raise.h"
#include "platform/sim/ansi_compare.h"
#include "platform/toolkit_rules.h"

namespace vorn {

namespace {

constexpr VirtualKey kBack = 8;
constexpr VirtualKey kTab = 9;
constexpr VirtualKey kReturn = 13;
constexpr VirtualKey kEscape = 27;
constexpr VirtualKey kSpace = 32;
constexpr VirtualKey kPageUp = 33;
constexpr VirtualKey kPageDown = 34;
constexpr VirtualKey kEnd = 35;
constexpr VirtualKey kHome = 36;
constexpr VirtualKey kUp = 38;
constexpr VirtualKey kDown = 40;
constexpr VirtualKey kDelete = 46;
constexpr VirtualKey kNumpad0 = 0x60;
constexpr VirtualKey kMultiply = 0x6A;
constexpr VirtualKey kAdd = 0x6B;
constexpr VirtualKey kSubtract = 0x6D;
constexpr VirtualKey kDecimal = 0x6E;
constexpr VirtualKey kDivide = 0x6F;

// Punctuation keys of a US keyboard: the key, its character and its shifted one.
struct PunctuationKey {
  VirtualKey key;
  char plain;
  char shifted;
};
constexpr PunctuationKey kPunctuation[] = {
    {0xBA, ';', ':'},  {0xBB, '=', '+'}, {0xBC, ',', '<'},  {0xBD, '-', '_'},
    {0xBE, '.', '>'},  {0xBF, '/', '?'}, {0xC0, '`', '~'},  {0xDB, '[', '{'},
    {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '\'', '"'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

Point Offset(Point origin, const Rect& r) {
  return {origin.X + r.Left, origin.Y + r.Top};
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

int SimWidget::WindowDpi() const {
  return OwnerWindow().WindowDpi();
}

Rect SimWidget::PixelBounds() const {
  return ScaleDpi(bounds_, kDesignDpi, WindowDpi());
}

Rect SimWidget::ScreenBounds() const {
  const Rect pixels = PixelBounds();
  const Point at = Offset(parent_.ClientOrigin(), pixels);
  return {at.X, at.Y, pixels.Width, pixels.Height};
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

bool SimTextField::SetText(const std::string& text) {
  const bool changed = text != text_;
  text_ = text;
  sel_start_ = 0;
  sel_length_ = 0;
  return changed;
}

void SimTextField::SelectAll() {
  sel_start_ = 0;
  sel_length_ = text_.size();
}

bool SimTextField::Type(char key) {
  if (key == '\b') {
    if (sel_length_ == 0 && sel_start_ > 0) {
      --sel_start_;
      sel_length_ = 1;
    }
    const bool erases = sel_length_ > 0;
    text_.erase(sel_start_, sel_length_);
    sel_length_ = 0;
    return erases;
  }
  // Other control characters (Enter, Esc, Tab, the clipboard keys) change nothing here.
  if (static_cast<unsigned char>(key) < 32) return false;
  text_.replace(sel_start_, sel_length_, 1, key);
  ++sel_start_;
  sel_length_ = 0;
  return true;
}

bool SimTextField::DeleteKey() {
  if (sel_length_ == 0 && sel_start_ < text_.size()) sel_length_ = 1;
  const bool erases = sel_length_ > 0;
  text_.erase(sel_start_, sel_length_);
  sel_length_ = 0;
  return erases;
}

void SimEdit::SetText(const std::string& text) {
  field_.SetText(text);
  // The system's edit reports every setting of its text, even to the same.
  Changed();
}

void SimEdit::Changed() {
  Raise(Kit().App(), OnChange);
}

void SimEdit::Type(char key) {
  ShiftState shift;
  const VirtualKey pressed = SimToolkit::KeyOf(key, shift);
  if (pressed != 0) {
    Kit().Keystroke(pressed, shift, this, key);
    return;
  }
  // A character no key types arrives alone.
  Kit().UserAction([this, key] { Kit().Post([this, key] { Character(key); }); });
}

void SimEdit::Type(const std::string& keys) {
  for (char key : keys) Type(key);
}

bool SimEdit::PressKey(VirtualKey key, ShiftState shift) {
  return Kit().Keystroke(key, shift, this);
}

void SimEdit::DoubleClick() {
  Kit().UserAction([this] {
    TakeFocus();
    Raise(Kit().App(), OnDblClick);
  });
}

bool SimEdit::KeyPressed(VirtualKey key, ShiftState shift) {
  VirtualKey pressed = key;
  // A failed handler drops the key, as a consumed one. Only a consumed key is
  // kept from the edit: a handler's other value is not a key the user pressed.
  if (!Raise(Kit().App(), OnKeyDown, pressed, shift) || pressed == 0) return true;
  if (key == kDelete && !read_only_ && field_.DeleteKey()) Changed();
  return false;
}

void SimEdit::Character(char key) {
  char typed = key;
  // A failed handler drops the character, as a discarded one.
  if (!Raise(Kit().App(), OnKeyPress, typed) || typed == '\0' || read_only_) return;
  if (field_.Type(typed)) Changed();
}

void SimCheckBox::Click() {
  Kit().UserAction([this] {
    TakeFocus();
    checked_ = !checked_;
    Raise(Kit().App(), OnClick);
  });
}

bool SimComboBox::KeyPressed(VirtualKey key, ShiftState) {
  if (key == kDelete) field_.DeleteKey();
  return false;
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

void SimMenuItem::AddSeparator() {
  if (!submenu_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  separators_.push_back(items_.size());
}

std::vector<std::string> SimMenuItem::Layout() const {
  std::vector<std::string> layout;
  auto separator = separators_.begin();
  for (std::size_t i = 0; i <= items_.size(); ++i) {
    for (; separator != separators_.end() && *separator == i; ++separator) layout.push_back("-");
    if (i < items_.size()) layout.push_back(items_[i]->Caption());
  }
  return layout;
}

void SimMenuItem::Click() {
  if (!OnClick) return;
  const auto handler = OnClick;
  handler();
}

MenuItem& SimMenu::Add(const std::string& caption, std::function<void()> on_click) {
  return root_.Add(caption, std::move(on_click));
}

MenuItem& SimMenu::AddSubmenu(const std::string& caption) {
  return root_.AddSubmenu(caption);
}

void SimPopupMenu::Popup(Point at) {
  // The menu's own loop handles what was posted before it.
  kit_.HandlePosted();
  positions_.push_back(at);
  kit_.NotePopup(at);
  std::optional<std::string> caption;
  if (!choices_.empty()) {
    caption = choices_.front();
    choices_.pop_front();
  } else {
    caption = kit_.NextPopupChoice();
  }
  if (!caption || caption->empty()) return;
  MenuItem* item = FindItem(items_, *caption);
  if (!item) throw std::invalid_argument("no popup menu item " + *caption);
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
  caret_ = rows_.Selected();
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

Rect SimListView::PixelBounds() const {
  return dynamic_cast<SimForm&>(OwnerWindow()).MiddlePixels();
}

Rect SimListView::Bounds() const {
  return ScaleDpi(PixelBounds(), WindowDpi(), kDesignDpi);
}

void SimListView::Changed() {
  if (rows_.Selected())
    caret_ = rows_.Selected();
  else if (caret_ && *caret_ >= rows_.Count())
    caret_.reset();
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
    Raise(Kit().App(), OnClick);
  });
}

void SimListView::ClickEmpty() {
  Kit().UserAction([this] {
    TakeFocus();
    rows_.Select(std::nullopt);
    Changed();
    Raise(Kit().App(), OnClick);
  });
}

void SimListView::PressKey(VirtualKey key, ShiftState shift) {
  Kit().Keystroke(key, shift, this);
}

void SimListView::KeyUp(VirtualKey key) {
  Kit().UserAction([this, key] { KeyReleased(key); });
}

bool SimListView::KeyPressed(VirtualKey key, ShiftState) {
  Raise(Kit().App(), OnKeyDown, key);
  const std::size_t count = Count();
  if (count == 0) return false;
  const std::optional<std::size_t> current = caret_;
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
  if (next != Selected()) {
    Select(next);
    ScrollIntoView(*next);
  }
  return false;
}

void SimListView::KeyReleased(VirtualKey key) {
  Raise(Kit().App(), OnKeyUp, key);
}

void SimListView::RightClick(Point at) {
  Kit().UserAction([this, at] {
    if (popup_) popup_->Popup(at);
  });
}

// ---- panels and windows ----

SimPanel::SimPanel(SimForm& form, Dock dock, int height)
    : SimWidget(form, {}), form_(form), dock_(dock), height_(height) {}

Rect SimPanel::PixelBounds() const {
  return form_.PanelPixels(*this);
}

Rect SimPanel::Bounds() const {
  return ScaleDpi(PixelBounds(), WindowDpi(), kDesignDpi);
}

Point SimPanel::ClientOrigin() const {
  return Offset(form_.ClientOrigin(), PixelBounds());
}

SimWindow::SimWindow(SimToolkit& kit) : kit_(kit), dpi_(kit.Dpi()), handle_(kit.NewHandle()) {
  kit_.Remember(this);
}

SimWindow::~SimWindow() {
  kit_.Forget(this);
}

bool SimWindow::Active() const {
  return kit_.ActiveWindow() == this;
}

int SimWindow::Frame(int dpi) const {
  return ScaleDpi(kFrame, kDesignDpi, dpi);
}

int SimWindow::CaptionAndMenu(int dpi) const {
  return ScaleDpi(kCaptionBar, kDesignDpi, dpi) +
         (HasMenuBar() ? ScaleDpi(kMenuBar, kDesignDpi, dpi) : 0);
}

Rect SimWindow::ClientPixels() const {
  return {0, 0, std::max(0, bounds_.Width - 2 * Frame(dpi_)),
          std::max(0, bounds_.Height - 2 * Frame(dpi_) - CaptionAndMenu(dpi_))};
}

Point SimWindow::ClientOrigin() const {
  return {bounds_.Left + Frame(dpi_), bounds_.Top + Frame(dpi_) + CaptionAndMenu(dpi_)};
}

Rect SimWindow::DesignedAt(const Rect& designed, int dpi) const {
  const Rect client = ScaleDpi(Rect{designed.Left, designed.Top, designed.Width - 2 * kFrame,
                                    designed.Height - 2 * kFrame - CaptionAndMenu(kDesignDpi)},
                               kDesignDpi, dpi);
  return {client.Left, client.Top, client.Width + 2 * Frame(dpi),
          client.Height + 2 * Frame(dpi) + CaptionAndMenu(dpi)};
}

Rect SimWindow::SuggestedAt(int dpi) const {
  const Rect client = ClientPixels();
  return {bounds_.Left, bounds_.Top, ScaleDpi(client.Width, dpi_, dpi) + 2 * Frame(dpi),
          ScaleDpi(client.Height, dpi_, dpi) + 2 * Frame(dpi) + CaptionAndMenu(dpi)};
}

void SimWindow::MoveToDpi(int dpi, const Rect& suggested) {
  dpi_ = dpi;
  bounds_ = suggested;
}

void SimWindow::Focus(SimWidget* widget) {
  focused_ = widget;
}

std::vector<SimWidget*> SimWindow::ShownTabStops() {
  std::vector<SimWidget*> stops;
  CollectTabStopsOfWindow(stops);
  std::erase_if(stops, [](SimWidget* w) { return !w->Showing(); });
  return stops;
}

void SimWindow::Activate() {
  kit_.SetActiveWindow(this);
  if (focused_ && focused_->Showing()) return;
  const std::vector<SimWidget*> stops = ShownTabStops();
  focused_ = stops.empty() ? nullptr : stops.front();
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

std::vector<SimPopupMenu*> SimForm::PopupMenus() const {
  std::vector<SimPopupMenu*> menus;
  for (const auto& menu : popups_) menus.push_back(menu.get());
  return menus;
}

PopupMenu& SimForm::AddPopupMenu() {
  popups_.push_back(std::make_unique<SimPopupMenu>(kit_));
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
  kit_.UserAction([this] { Raise(kit_.App(), OnSettingChange); });
}

bool SimForm::PreviewKey(VirtualKey key, ShiftState shift) {
  VirtualKey pressed = key;
  return !Raise(kit_.App(), OnKeyDown, pressed, shift) || pressed == 0;
}

Rect SimForm::PanelPixels(const SimPanel& panel) const {
  const Rect client = ClientPixels();
  int top = 0;
  int bottom = client.Height;
  for (const SimPanel* p : panels_) {
    const int height = ScaleDpi(p->Height(), kDesignDpi, dpi_);
    if (p->Docked() == Dock::Top) {
      if (p == &panel) return {0, top, client.Width, height};
      top += height;
    } else {
      bottom -= height;
      if (p == &panel) return {0, bottom, client.Width, height};
    }
  }
  return {};
}

Rect SimForm::MiddlePixels() const {
  const Rect client = ClientPixels();
  int top = 0;
  int bottom = 0;
  for (const SimPanel* p : panels_)
    (p->Docked() == Dock::Top ? top : bottom) += ScaleDpi(p->Height(), kDesignDpi, dpi_);
  return {0, top, client.Width, std::max(0, client.Height - top - bottom)};
}

SimDialog::SimDialog(SimToolkit& kit, SimForm& owner) : SimTopLevel(kit), owner_(owner) {}

ModalResult SimDialog::ShowModal() {
  const Application::ModalScope modal(kit_.App());
  SimWindow* previous = kit_.ActiveWindow();
  visible_ = true;
  result_ = ModalResult::None;
  focused_ = nullptr;
  Activate();
  // As the system's dialogs do, the first field comes with its text selected.
  if (focused_) focused_->TabbedInto();
  kit_.HandlePosted();
  const ModalResult result = kit_.NextDialogResult(*this);
  visible_ = false;
  kit_.SetActiveWindow(previous);
  return result;
}

bool SimDialog::WindowKey(VirtualKey key, ShiftState shift) {
  if (key == kTab) {
    const std::vector<SimWidget*> stops = ShownTabStops();
    if (stops.empty()) return true;
    auto at = std::find(stops.begin(), stops.end(), focused_);
    std::size_t index = at == stops.end() ? 0 : static_cast<std::size_t>(at - stops.begin());
    index = shift.Shift ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
    focused_ = stops[index];
    focused_->TabbedInto();
    return true;
  }
  if (key == kReturn) {
    // A focused button answers for itself; otherwise Enter means OK.
    const ModalResult own = focused_ ? focused_->ButtonResult() : ModalResult::None;
    result_ = own != ModalResult::None ? own : ModalResult::Ok;
    return true;
  }
  if (key == kEscape) {
    result_ = ModalResult::Cancel;
    return true;
  }
  return false;
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
  // It always starts on its first control.
  focused_ = nullptr;
  Activate();
}

void SimToolWindow::Hide() {
  visible_ = false;
  if (Active()) kit_.SetActiveWindow(nullptr);
}

void SimToolWindow::RequestClose() {
  kit_.UserAction([this] {
    Hide();
    Raise(kit_.App(), OnClose);
  });
}

std::string SimFileDialog::Execute() {
  const Application::ModalScope modal(kit_.App());
  kit_.HandlePosted();
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
  kit_.HandlePosted();
  const SimBox box{kind, text, caption};
  kit_.RecordBox(box);
  return kit_.NextAnswer(box);
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

std::optional<std::string> SimToolkit::NextPopupChoice() {
  if (popup_choices_.empty()) return std::nullopt;
  std::string caption = popup_choices_.front();
  popup_choices_.pop_front();
  return caption;
}

VirtualKey SimToolkit::KeyOf(char c, ShiftState& shift) {
  shift = {};
  if (c >= '0' && c <= '9') return static_cast<VirtualKey>(c);
  if (c >= 'a' && c <= 'z') return static_cast<VirtualKey>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') {
    shift.Shift = true;
    return static_cast<VirtualKey>(c);
  }
  switch (c) {
    case ' ':
      return kSpace;
    case '\r':
      return kReturn;
    case '\b':
      return kBack;
    case '\t':
      return kTab;
    case '\x1b':
      return kEscape;
    default:
      break;
  }
  for (const PunctuationKey& p : kPunctuation) {
    if (c == p.plain) return p.key;
    if (c == p.shifted) {
      shift.Shift = true;
      return p.key;
    }
  }
  for (int digit = 0; digit < 10; ++digit) {
    if (c == kShiftedDigits[digit]) {
      shift.Shift = true;
      return static_cast<VirtualKey>('0' + digit);
    }
  }
  return 0;
}

std::optional<char> SimToolkit::CharacterOf(VirtualKey key, ShiftState shift) {
  if (shift.Alt) return std::nullopt;
  if (key >= 'A' && key <= 'Z') {
    if (shift.Ctrl) return static_cast<char>(key - 'A' + 1);
    return static_cast<char>(shift.Shift ? key : key - 'A' + 'a');
  }
  if (shift.Ctrl) return std::nullopt;
  if (key >= '0' && key <= '9')
    return shift.Shift ? kShiftedDigits[key - '0'] : static_cast<char>(key);
  if (key >= kNumpad0 && key <= kNumpad0 + 9) return static_cast<char>('0' + key - kNumpad0);
  switch (key) {
    case kSpace:
      return ' ';
    case kReturn:
      return '\r';
    case kBack:
      return '\b';
    case kTab:
      return '\t';
    case kEscape:
      return '\x1b';
    case kMultiply:
      return '*';
    case kAdd:
      return '+';
    case kSubtract:
      return '-';
    case kDecimal:
      return '.';
    case kDivide:
      return '/';
    default:
      break;
  }
  for (const PunctuationKey& p : kPunctuation)
    if (key == p.key) return shift.Shift ? p.shifted : p.plain;
  return std::nullopt;
}

bool SimToolkit::Keystroke(VirtualKey key, ShiftState shift, SimWidget* target,
                           std::optional<char> typed) {
  bool consumed = false;
  UserAction([&] {
    SimWidget* to = target;
    if (!to && active_ && active_->FocusedWidget() && active_->FocusedWidget()->Showing())
      to = active_->FocusedWidget();
    SimWindow* window = to ? &to->OwnerWindow() : active_;
    if (!window) return;
    if (window->WindowKey(key, shift)) {
      consumed = true;
    } else if (window->PreviewKey(key, shift)) {
      // Taken before translation: no character follows.
      consumed = true;
    } else if (to) {
      // Translated before the control sees the key, the character is on its
      // way whatever the control's handler does with the key.
      if (const std::optional<char> c = typed ? typed : CharacterOf(key, shift))
        Post([to, c] { to->Character(*c); });
      consumed = to->KeyPressed(key, shift);
    }
    // The release goes to the control that has the focus by then.
    Post([window, target, key] {
      SimWidget* up = target ? target : window->FocusedWidget();
      if (up && up->Showing()) up->KeyReleased(key);
    });
  });
  return consumed;
}

void SimToolkit::UserAction(const std::function<void()>& action) {
  app_.Guard(action);
  HandlePosted();
}

void SimToolkit::HandlePosted() {
  while (!posted_.empty()) {
    const std::function<void()> message = std::move(posted_.front());
    posted_.pop_front();
    app_.Guard(message);
  }
}

void SimToolkit::Forget(SimWindow* window) {
  if (active_ == window) active_ = nullptr;
  std::erase(windows_, window);
}

Answer SimToolkit::NextAnswer(const SimBox& box) {
  if (box_answerer_) return box_answerer_(box);
  if (box.Kind != BoxKind::Question) return Answer::Yes;
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
SimWindow& AsSimWindow(Window& window) {
  return dynamic_cast<SimWindow&>(window);
}

}  // namespace vorn
