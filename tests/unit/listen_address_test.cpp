#include "platform/listen_address.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using F = AddressFamily;

TEST(ListenAddressChoice, TakesTheFirstIPv4AddressWhereverItStandsElseTheFirst) {
  EXPECT_EQ(ListenAddressChoice({F::IPv6, F::IPv4}), 1u);
  EXPECT_EQ(ListenAddressChoice({F::Other, F::IPv6, F::IPv4, F::IPv4}), 2u);
  EXPECT_EQ(ListenAddressChoice({F::IPv4, F::IPv6}), 0u);
  EXPECT_EQ(ListenAddressChoice({F::IPv6, F::IPv6}), 0u);
  EXPECT_EQ(ListenAddressChoice({}), 0u);
}

}  // namespace
}  // namespace vorn
