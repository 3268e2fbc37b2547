#include "app/endpoint_switch.h"

namespace vorn {

bool EndpointSwitch::Listen() {
  if (endpoint_) return true;
  if (settings_.Port <= 0 || settings_.Port > 65535) return false;
  endpoint_ = std::make_unique<RemoteEndpoint>(RemoteServices{windows_, sockets_, rig_});
  if (endpoint_->Listen(settings_.Address, static_cast<std::uint16_t>(settings_.Port))) return true;
  endpoint_.reset();
  return false;
}

std::string EndpointSwitch::Address() const {
  return settings_.Address + ":" + std::to_string(settings_.Port);
}

}  // namespace vorn
