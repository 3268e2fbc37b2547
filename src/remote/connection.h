#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/stream_sockets.h"
#include "remote/remote_session.h"

namespace vorn {

// Answers a client has left unread beyond this close its connection.
inline constexpr std::size_t kMaxUnreadAnswers = 64 * 1024;

// The system's side of one connection, a socket or a serial port: it moves
// what it can now and says when it can move more.
class ByteChannel {
 public:
  virtual ~ByteChannel() = default;
  virtual SocketTransfer Receive(char* buffer, std::size_t size) = 0;
  virtual SocketTransfer Send(const char* data, std::size_t size) = 0;
};

// A channel over one handle of a service that moves bytes by handle, as the
// stream sockets and the serial ports do.
template <class Service, class Handle>
class HandleChannel : public ByteChannel {
 public:
  HandleChannel(Service& service, Handle handle) : service_(service), handle_(handle) {}
  SocketTransfer Receive(char* buffer, std::size_t size) override {
    return service_.Receive(handle_, buffer, size);
  }
  SocketTransfer Send(const char* data, std::size_t size) override {
    return service_.Send(handle_, data, size);
  }
  Handle HeldHandle() const { return handle_; }

 private:
  Service& service_;
  Handle handle_;
};

// One client's connection: reads its requests into its session and sends the
// answers, keeping what the channel could not take yet.
class Connection {
 public:
  explicit Connection(std::unique_ptr<RemoteSession> session) : session_(std::move(session)) {}

  // Reads once and answers what that completes. True when bytes came and the
  // connection goes on, so that there may be more to read at once.
  bool ReadOnce(ByteChannel& channel);
  // Sends what waits, as far as the channel takes it.
  void Flush(ByteChannel& channel);
  // Sends what the session has to say unasked, with what still waits.
  void Poll(ByteChannel& channel);
  // To be closed now: the peer went, a limit was broken, or the session
  // ended and every answer it gave is sent.
  bool Finished() const { return failed_ || (session_->Ended() && unsent_.empty()); }

 private:
  std::unique_ptr<RemoteSession> session_;
  std::string unsent_;
  bool failed_ = false;
};

}  // namespace vorn
