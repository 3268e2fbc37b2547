#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "remote/framer.h"
#include "remote/remote_session.h"
#include "remote/rigctl/rig_answers.h"

namespace vorn {

// The longest request line a client may send, without its line end.
inline constexpr std::size_t kMaxRequestLine = 1024;

// One client's side of the protocol: a request a line.
class RigSession : public RemoteSession {
 public:
  explicit RigSession(ReceiverControl& receiver) : client_(receiver) {}

  void Receive(std::string_view bytes, std::string& answers) override;
  // The client asked to close, or sent a line beyond the limit.
  bool Ended() const override { return ended_; }

 private:
  RigClient client_;
  // One byte beyond the limit may be the carriage return of "\r\n".
  Framer lines_{'\n', kMaxRequestLine + 1};
  bool ended_ = false;
};

}  // namespace vorn
