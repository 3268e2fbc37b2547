#pragma once

#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_hidden_window.h"
#include "platform/stream_sockets.h"

namespace vorn {

// Sockets held in memory, with the test as the clients. Events are posted as
// the system posts them and reach their windows when the test pumps, so that
// nothing is delivered from inside a socket call. Client calls pump on their own.
class SimStreamSockets : public StreamSockets {
 public:
  explicit SimStreamSockets(SimHiddenWindows& windows) : windows_(windows) {}

  SocketHandle Listen(const std::string& address, std::uint16_t port, WindowHandle window,
                      std::uint32_t message) override;
  SocketHandle Accept(SocketHandle listener) override;
  SocketTransfer Receive(SocketHandle socket, char* buffer, std::size_t size) override;
  SocketTransfer Send(SocketHandle socket, const char* data, std::size_t size) override;
  void Close(SocketHandle socket) override;

  // Another program holds the port.
  void TakePort(std::uint16_t port) { taken_.insert(port); }
  void FreePort(std::uint16_t port) { taken_.erase(port); }
  // The numeric address the last listener bound.
  const std::string& ListenAddress() const { return listen_address_; }

  // A client of 127.0.0.1 connects; its number, or -1 when nothing listens
  // there on the port.
  int Connect(std::uint16_t port);
  void Write(int client, std::string_view bytes);
  // Everything the server has sent the client and it has not read yet.
  std::string Read(int client);
  // How many bytes may wait unread for the client before the server's sends
  // would block.
  void SetRoom(int client, std::size_t bytes) { connections_.at(client).Room = bytes; }
  // The client goes away.
  void Disconnect(int client);
  bool ClosedByServer(int client) const { return connections_.at(client).ServerClosed; }
  // The server's side of the client's connection; kNoSocket before it is accepted.
  SocketHandle ServerSocket(int client) const { return connections_.at(client).Server; }
  // Delivers the posted messages, including those posted meanwhile.
  void Pump();
  std::size_t OpenSockets() const { return open_.size(); }

 private:
  struct Listener {
    std::string Address;
    std::uint16_t Port;
    WindowHandle Window;
    std::uint32_t Message;
    std::deque<int> Waiting;
  };
  struct Connection {
    SocketHandle Server = kNoSocket;
    WindowHandle Window = 0;
    std::uint32_t Message = 0;
    std::string ToServer;
    std::string ToClient;
    std::size_t Room = std::numeric_limits<std::size_t>::max();
    bool WriteBlocked = false;
    bool ClientClosed = false;
    bool CloseAnnounced = false;
    bool SentAfterClose = false;
    bool ServerClosed = false;
  };
  struct Posted {
    WindowHandle Window;
    std::uint32_t Message;
    SocketHandle Socket;
    std::uint32_t Event;
  };

  void Post(const Connection& c, std::uint32_t event);
  void AnnounceCloseOnceRead(Connection& c);
  Connection* Server(SocketHandle socket);

  SimHiddenWindows& windows_;
  std::map<SocketHandle, Listener> listeners_;
  std::vector<Connection> connections_;
  std::set<SocketHandle> open_;
  std::set<std::uint16_t> taken_;
  std::deque<Posted> posted_;
  std::string listen_address_;
  SocketHandle next_ = 0x100;
};

}  // namespace vorn
