#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vorn {

// One client's side of a protocol: bytes in as they arrive, in pieces of any
// size, answers out as the bytes complete requests.
class RemoteSession {
 public:
  virtual ~RemoteSession() = default;
  // Appends the answers of the requests that `bytes` completes. Once the
  // session has ended, bytes are ignored.
  virtual void Receive(std::string_view bytes, std::string& answers) = 0;
  // Called now and then while the connection is open, between reads: appends
  // what the protocol sends unasked. Most send nothing.
  virtual void Poll(std::string& /*answers*/) {}
  // The client asked to close, or broke a limit: the connection closes once
  // the answers so far are sent.
  virtual bool Ended() const = 0;
};

using SessionFactory = std::function<std::unique_ptr<RemoteSession>()>;

}  // namespace vorn
