// XML-RPC calls over HTTP: arbitrary bytes in arbitrary pieces, and arbitrary
// bodies in well-formed requests, with the properties the clients rely on.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/tuning_values.h"
#include "remote/flrig/flrig_session.h"
#include "remote/flrig/xml_rpc.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Takes every press and checks that what is keyed is within the keypad.
class CheckingReceiver : public vorn::ReceiverControl {
 public:
  vorn::RemoteOutcome KeyInHz(std::int64_t hz) override {
    Check(hz >= 0 && hz <= vorn::kMaxFrequencyKhz * 1000);
    tuned_.FrequencyHz = hz;
    return vorn::RemoteOutcome::Done;
  }
  vorn::RemoteOutcome Select(const vorn::RadioMode* mode,
                             const vorn::BandwidthChoice* width) override {
    Check(mode || width);
    if (mode) tuned_.Demodulator = mode->Demodulator;
    if (width) tuned_.BandwidthHz = width->Hz;
    return vorn::RemoteOutcome::Done;
  }
  const vorn::TunedState& Tuned() const override { return tuned_; }

 private:
  vorn::TunedState tuned_;
};

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
  CheckingReceiver receiver;
  vorn::FlrigSession session(receiver);
  std::string answers;
  for (std::size_t at = 0; at < stream.size(); at += piece)
    session.Receive(stream.substr(at, piece), answers);
  ended = session.Ended();
  return answers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;

  // The first byte sets the size of the pieces, the rest is the stream.
  const std::size_t piece = 1 + static_cast<unsigned char>(input[0]) % 64;
  const std::string_view stream = input.substr(1);
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
