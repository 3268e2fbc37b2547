#pragma once
// What the remote sessions' fuzz targets share: the input cut into pieces,
// and a receiver that checks every press.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/tuning_values.h"
#include "remote/receiver_control.h"

namespace fuzz {

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The first byte of the input sets the size of the pieces, the rest is the
// stream; nothing for an empty input.
struct PiecedStream {
  std::size_t Piece;
  std::string_view Bytes;
};
inline std::optional<PiecedStream> Pieces(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return std::nullopt;
  return PiecedStream{1 + std::size_t{data[0]} % 64,
                      std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

// What a session answers to the stream, received in pieces of `piece` bytes
// (all at once by default).
template <class Session>
std::string Answers(Session& session, std::string_view stream,
                    std::size_t piece = std::string_view::npos) {
  std::string answers;
  for (std::size_t at = 0; at < stream.size(); at += piece)
    session.Receive(stream.substr(at, piece), answers);
  return answers;
}

// Takes every press and checks that what is keyed is within the keypad.
class CheckingRig : public vorn::ReceiverControl {
 public:
  vorn::RemoteOutcome KeyInHz(std::int64_t hz) override {
    Check(hz >= 0 && hz <= vorn::kMaxFrequencyKhz * 1000);
    tuned_.FrequencyHz = hz;
    // Now and then the receiver is out of reach.
    return hz % 2 == 0 ? vorn::RemoteOutcome::Done : vorn::RemoteOutcome::NotReached;
  }
  vorn::RemoteOutcome Select(const vorn::RadioMode* mode,
                             const vorn::BandwidthChoice* width) override {
    Check(mode || width);
    if (mode) {
      Check(!mode->Demodulator.empty());
      tuned_.Demodulator = mode->Demodulator;
      tuned_.Variant = mode->Variant;
    }
    if (width) Check(width->Hz > 0);
    return vorn::RemoteOutcome::Done;
  }
  const vorn::TunedState& Tuned() const override { return tuned_; }
  // Another source tunes the receiver.
  void TuneElsewhere(std::int64_t hz) { tuned_.FrequencyHz = hz; }

 private:
  vorn::TunedState tuned_;
};

}  // namespace fuzz
