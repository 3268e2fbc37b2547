#include "app/program.h"

#include "app/settings.h"
#include "components/hot_key_manager.h"
#include "platform/start_trace.h"

namespace vorn {

namespace {
constexpr const char* kMutexName = "OnlyOnce";
}  // namespace

bool Program::Run() {
  KeyTextStartUp(services_.layouts);
  key_text_ = true;
  StartTrace("key text");

  Application& app = services_.form.toolkit.App();
  if (!services_.instance.Create(kMutexName)) {
    app.ShowSystemWarning("Vorn is already running.", "Perseus-Vorn");
    return false;
  }
  StartTrace("mutex");

  form1_ = std::make_unique<TForm1>(services_.form);
  list_input_ = std::make_unique<TListInput>(services_.form.toolkit, form1_->Window());
  form1_->SetListInput(list_input_.get());
  StartTrace("entry dialog");
  if (!app.Terminated()) StartRemoteControl();
  app.Run(form1_->Window());
  return true;
}

void Program::StartRemoteControl() {
  const RemoteSettings settings = ReadRemoteSettings(services_.profile, form1_->StartDir());
  remote_ = std::make_unique<EndpointSwitch>(services_.form.hotkeys.windows, services_.sockets,
                                             form1_->Receiver(), settings);
  form1_->AttachRemote(*remote_, settings.Enabled);
}

Program::~Program() {
  // Clients go before the window whose receiver link they tune through.
  remote_.reset();
  list_input_.reset();
  form1_.reset();
  if (key_text_) KeyTextEnd();
}

}  // namespace vorn
