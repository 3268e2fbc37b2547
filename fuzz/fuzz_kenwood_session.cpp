// Kenwood CAT command streams: arbitrary bytes in arbitrary pieces. Every
// answer is a well-formed reply of the radio, the same however the stream is
// cut, and a status line is always its 38 bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "remote/kenwood/kenwood_session.h"
#include "session_fuzzing.h"

namespace {

using fuzz::Check;
using fuzz::CheckingRig;

// Each answer is two upper-case letters and digits (a sign in the status
// line) up to its ';', or "?;".
void CheckAnswers(std::string_view answers) {
  while (!answers.empty()) {
    const std::size_t end = answers.find(';');
    Check(end != std::string_view::npos);
    const std::string_view answer = answers.substr(0, end);
    answers.remove_prefix(end + 1);
    if (answer == "?") continue;
    Check(answer.size() >= 3 && answer[0] >= 'A' && answer[0] <= 'Z' && answer[1] >= 'A' &&
          answer[1] <= 'Z');
    if (answer.starts_with("IF")) Check(answer.size() == 37 && answer[17] == '+');
    for (std::size_t i = 2; i < answer.size(); ++i)
      Check((answer[i] >= '0' && answer[i] <= '9') || (answer[i] == '+' && i == 17));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorn;
  const auto input = fuzz::Pieces(data, size);
  if (!input) return 0;
  const std::size_t piece = input->Piece;
  const std::string_view stream = input->Bytes;

  CheckingRig rig;
  KenwoodSession pieces(rig);
  std::string answers;
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    pieces.Receive(stream.substr(at, piece), answers);
    // Between the pieces the receiver is now and then tuned from elsewhere.
    if (at % 3 == 0) rig.TuneElsewhere(static_cast<std::int64_t>(at) * 1000);
    pieces.Poll(answers);
  }
  CheckAnswers(answers);

  // Cut otherwise, the stream gets the same answers.
  CheckingRig other_rig;
  KenwoodSession whole(other_rig);
  const std::string whole_answers = fuzz::Answers(whole, stream);
  CheckAnswers(whole_answers);
  CheckingRig piece_rig;
  KenwoodSession cut(piece_rig);
  Check(fuzz::Answers(cut, stream, piece) == whole_answers);
  return 0;
}
