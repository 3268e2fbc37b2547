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

}  // namespace vorn
