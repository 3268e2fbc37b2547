#include "app/endpoint_table.h"

#include "remote/flrig/flrig_session.h"
#include "remote/kenwood/kenwood_session.h"
#include "remote/rigctl/rig_session.h"

namespace vorn {

namespace {

template <class Session>
std::unique_ptr<RemoteSession> New(ReceiverControl& receiver) {
  return std::make_unique<Session>(receiver);
}

}  // namespace

const std::vector<EndpointKind>& EndpointTable() {
  static const std::vector<EndpointKind> table = {
      {"Remote", "Network (hamlib)", 4532, "127.0.0.1", New<RigSession>},
      {"Cat", "Kenwood CAT", 0, "", New<KenwoodSession>, EndpointTransport::Serial},
      {"Flrig", "flrig", 12345, "127.0.0.1", New<FlrigSession>},
  };
  return table;
}

}  // namespace vorn
