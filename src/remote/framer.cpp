#include "remote/framer.h"

#include <algorithm>

namespace vorn {

bool Framer::Take(std::string_view& bytes) {
  if (complete_) {
    frame_.clear();
    overlong_ = complete_ = false;
  }
  const std::size_t end = bytes.find(terminator_);
  const std::string_view piece = bytes.substr(0, end);
  const std::size_t room = limit_ - std::min(limit_, frame_.size());
  if (piece.size() > room) overlong_ = true;
  frame_.append(piece.substr(0, room));
  if (end == std::string_view::npos) {
    bytes = {};
    return false;
  }
  bytes.remove_prefix(end + 1);
  complete_ = true;
  return true;
}

}  // namespace vorn
