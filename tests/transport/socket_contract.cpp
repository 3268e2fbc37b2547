// What the stream sockets do, written once: the same tests run natively over
// the in-memory sockets and under Wine over Winsock. The remote-control
// endpoint relies on nothing else of them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "socket_driver.h"

namespace vorn {

namespace {

using ::testing::ElementsAre;

// In the range Windows leaves to applications' own messages.
constexpr std::uint32_t kMessage = 0x8000 + 0x140;
constexpr std::size_t kChunk = 16 * 1024;
// Far more than any system buffers for one connection.
constexpr std::size_t kFillLimit = 256 * 1024 * 1024;

struct Event {
  SocketHandle Socket;
  std::uint32_t What;
  std::uint32_t Error;
};

class SocketContract : public ::testing::Test {
 protected:
  SocketContract()
      : driver(MakeSocketDriver()),
        sockets(driver->Sockets()),
        window(driver->Windows().CreateHiddenWindow(
            [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
              if (message != kMessage) return window->DefaultProcedure(message, wparam, lparam);
              const auto param = static_cast<std::uint32_t>(lparam);
              events.push_back({wparam, param & 0xFFFF, param >> 16});
              return std::intptr_t{0};
            })),
        port(driver->UnusedPort()) {}

  ~SocketContract() override {
    for (SocketHandle s : open) sockets.Close(s);
  }

  SocketHandle Listen(const std::string& address = "127.0.0.1") {
    const SocketHandle s = sockets.Listen(address, port, window->Handle(), kMessage);
    if (s != kNoSocket) open.push_back(s);
    return s;
  }

  std::size_t Count(SocketHandle socket, std::uint32_t what) const {
    std::size_t n = 0;
    for (const Event& e : events) n += e.Socket == socket && e.What == what;
    return n;
  }

  // Waits for one more event of the kind than `seen` counted.
  bool Await(SocketHandle socket, std::uint32_t what, std::size_t seen) {
    return driver->PumpUntil([&] { return Count(socket, what) > seen; });
  }

  SocketHandle Accept(SocketHandle listener) {
    const SocketHandle s = sockets.Accept(listener);
    if (s != kNoSocket) open.push_back(s);
    return s;
  }

  // A listener and one client's accepted connection.
  SocketHandle Connected(int& client) {
    const SocketHandle listener = Listen();
    client = driver->Connect(port);
    EXPECT_NE(client, -1);
    EXPECT_TRUE(Await(listener, kSocketAccept, 0)) << "no accept event";
    return Accept(listener);
  }

  std::string Receive(SocketHandle s, std::size_t size, SocketTransfer::Outcome expected) {
    std::string buffer(size, '\0');
    const SocketTransfer t = sockets.Receive(s, buffer.data(), buffer.size());
    EXPECT_EQ(t.Status, expected);
    return buffer.substr(0, t.Bytes);
  }

  // Everything the client receives until `bytes` have come.
  std::string ReadAtLeast(int client, std::size_t bytes) {
    std::string got;
    driver->PumpUntil([&] {
      got += driver->Read(client);
      return got.size() >= bytes;
    });
    return got;
  }

  std::unique_ptr<SocketDriver> driver;
  StreamSockets& sockets;
  std::vector<Event> events;
  std::unique_ptr<HiddenWindow> window;
  std::uint16_t port;
  std::vector<SocketHandle> open;
};

TEST_F(SocketContract, AcceptedConnectionsAreWritableAndCarryBytesBothWays) {
  const SocketHandle listener = Listen();
  ASSERT_NE(listener, kNoSocket);
  EXPECT_EQ(sockets.Accept(listener), kNoSocket) << "accepted with nobody waiting";

  // Two clients wait; what the first sent before it was accepted is announced
  // once it is.
  const int first = driver->Connect(port);
  const int second = driver->Connect(port);
  ASSERT_NE(first, -1);
  ASSERT_NE(second, -1);
  driver->Write(first, "F 7100000\n");
  ASSERT_TRUE(Await(listener, kSocketAccept, 0));
  const std::size_t accepts = Count(listener, kSocketAccept);
  const SocketHandle a = Accept(listener);
  ASSERT_NE(a, kNoSocket);
  ASSERT_TRUE(Await(a, kSocketWrite, 0)) << "an accepted connection is announced writable";
  ASSERT_TRUE(Await(a, kSocketRead, 0)) << "bytes sent before the accept are announced";
  EXPECT_EQ(Receive(a, 64, SocketTransfer::Done), "F 7100000\n");

  ASSERT_TRUE(Await(listener, kSocketAccept, accepts))
      << "the client still waiting is not announced";
  const SocketHandle b = Accept(listener);
  ASSERT_NE(b, kNoSocket);
  EXPECT_NE(b, a);
  EXPECT_EQ(sockets.Send(b, "RPRT 0\n", 7).Status, SocketTransfer::Done);
  EXPECT_EQ(ReadAtLeast(second, 7), "RPRT 0\n");
  EXPECT_EQ(driver->Read(first), "");
  for (const Event& e : events) EXPECT_EQ(e.Error, 0u) << "event " << e.What;
}

TEST_F(SocketContract, BytesLeftUnreadAreAnnouncedAgain) {
  int client = -1;
  const SocketHandle s = Connected(client);
  ASSERT_NE(s, kNoSocket);
  driver->Write(client, "0123456789");
  ASSERT_TRUE(Await(s, kSocketRead, 0));
  EXPECT_EQ(Receive(s, 4, SocketTransfer::Done), "0123");
  const std::size_t reads = Count(s, kSocketRead);
  ASSERT_TRUE(Await(s, kSocketRead, reads)) << "six bytes wait unannounced";
  EXPECT_EQ(Receive(s, 64, SocketTransfer::Done), "456789");
  EXPECT_EQ(Receive(s, 64, SocketTransfer::WouldBlock), "");
}

// The close comes after what the peer sent before it, once that is read.
TEST_F(SocketContract, APeerThatClosesIsAnnouncedAfterWhatItSent) {
  int client = -1;
  const SocketHandle s = Connected(client);
  ASSERT_NE(s, kNoSocket);
  driver->Write(client, "last words\n");
  driver->Disconnect(client);
  ASSERT_TRUE(Await(s, kSocketRead, 0));
  EXPECT_EQ(Count(s, kSocketClose), 0u) << "the close is announced before the bytes are read";
  std::string got;
  ASSERT_TRUE(driver->PumpUntil([&] {
    char buffer[4];
    SocketTransfer t{};
    while ((t = sockets.Receive(s, buffer, sizeof buffer)).Status == SocketTransfer::Done)
      got.append(buffer, t.Bytes);
    return t.Status == SocketTransfer::Closed;
  })) << "reading never ends in the close, after \""
      << got << "\"";
  EXPECT_EQ(got, "last words\n");
  ASSERT_TRUE(Await(s, kSocketClose, 0)) << "no close event once the bytes were read";
  EXPECT_EQ(Receive(s, 64, SocketTransfer::Closed), "");
  // Sends may still be taken for a moment; then they fail, and never block.
  bool blocked = false;
  EXPECT_TRUE(driver->PumpUntil([&] {
    const SocketTransfer sent = sockets.Send(s, "RPRT 0\n", 7);
    blocked = blocked || sent.Status == SocketTransfer::WouldBlock;
    return sent.Status == SocketTransfer::Closed;
  })) << "sends to a closed peer go on succeeding";
  EXPECT_FALSE(blocked);
}

TEST_F(SocketContract, APeerGoneBeforeItsAcceptIsAnnouncedClosed) {
  const SocketHandle listener = Listen();
  const int client = driver->Connect(port);
  ASSERT_NE(client, -1);
  driver->Disconnect(client);
  ASSERT_TRUE(Await(listener, kSocketAccept, 0));
  const SocketHandle s = Accept(listener);
  ASSERT_NE(s, kNoSocket);
  ASSERT_TRUE(Await(s, kSocketClose, 0));
  EXPECT_EQ(Receive(s, 64, SocketTransfer::Closed), "");
}

TEST_F(SocketContract, ASendThatWouldBlockIsAnnouncedWritableOnceThePeerReads) {
  int client = -1;
  const SocketHandle s = Connected(client);
  ASSERT_NE(s, kNoSocket);
  ASSERT_TRUE(Await(s, kSocketWrite, 0));
  const std::string chunk(kChunk, 'x');
  std::size_t sent = 0;
  SocketTransfer t{SocketTransfer::Done};
  while (t.Status == SocketTransfer::Done && sent < kFillLimit) {
    t = sockets.Send(s, chunk.data(), chunk.size());
    sent += t.Bytes;
  }
  ASSERT_EQ(t.Status, SocketTransfer::WouldBlock) << sent << " bytes sent without blocking";
  const std::size_t writes = Count(s, kSocketWrite);

  std::string got;
  ASSERT_TRUE(driver->PumpUntil([&] {
    got += driver->Read(client);
    return Count(s, kSocketWrite) > writes;
  })) << "no write event after the peer read "
      << got.size() << " of " << sent << " bytes";
  t = sockets.Send(s, "end", 3);
  EXPECT_EQ(t.Status, SocketTransfer::Done);
  got += ReadAtLeast(client, sent + t.Bytes - got.size());
  EXPECT_EQ(got.size(), sent + t.Bytes);
  EXPECT_EQ(got.substr(got.size() - 4), "xend");
}

TEST_F(SocketContract, APortIsRefusedWhileAnotherListenerHoldsIt) {
  EXPECT_EQ(driver->Connect(port), -1) << "a client reached a port nothing listens on";
  driver->HoldPort(port);
  EXPECT_EQ(Listen(), kNoSocket);
  driver->ReleasePort(port);
  const SocketHandle listener = Listen();
  ASSERT_NE(listener, kNoSocket);
  EXPECT_EQ(Listen(), kNoSocket) << "two listeners on one port";

  // Closed, even after a connection, the port can be had again at once.
  int client = driver->Connect(port);
  ASSERT_TRUE(Await(listener, kSocketAccept, 0));
  const SocketHandle s = Accept(listener);
  sockets.Close(s);
  sockets.Close(listener);
  open.clear();
  driver->Disconnect(client);
  EXPECT_EQ(driver->Connect(port), -1) << "a closed listener still takes clients";
  const SocketHandle again = Listen();
  ASSERT_NE(again, kNoSocket);
  client = driver->Connect(port);
  EXPECT_NE(client, -1);
  EXPECT_TRUE(Await(again, kSocketAccept, 0));
}

TEST_F(SocketContract, LocalhostIsReachedFromTheIPv4Loopback) {
  const SocketHandle listener = Listen("localhost");
  ASSERT_NE(listener, kNoSocket);
  ASSERT_NE(driver->Connect(port), -1) << "a listener on localhost refuses 127.0.0.1";
  ASSERT_TRUE(Await(listener, kSocketAccept, 0));
  EXPECT_NE(Accept(listener), kNoSocket);
}

}  // namespace

}  // namespace vorn
