#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "remote/receiver_control.h"
#include "remote/remote_session.h"

namespace vorn {

// How an endpoint's clients reach it.
enum class EndpointTransport {
  Network,  // a TCP port, any number of clients
  Serial,   // a serial port, the one program at its other end
};

// A way in for other radio programs: its protocol, where its settings are
// kept and what they are unless the file says otherwise, how the menu names it.
struct EndpointKind {
  std::string Section;  // of Vorn.ini
  std::string Name;     // the menu item's caption, before the address or port
  std::int32_t DefaultPort;
  std::string DefaultAddress;
  std::unique_ptr<RemoteSession> (*NewSession)(ReceiverControl& receiver);
  EndpointTransport Transport = EndpointTransport::Network;
};

// Every endpoint, in the "Remote" menu's order.
const std::vector<EndpointKind>& EndpointTable();

}  // namespace vorn
