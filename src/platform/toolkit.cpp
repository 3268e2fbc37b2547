#include "platform/toolkit.h"

#include "platform/toolkit_rules.h"

namespace vorn {

void Application::ShowMessage(const std::string& text) {
  ShowBox(BoxKind::Message, text, Title());
}

Answer Application::Ask(const std::string& text) {
  return ShowBox(BoxKind::Question, text, kQuestionCaption);
}

void Application::ShowError(const std::string& text) {
  ShowBox(BoxKind::Error, ErrorBoxText(text), Title());
}

void Application::ShowSystemWarning(const std::string& text, const std::string& caption) {
  ShowBox(BoxKind::SystemWarning, text, caption);
}

void Application::HandleException(const std::exception& error) {
  ShowError(error.what());
}

void Application::Guard(const std::function<void()>& handler) noexcept {
  try {
    if (handler) handler();
  } catch (const std::exception& error) {
    try {
      HandleException(error);
    } catch (...) {
      // Nothing sensible is left to do when even the error box fails.
    }
  } catch (...) {
    try {
      ShowError("Unknown error");
    } catch (...) {
    }
  }
}

MenuItem* FindItem(MenuItems& menu, const std::string& caption) {
  for (std::size_t i = 0; i < menu.Count(); ++i)
    if (menu.Item(i).Caption() == caption) return &menu.Item(i);
  return nullptr;
}

}  // namespace vorn
