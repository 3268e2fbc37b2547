#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// Cuts a byte stream into frames, each ended by a terminator, however the
// stream arrives in pieces. A frame is kept up to a limit; what runs past it
// is dropped, and the frame is marked overlong.
class Framer {
 public:
  Framer(char terminator, std::size_t limit) : terminator_(terminator), limit_(limit) {}

  // Takes bytes from the front of `bytes` up to and including the next
  // terminator. True when that completed a frame: `Frame()` then holds it,
  // without the terminator, until the next call.
  bool Take(std::string_view& bytes);
  const std::string& Frame() const { return frame_; }
  // The frame being taken, or the one just completed, ran past the limit.
  bool Overlong() const { return overlong_; }

 private:
  char terminator_;
  std::size_t limit_;
  std::string frame_;
  bool overlong_ = false;
  bool complete_ = false;
};

}  // namespace vorn
