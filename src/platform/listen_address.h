#pragma once

#include <cstddef>
#include <vector>

namespace vorn {

enum class AddressFamily { IPv4, IPv6, Other };

// Which of the addresses a name gives the one listener binds: the first IPv4
// one, else the first. Resolvers often give "localhost" as ::1 before
// 127.0.0.1, and a listener on ::1 alone refuses the clients of 127.0.0.1,
// which is where most clients look. 0 for an empty list.
std::size_t ListenAddressChoice(const std::vector<AddressFamily>& families);

}  // namespace vorn
