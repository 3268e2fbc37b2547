// Remote-control request streams: arbitrary bytes in arbitrary pieces, with
// the properties the endpoint relies on.
#include <cstdint>
#include <string>
#include <string_view>

#include "remote/rigctl/rig_requests.h"
#include "remote/rigctl/rig_session.h"
#include "session_fuzzing.h"

namespace {

using fuzz::Check;
using fuzz::CheckingRig;

// Every result line carries 0 or a negative number. Only lines that begin
// with a result are read: elsewhere "RPRT" may be an echoed argument.
void CheckResults(const std::string& answers) {
  std::size_t line = 0;
  for (std::size_t end = answers.find('\n'); end != std::string::npos;
       line = end + 1, end = answers.find('\n', line)) {
    const std::string_view text(answers.data() + line, end - line);
    if (!text.starts_with("RPRT ")) continue;
    const std::string_view code = text.substr(5);
    Check(code == "0" || (code.size() > 1 && code[0] == '-' &&
                          code.find_first_not_of("0123456789", 1) == std::string_view::npos));
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
  RigSession pieces(rig);
  const std::string answers = fuzz::Answers(pieces, stream, piece);
  CheckResults(answers);

  // Cut otherwise, the stream gets the same answers.
  CheckingRig other_rig;
  RigSession whole(other_rig);
  Check(fuzz::Answers(whole, stream) == answers);
  Check(whole.Ended() == pieces.Ended());

  // A parsed line never holds more arguments than its commands take.
  for (const RigRequest& request : ParseRigLine(stream).Requests)
    Check(request.Entry == nullptr ? request.Arguments.empty()
                                   : request.Arguments.size() <= request.Entry->Arguments);
  return 0;
}
