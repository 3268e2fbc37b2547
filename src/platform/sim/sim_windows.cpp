#include "platform/sim/sim_windows.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/dpi_scale.h"
#include "platform/raise.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_list_view.h"
#include "platform/sim/sim_toolkit.h"
#include "platform/toolkit_rules.h"

namespace vorn {

using namespace sim_keys;

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
  MenuItem* item = FindItem(*this, *caption);
  if (!item) throw std::invalid_argument("no popup menu item " + *caption);
  item->Click();
}

SimPanel::SimPanel(SimForm& form, Dock dock, int height)
    : SimWidget(form, {}), form_(form), dock_(dock), height_(height) {}

Rect SimPanel::PixelBounds() const {
  return form_.PanelPixels(*this);
}

Rect SimPanel::Bounds() const {
  return ScaleDpi(PixelBounds(), WindowDpi(), kDesignDpi);
}

Point SimPanel::ClientOrigin() const {
  const Rect screen = ScreenBounds();
  return {screen.Left, screen.Top};
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

FrameSize SimWindow::FrameAt(int dpi) const {
  return {2 * Frame(dpi), 2 * Frame(dpi) + CaptionAndMenu(dpi)};
}

Rect SimWindow::ClientPixels() const {
  const FrameSize frame = FrameAt(dpi_);
  return {0, 0, std::max(0, bounds_.Width - frame.Width),
          std::max(0, bounds_.Height - frame.Height)};
}

Point SimWindow::ClientOrigin() const {
  return {bounds_.Left + Frame(dpi_), bounds_.Top + Frame(dpi_) + CaptionAndMenu(dpi_)};
}

Rect SimWindow::DesignedAt(const Rect& designed, int dpi) const {
  return DesignedBoundsAt(designed, FrameAt(kDesignDpi), FrameAt(dpi), dpi);
}

Rect SimWindow::SuggestedAt(int dpi) const {
  const Rect client = ClientPixels();
  const FrameSize frame = FrameAt(dpi);
  return {bounds_.Left, bounds_.Top, ScaleDpi(client.Width, dpi_, dpi) + frame.Width,
          ScaleDpi(client.Height, dpi_, dpi) + frame.Height};
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

void SimWindow::ShowActive() {
  visible_ = true;
  Activate();
}

void SimWindow::HideInactive() {
  visible_ = false;
  if (Active()) kit_.SetActiveWindow(nullptr);
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
  ShowActive();
}

void SimForm::Hide() {
  HideInactive();
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

DockedLayout SimForm::Docking() const {
  const Rect client = ClientPixels();
  std::vector<DockedPanel> docked;
  for (const SimPanel* p : panels_)
    docked.push_back({p->Docked(), ScaleDpi(p->Height(), kDesignDpi, dpi_)});
  return DockPanels(client.Width, client.Height, docked);
}

Rect SimForm::PanelPixels(const SimPanel& panel) const {
  const auto at = std::find(panels_.begin(), panels_.end(), &panel);
  if (at == panels_.end()) return {};
  return Docking().Panels[static_cast<std::size_t>(at - panels_.begin())];
}

Rect SimForm::MiddlePixels() const {
  return Docking().Middle;
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
  // It always starts on its first control.
  focused_ = nullptr;
  ShowActive();
}

void SimToolWindow::Hide() {
  HideInactive();
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

}  // namespace vorn
