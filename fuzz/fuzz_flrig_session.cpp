// XML-RPC calls over HTTP: arbitrary bytes in arbitrary pieces, and arbitrary
// bodies in well-formed requests, with the properties the clients rely on.
#include <cstdint>
#include <string>
#include <string_view>

#include "remote/flrig/flrig_session.h"
#include "remote/flrig/xml_rpc.h"
#include "session_fuzzing.h"

namespace {

using fuzz::Check;

// Every answer is whole: the status and headers exactly, a body of the
// length stated that ends with a line end, and "unknown" only in the fault of
// a method that is not served.
void CheckAnswers(std::string_view answers) {
  constexpr std::string_view kHead =
      "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: ";
  while (!answers.empty()) {
    Check(answers.starts_with(kHead));
    answers.remove_prefix(kHead.size());
    std::size_t length = 0;
    std::size_t at = 0;
    for (; at < answers.size() && answers[at] >= '0' && answers[at] <= '9'; ++at)
      length = length * 10 + static_cast<std::size_t>(answers[at] - '0');
    Check(answers.substr(at).starts_with("\r\n\r\n"));
    answers.remove_prefix(at + 4);
    Check(length <= answers.size());
    const std::string_view body = answers.substr(0, length);
    Check(body.starts_with("<?xml") && body.ends_with("</methodResponse>\r\n"));
    if (body.find("<fault>") == std::string_view::npos)
      Check(body.find("unknown") == std::string_view::npos);
    else if (body.find("unknown") != std::string_view::npos)
      Check(body.find(": unknown method name</value>") != std::string_view::npos);
    answers.remove_prefix(length);
  }
}

std::string Run(std::string_view stream, std::size_t piece, bool& ended) {
  fuzz::CheckingRig receiver;
  vorn::FlrigSession session(receiver);
  std::string answers = fuzz::Answers(session, stream, piece);
  ended = session.Ended();
  return answers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzz::Pieces(data, size);
  if (!input) return 0;
  const std::size_t piece = input->Piece;
  const std::string_view stream = input->Bytes;
  bool pieces_ended = false;
  bool whole_ended = false;
  const std::string answers = Run(stream, piece, pieces_ended);
  Check(Run(stream, stream.size() + 1, whole_ended) == answers);
  Check(pieces_ended == whole_ended);
  CheckAnswers(answers);

  // The same bytes as the body of a request: exactly one answer, and the
  // connection stays.
  const std::string request =
      "POST /RPC2 HTTP/1.1\r\nContent-length: " + std::to_string(stream.size()) + "\r\n\r\n" +
      std::string(stream);
  bool ended = false;
  const std::string answer = Run(request, piece, ended);
  const bool fits = stream.size() <= vorn::kMaxHttpBody;
  Check(answer.empty() != fits && ended != fits);
  CheckAnswers(answer);

  if (const auto call = vorn::ParseXmlRpcCall(stream)) Check(!call->Method.empty());
  return 0;
}
