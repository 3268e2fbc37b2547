#include "remote/rigctl/rig_session.h"

namespace vorn {

void RigSession::Receive(std::string_view bytes, std::string& answers) {
  while (!ended_ && !bytes.empty()) {
    const bool complete = lines_.Take(bytes);
    if (lines_.Overlong()) ended_ = true;
    if (!complete || ended_) break;
    std::string_view line = lines_.Frame();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ended_ = line.size() > kMaxRequestLine || AnswerRigLine(line, client_, answers);
  }
}

}  // namespace vorn
