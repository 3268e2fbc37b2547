#pragma once

#include <memory>
#include <string>

#include "app/settings.h"
#include "platform/hidden_window.h"
#include "platform/stream_sockets.h"
#include "receiver/get_handles.h"
#include "remote/receiver_rig.h"
#include "remote/remote_endpoint.h"
#include "ui/remote_switch.h"

namespace vorn {

// The remote-control endpoint made when switched on and ended when switched
// off, on the address and port the settings gave at start.
class EndpointSwitch : public RemoteSwitch {
 public:
  EndpointSwitch(HiddenWindowService& windows, StreamSockets& sockets, ReceiverLink& link,
                 RemoteSettings settings)
      : windows_(windows), sockets_(sockets), rig_(link), settings_(std::move(settings)) {}

  bool Listen() override;
  void Stop() override { endpoint_.reset(); }
  std::string Address() const override;

  // Null unless it listens.
  RemoteEndpoint* Endpoint() const { return endpoint_.get(); }

 private:
  HiddenWindowService& windows_;
  StreamSockets& sockets_;
  ReceiverRig rig_;
  RemoteSettings settings_;
  std::unique_ptr<RemoteEndpoint> endpoint_;
};

}  // namespace vorn
