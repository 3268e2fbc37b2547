#pragma once

#include <string>
#include <string_view>

#include "remote/flrig/http_requests.h"
#include "remote/remote_session.h"
#include "remote/vfo_pair.h"

namespace vorn {

// One client's side of the protocol: XML-RPC calls, each an HTTP request, all
// on the one connection the client keeps.
class FlrigSession : public RemoteSession {
 public:
  explicit FlrigSession(ReceiverControl& receiver) : vfos_(receiver) {}

  void Receive(std::string_view bytes, std::string& answers) override;
  // After a request that asks to close, or one that is broken or too large.
  bool Ended() const override { return ended_; }

 private:
  VfoPair vfos_;
  HttpRequestReader requests_;
  bool ended_ = false;
};

}  // namespace vorn
