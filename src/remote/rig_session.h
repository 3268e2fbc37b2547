#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "remote/rig_answers.h"
#include "remote/rig_control.h"

namespace vorn {

// The longest request line a client may send, without its line end.
inline constexpr std::size_t kMaxRequestLine = 1024;

// One client's side of the protocol: bytes in as they arrive, in pieces of any
// size, answers out for every completed line.
class RigSession {
 public:
  explicit RigSession(RigControl& rig) : rig_(rig) {}

  // Appends the answers of the lines that `bytes` completes. Once the session
  // has ended, bytes are ignored.
  void Receive(std::string_view bytes, std::string& answers);

  // The client asked to close, or sent a line beyond the limit.
  bool Ended() const { return ended_; }

 private:
  RigControl& rig_;
  RigVfos vfos_;
  std::string line_;
  bool ended_ = false;
};

}  // namespace vorn
