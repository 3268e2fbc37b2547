#include "remote/flrig/flrig_session.h"

#include "remote/flrig/flrig_methods.h"

namespace vorn {

void FlrigSession::Receive(std::string_view bytes, std::string& answers) {
  while (!ended_ && !bytes.empty()) {
    switch (requests_.Take(bytes)) {
      case HttpRequestReader::Status::Incomplete:
        break;
      case HttpRequestReader::Status::Broken:
        ended_ = true;
        break;
      case HttpRequestReader::Status::Complete:
        answers += HttpAnswer(AnswerFlrigCall(requests_.Body(), vfos_));
        ended_ = !requests_.KeepAlive();
        break;
    }
  }
}

}  // namespace vorn
