#pragma once

#include <memory>
#include <string>

#include "app/endpoint_table.h"
#include "app/settings.h"
#include "remote/serial_endpoint.h"
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

// An endpoint of the table on a serial port, opened when switched on and
// closed when switched off or when the port fails.
class SerialSwitch : public RemoteSwitch {
 public:
  SerialSwitch(SerialServices services, ReceiverControl& receiver, const EndpointKind& kind,
               std::string port)
      : services_(services), receiver_(receiver), kind_(kind), port_(std::move(port)) {}

  bool Start() override;
  void Stop() override { endpoint_.reset(); }
  // "Kenwood CAT on COM5", or "Kenwood CAT..." while no port is chosen.
  std::string Caption() const override;
  std::string TipName() const override { return port_; }
  std::string StartFailure() const override;
  std::string Section() const override { return kind_.Section; }
  std::string PortItemCaption() const override { return "CAT Port..."; }
  std::vector<std::string> PortChoices() override { return services_.Ports.Names(); }
  std::string Port() const override { return port_; }
  void SetPort(const std::string& port) override { port_ = port; }
  void OnFailed(std::function<void(const std::string&)> failed) override {
    failed_ = std::move(failed);
  }

  // Null unless the port is open.
  SerialEndpoint* Endpoint() const { return endpoint_.get(); }

 private:
  SerialServices services_;
  ReceiverControl& receiver_;
  const EndpointKind& kind_;
  std::string port_;
  std::function<void(const std::string&)> failed_;
  std::unique_ptr<SerialEndpoint> endpoint_;
};

}  // namespace vorn
