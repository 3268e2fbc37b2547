#include "remote/rig_session.h"

#include "remote/rig_answers.h"

namespace vorn {

void RigSession::Receive(std::string_view bytes, std::string& answers) {
  while (!ended_ && !bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    line_.append(bytes.substr(0, end));
    // One byte beyond the limit may be the carriage return of "\r\n".
    if (line_.size() > kMaxRequestLine + 1) ended_ = true;
    if (end == std::string_view::npos || ended_) break;
    bytes.remove_prefix(end + 1);
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (line_.size() > kMaxRequestLine) {
      ended_ = true;
    } else {
      ended_ = AnswerRigLine(line_, rig_, vfos_, answers);
    }
    line_.clear();
  }
}

}  // namespace vorn
