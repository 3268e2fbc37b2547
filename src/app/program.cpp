#include "app/program.h"

#include "components/hot_key_manager.h"

namespace vorn {

namespace {
constexpr const char* kMutexName = "OnlyOnce";
}  // namespace

bool Program::Run() {
  KeyTextStartUp(services_.layouts);
  key_text_ = true;

  Application& app = services_.form.toolkit.App();
  if (!services_.instance.Create(kMutexName)) {
    app.ShowSystemWarning("Vorn is already running.", "Perseus-Vorn");
    return false;
  }

  form1_ = std::make_unique<TForm1>(services_.form);
  list_input_ = std::make_unique<TListInput>(services_.form.toolkit, form1_->Window());
  form1_->SetListInput(list_input_.get());
  app.Run(form1_->Window());
  return true;
}

Program::~Program() {
  list_input_.reset();
  form1_.reset();
  if (key_text_) KeyTextEnd();
}

}  // namespace vorn
