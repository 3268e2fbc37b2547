#pragma once

// The windows in memory: menus, panels, forms, modal dialogs, the tool window
// and the file dialogs.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dpi_scale.h"
#include "platform/sim/sim_controls.h"
#include "platform/toolkit.h"
#include "platform/toolkit_rules.h"

namespace vorn {

class SimMenuItem : public MenuItem {
 public:
  explicit SimMenuItem(std::string caption, bool submenu = false)
      : caption_(std::move(caption)), submenu_(submenu) {}
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override;
  MenuItem& AddSubmenu(const std::string& caption) override;
  void AddSeparator() override;
  std::size_t Count() const override { return items_.size(); }
  MenuItem& Item(std::size_t index) override { return *items_.at(index); }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Default() const override { return default_; }
  void SetDefault(bool is_default) override { default_ = is_default; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void Click() override;
  // The captions in menu order, a separator as "-".
  std::vector<std::string> Layout() const;

 private:
  std::string caption_;
  bool submenu_;
  // For each separator, how many items stand before it.
  std::vector<std::size_t> separators_;
  bool default_ = false;
  bool checked_ = false;
  std::vector<std::unique_ptr<SimMenuItem>> items_;
};

// The items of a menu bar or of a popup menu.
template <class Base>
class SimMenuOf : public Base {
 public:
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override {
    return root_.Add(caption, std::move(on_click));
  }
  MenuItem& AddSubmenu(const std::string& caption) override { return root_.AddSubmenu(caption); }
  void AddSeparator() override { root_.AddSeparator(); }
  std::size_t Count() const override { return root_.Count(); }
  MenuItem& Item(std::size_t index) override { return root_.Item(index); }
  std::vector<std::string> Layout() const { return root_.Layout(); }

 private:
  SimMenuItem root_{"", true};
};

using SimMenu = SimMenuOf<MenuItems>;

class SimPopupMenu : public SimMenuOf<PopupMenu> {
 public:
  explicit SimPopupMenu(SimToolkit& kit) : kit_(kit) {}
  // Records the position; clicks the item queued for this menu, or else for
  // the next popup menu (SimToolkit::ChooseInNextPopup), if any.
  void Popup(Point at) override;

  // The user will choose the item with this caption when the menu next pops up.
  void ChooseOnNextPopup(const std::string& caption) { choices_.push_back(caption); }
  const std::vector<Point>& PopupPositions() const { return positions_; }

 private:
  SimToolkit& kit_;
  std::deque<std::string> choices_;
  std::vector<Point> positions_;
};

class SimForm;

class SimPanel : public SimContainer<Panel>, public SimWidget, public SimParent {
 public:
  SimPanel(SimForm& form, Dock dock, int height);
  Rect Bounds() const override;
  Rect PixelBounds() const override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int Height() const override { return height_; }
  Dock Docked() const { return dock_; }

  SimWindow& HostWindow() override { return OwnerWindow(); }
  bool HostShowing() const override { return Showing(); }
  Point ClientOrigin() const override;
  void CollectTabStops(std::vector<SimWidget*>& out) override { CollectChildTabStops(out); }

 private:
  SimParent& AsParent() override { return *this; }
  SimForm& form_;
  Dock dock_;
  int height_;
};

// What forms and dialogs share: caption, bounds, DPI, visibility and the focus.
class SimWindow : public SimParent {
 public:
  // The frame the sim pretends the system draws around the client area, in
  // pixels at 96 DPI; at another DPI they scale.
  static constexpr int kFrame = 4;
  static constexpr int kCaptionBar = 19;
  static constexpr int kMenuBar = 19;

  explicit SimWindow(SimToolkit& kit);
  ~SimWindow() override;

  SimToolkit& Kit() const { return kit_; }
  SimWindow& HostWindow() override { return *this; }
  bool HostShowing() const override { return visible_; }
  Point ClientOrigin() const override;
  bool Active() const;
  SimWidget* FocusedWidget() const { return focused_; }
  int WindowDpi() const { return dpi_; }

  // Called by widgets.
  void Focus(SimWidget* widget);

  // The client area in the window's own pixels.
  Rect ClientPixels() const;
  // Window bounds whose client area is the designed one's, scaled to `dpi`,
  // inside the frame at that DPI.
  Rect DesignedAt(const Rect& designed, int dpi) const;
  // The system moved the window to a screen of another DPI, suggesting bounds.
  void MoveToDpi(int dpi, const Rect& suggested);
  // The bounds the system suggests for a move to `dpi`: the same top left
  // corner, the client area scaled, the frame at the new DPI.
  Rect SuggestedAt(int dpi) const;

  // A key for this window (its focused widget, or the dialog itself); true
  // when the window took it, so that the control does not see it.
  virtual bool WindowKey(VirtualKey /*key*/, ShiftState /*shift*/) { return false; }
  // The form's look at a key before its control gets it; true when consumed.
  virtual bool PreviewKey(VirtualKey /*key*/, ShiftState /*shift*/) { return false; }

 protected:
  // Activates the window and gives the focus back to the control that had it,
  // or to the first one in tab order.
  void Activate();
  void ShowActive();
  // Hidden, it is no longer the active window.
  void HideInactive();
  std::vector<SimWidget*> ShownTabStops();
  virtual void CollectTabStopsOfWindow(std::vector<SimWidget*>& out) = 0;
  virtual bool HasMenuBar() const { return false; }
  int Frame(int dpi) const;
  // The caption bar and the menu bar, if any, above the client area.
  int CaptionAndMenu(int dpi) const;
  // All the frame adds to the client area at `dpi`.
  FrameSize FrameAt(int dpi) const;

  SimToolkit& kit_;
  std::string caption_;
  Rect bounds_;
  int dpi_;
  bool visible_ = false;
  WindowHandle handle_;
  SimWidget* focused_ = nullptr;
};

// Caption, bounds and visibility of a window in memory.
template <class Base>
class SimTopLevel : public SimContainer<Base>, public SimWindow {
 public:
  explicit SimTopLevel(SimToolkit& kit) : SimWindow(kit) {}

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  Rect Bounds() const override { return bounds_; }
  void SetBounds(const Rect& bounds) override { bounds_ = bounds; }
  void SetDesignedBounds(const Rect& bounds) override { bounds_ = DesignedAt(bounds, dpi_); }
  int Dpi() const override { return dpi_; }
  bool Visible() const override { return visible_; }
  WindowHandle Handle() const override { return handle_; }

 private:
  SimParent& AsParent() override { return *this; }
  void CollectTabStopsOfWindow(std::vector<SimWidget*>& out) override {
    this->CollectChildTabStops(out);
  }
};

class SimForm : public SimTopLevel<Form> {
 public:
  explicit SimForm(SimToolkit& kit);

  Panel& AddPanel(Dock dock, int height) override;
  ListView& AddListView(const std::vector<ListColumn>& columns) override;
  MenuItems& Menu() override { return menu_; }
  PopupMenu& AddPopupMenu() override;

  void Show() override;
  void Hide() override;
  void BringToFront() override;
  bool IsActiveWindow() const override { return Active(); }
  void Close() override;

  // The system asks the form to close (its close message), as the Close commands do.
  void RequestClose();
  // The session is ending: the form's answer, false when it objects or fails.
  bool QueryEndSession();
  // The system announces changed settings.
  void SettingChange();
  bool Closed() const { return closed_; }

  bool PreviewKey(VirtualKey key, ShiftState shift) override;

  // The popup menus, in the order they were added.
  std::vector<SimPopupMenu*> PopupMenus() const;

  // In the form's client area, in its pixels.
  Rect PanelPixels(const SimPanel& panel) const;
  // The space between the panels.
  Rect MiddlePixels() const;

 private:
  bool HasMenuBar() const override { return menu_.Count() > 0; }
  DockedLayout Docking() const;

  std::vector<SimPanel*> panels_;
  SimMenu menu_;
  std::vector<std::unique_ptr<SimPopupMenu>> popups_;
  bool closed_ = false;
};

class SimDialog : public SimTopLevel<Dialog> {
 public:
  SimDialog(SimToolkit& kit, SimForm& owner);

  // Shown and active while the test's queued answer runs.
  ModalResult ShowModal() override;

  // The edits' and combo boxes' texts, in tab order.
  std::vector<std::string> FieldTexts() const;
  void SetFieldTexts(const std::vector<std::string>& texts);
  // The user clicks its close button.
  void RequestClose() { result_ = ModalResult::Cancel; }
  // What the user's input has decided so far; None while it is open.
  ModalResult Result() const { return result_; }

  // Tab, Enter and Esc are the dialog's.
  bool WindowKey(VirtualKey key, ShiftState shift) override;

 private:
  std::vector<SimWidget*> Fields() const;

  SimForm& owner_;
  ModalResult result_ = ModalResult::None;
};

class SimToolWindow : public SimTopLevel<ToolWindow> {
 public:
  SimToolWindow(SimToolkit& kit, SimForm& owner);

  void Show() override;
  void Hide() override;

  // The user clicks its close button.
  void RequestClose();
  SimForm& Owner() const { return owner_; }

 private:
  SimForm& owner_;
};

class SimFileDialog : public FileDialog {
 public:
  SimFileDialog(SimToolkit& kit, FileDialogKind kind, const FileDialogOptions& options)
      : FileDialog(kind, options), kit_(kit) {}
  std::string Execute() override;

 private:
  SimToolkit& kit_;
};

}  // namespace vorn
