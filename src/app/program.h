#pragma once

#include <memory>
#include <vector>

#include "app/endpoint_switch.h"
#include "platform/keyboard_layouts.h"
#include "platform/private_profile.h"
#include "platform/serial_ports.h"
#include "platform/single_instance.h"
#include "platform/stream_sockets.h"
#include "remote/receiver_rig.h"
#include "ui/list_input.h"
#include "ui/main_form.h"

namespace vorn {

struct ProgramServices {
  MainFormServices MainForm;
  SingleInstance& Instance;
  KeyboardLayouts& Layouts;
  // The remote-control endpoints' settings, sockets and serial ports.
  PrivateProfile& Profile;
  StreamSockets& Sockets;
  SerialPorts& Ports;
};

// The program from entry to end: one instance only, the key names, the main
// window and the entry dialog, the remote-control endpoints that the window's
// menu switches (on at start when the settings say so), the message loop.
class Program {
 public:
  explicit Program(ProgramServices services) : services_(std::move(services)) {}
  // Destroys the windows, then the key names give back what they took.
  ~Program();

  // Returns when the main window has closed (at once in a simulated toolkit,
  // whose loop the test drives). False when another instance was running.
  bool Run();

  TForm1* Form1() const { return form1_.get(); }
  TListInput* ListInput() const { return list_input_.get(); }
  // The endpoint of the table's row `index`; null unless it listens.
  SocketEndpoint* Remote(std::size_t index = 0) const {
    const auto* network =
        index < remote_.size() ? dynamic_cast<EndpointSwitch*>(remote_[index].get()) : nullptr;
    return network ? network->Endpoint() : nullptr;
  }

 private:
  ProgramServices services_;
  std::unique_ptr<KeyTextLayout> key_text_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TListInput> list_input_;
  std::unique_ptr<ReceiverRig> rig_;
  std::vector<std::unique_ptr<RemoteSwitch>> remote_;

  void StartRemoteControl();
};

}  // namespace vorn
