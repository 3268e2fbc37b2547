#include "platform/listen_address.h"

#include <algorithm>

namespace vorn {

std::size_t ListenAddressChoice(const std::vector<AddressFamily>& families) {
  const auto ipv4 = std::find(families.begin(), families.end(), AddressFamily::IPv4);
  return ipv4 == families.end() ? 0 : static_cast<std::size_t>(ipv4 - families.begin());
}

}  // namespace vorn
