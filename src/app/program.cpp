#include "app/program.h"

#include "app/settings.h"
#include "components/hot_key_manager.h"
#include "platform/start_trace.h"

namespace vorn {

namespace {
constexpr const char* kMutexName = "OnlyOnce";
}  // namespace

bool Program::Run() {
  key_text_ = std::make_unique<KeyTextLayout>(services_.Layouts);
  StartTrace("key text");

  Application& app = services_.MainForm.Kit.App();
  if (!services_.Instance.Create(kMutexName)) {
    app.ShowSystemWarning("Vorn is already running.", "Perseus-Vorn");
    return false;
  }
  StartTrace("mutex");

  form1_ = std::make_unique<TForm1>(services_.MainForm);
  list_input_ = std::make_unique<TListInput>(services_.MainForm.Kit, form1_->Window());
  form1_->SetListInput(list_input_.get());
  StartTrace("entry dialog");
  if (!app.Terminated()) StartRemoteControl();
  app.Run(form1_->Window());
  return true;
}

void Program::StartRemoteControl() {
  const RemoteSettings settings = ReadRemoteSettings(services_.Profile, form1_->StartDir());
  if (!settings.Enabled) return;
  rig_ = std::make_unique<ReceiverRig>(form1_->Receiver());
  remote_ = std::make_unique<RemoteEndpoint>(
      RemoteServices{services_.MainForm.HotKeys.Windows, services_.Sockets, *rig_});
  if (settings.Port > 0 && settings.Port <= 65535 &&
      remote_->Listen(settings.Address, static_cast<std::uint16_t>(settings.Port)))
    return;
  remote_.reset();
  rig_.reset();
  services_.MainForm.Kit.App().ShowMessage("Remote control cannot listen on " + settings.Address +
                                           ":" + std::to_string(settings.Port) +
                                           ".\rVorn runs without it.");
}

Program::~Program() {
  remote_.reset();
  rig_.reset();
  list_input_.reset();
  form1_.reset();
  key_text_.reset();
}

}  // namespace vorn
