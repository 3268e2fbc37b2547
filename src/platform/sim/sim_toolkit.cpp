#include "platform/sim/sim_toolkit.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/raise.h"
#include "platform/toolkit_rules.h"

namespace vorn {

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

SimBoxIcon IconOf(BoxKind kind) {
  switch (kind) {
    case BoxKind::Question:
      return SimBoxIcon::Information;
    case BoxKind::Error:
      return SimBoxIcon::Stop;
    case BoxKind::SystemWarning:
      return SimBoxIcon::Exclamation;
    default:
      return SimBoxIcon::None;
  }
}

std::vector<std::string> ButtonsOf(BoxKind kind) {
  if (kind == BoxKind::Question) return {kYesButton, kNoButton, kCancelButton};
  return {kOkButton};
}

Answer AnswerOfButton(BoxKind kind, const std::string& button) {
  const std::vector<std::string> buttons = ButtonsOf(kind);
  const auto at = std::find(buttons.begin(), buttons.end(), button);
  if (at == buttons.end()) throw std::invalid_argument("the box has no button " + button);
  if (kind != BoxKind::Question) return Answer::Yes;
  constexpr Answer kInOrder[] = {Answer::Yes, Answer::No, Answer::Cancel};
  return kInOrder[at - buttons.begin()];
}

Answer AnswerOfKey(BoxKind kind, VirtualKey key) {
  if (key == sim_keys::kReturn || kind != BoxKind::Question) return Answer::Yes;
  return Answer::Cancel;
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

}  // namespace vorn
