#pragma once

#include <memory>
#include <string>

#include "app/endpoint_table.h"
#include "app/settings.h"
#include "remote/socket_endpoint.h"
#include "ui/remote_switch.h"

namespace vorn {

// One endpoint of the table, made when switched on and ended when switched
// off, on the address and port the settings gave at start.
class EndpointSwitch : public RemoteSwitch {
 public:
  EndpointSwitch(SocketServices services, ReceiverControl& receiver, const EndpointKind& kind,
                 EndpointSettings settings)
      : services_(services), receiver_(receiver), kind_(kind), settings_(std::move(settings)) {}

  bool Start() override;
  void Stop() override { endpoint_.reset(); }
  std::string Caption() const override { return kind_.Name + " " + Address(); }
  std::string TipName() const override;
  std::string StartFailure() const override;
  std::string Section() const override { return kind_.Section; }

  // Null unless it listens.
  SocketEndpoint* Endpoint() const { return endpoint_.get(); }

 private:
  std::string Address() const;

  SocketServices services_;
  ReceiverControl& receiver_;
  const EndpointKind& kind_;
  EndpointSettings settings_;
  std::unique_ptr<SocketEndpoint> endpoint_;
};

}  // namespace vorn
