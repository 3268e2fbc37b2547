#include "app/endpoint_switch.h"

namespace vorn {

bool EndpointSwitch::Start() {
  if (endpoint_) return true;
  if (settings_.Port <= 0 || settings_.Port > 65535) return false;
  endpoint_ =
      std::make_unique<SocketEndpoint>(services_, [this] { return kind_.NewSession(receiver_); });
  if (endpoint_->Listen(settings_.Address, static_cast<std::uint16_t>(settings_.Port))) return true;
  endpoint_.reset();
  return false;
}

std::string EndpointSwitch::Address() const {
  return settings_.Address + ":" + std::to_string(settings_.Port);
}

std::string EndpointSwitch::TipName() const {
  // The tip is short: the usual loopback address goes without saying.
  const std::string& a = settings_.Address;
  const bool loopback = a == "127.0.0.1" || a == "localhost" || a == "::1";
  if (!loopback) return Address();
  std::string name = ":";
  return name += std::to_string(settings_.Port);
}

std::string EndpointSwitch::StartFailure() const {
  return "Remote control cannot listen on " + Address() + ".\rVorn runs without it.";
}

bool SerialSwitch::Start() {
  if (endpoint_) return true;
  if (port_.empty()) return false;
  endpoint_ = std::make_unique<SerialEndpoint>(
      services_, [this] { return kind_.NewSession(receiver_); },
      [this] {
        // The endpoint has closed its port and ends here, inside its own
        // window's message, which it allows; this closure ends with it.
        SerialSwitch* self = this;
        self->endpoint_.reset();
        if (self->failed_)
          self->failed_(self->kind_.Name + " on " + self->port_ + " has stopped: the port failed.");
      });
  if (endpoint_->Open(port_)) return true;
  endpoint_.reset();
  return false;
}

std::string SerialSwitch::Caption() const {
  return port_.empty() ? kind_.Name + "..." : kind_.Name + " on " + port_;
}

std::string SerialSwitch::StartFailure() const {
  return kind_.Name + " cannot open " + port_ + ".\rVorn runs without it.";
}

}  // namespace vorn
