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
  rig_ = std::make_unique<ReceiverRig>(form1_->Receiver());
  HiddenWindowService& windows = services_.MainForm.HotKeys.Windows;
  for (const EndpointKind& kind : EndpointTable()) {
    const EndpointSettings settings =
        ReadEndpointSettings(services_.Profile, form1_->StartDir(), kind.Section,
                             {false, kind.DefaultPort, kind.DefaultAddress, ""});
    if (kind.Transport == EndpointTransport::Serial)
      remote_.push_back(std::make_unique<SerialSwitch>(SerialServices{windows, services_.Ports},
                                                       *rig_, kind, settings.PortName));
    else
      remote_.push_back(std::make_unique<EndpointSwitch>(SocketServices{windows, services_.Sockets},
                                                         *rig_, kind, settings));
    form1_->AttachRemote(*remote_.back(), settings.Enabled);
  }
  form1_->FinishRemoteMenu();
}

Program::~Program() {
  // Clients go before the window whose receiver link they tune through.
  remote_.clear();
  rig_.reset();
  list_input_.reset();
  form1_.reset();
  key_text_.reset();
}

}  // namespace vorn
