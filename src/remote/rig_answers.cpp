#include "remote/rig_answers.h"

#include "receiver/tuning_values.h"
#include "remote/dump_state.h"
#include "remote/rig_modes.h"
#include "remote/rig_requests.h"

namespace vorn {

namespace {

// Writes one request's answer in the plain or the extended form.
class Answer {
 public:
  Answer(const RigLine& line, const RigRequest& request, std::string& out)
      : extended_(line.Extended), separator_(line.Separator), out_(out) {
    if (!extended_) return;
    out_ += request.Entry->Name;
    out_ += ':';
    for (std::string_view argument : request.Arguments) {
      out_ += ' ';
      out_ += argument;
    }
    out_ += separator_;
  }

  void Value(std::string_view key, const std::string& value) {
    if (extended_) {
      out_ += key;
      out_ += ": ";
    }
    out_ += value;
    out_ += extended_ ? separator_ : '\n';
  }
  // The block is the same in both forms.
  void Block(const std::string& text) { out_ += text; }

  // A result that the plain form reports only for setting commands and errors.
  void Result(int code, bool always = false) {
    if (!extended_ && !always && code == kRigOk) return;
    out_ += "RPRT " + std::to_string(code) + "\n";
  }

 private:
  bool extended_;
  char separator_;
  std::string& out_;
};

int SetFrequency(RigControl& rig, std::string_view text) {
  const auto hz = ParseRigNumber(text);
  if (!hz || *hz < 0 || *hz > kMaxFrequencyKhz * 1000) return kRigInvalid;
  return rig.KeyInFrequency(KeypadTextFromHz(*hz)) ? kRigOk : kRigIoError;
}

int SetMode(RigControl& rig, std::string_view mode, std::string_view passband_text) {
  const auto demodulator = DemodulatorForMode(mode);
  const auto passband = ParseRigNumber(passband_text);
  if (!demodulator || !passband || *passband < -1) return kRigInvalid;
  // 0 asks for the mode's usual width and -1 for no change: both keep the
  // bandwidth as it is.
  const std::string bandwidth = *passband > 0 ? BandwidthForPassband(*passband).Text : "";
  return rig.SelectMode(*demodulator, bandwidth) ? kRigOk : kRigIoError;
}

int SetVfo(std::string_view vfo) {
  return vfo == "VFOA" || vfo == "VFO" || vfo == "Main" || vfo == "currVFO" ? kRigOk : kRigInvalid;
}

int SetPtt(std::string_view ptt) {
  const auto value = ParseRigNumber(ptt);
  if (!value) return kRigInvalid;
  return *value == 0 ? kRigOk : kRigNotAvailable;
}

// Carries out one request; false for a request that ends the connection.
bool Carry(const RigLine& line, const RigRequest& request, RigControl& rig, std::string& out) {
  if (request.Entry == nullptr) {
    out += "RPRT " + std::to_string(kRigNotImplemented) + "\n";
    return true;
  }
  if (request.Entry->Command == RigCommand::Quit) return false;
  Answer answer(line, request, out);
  if (request.Arguments.size() < request.Entry->Arguments) {
    answer.Result(kRigInvalid);
    return true;
  }
  const auto& arguments = request.Arguments;
  switch (request.Entry->Command) {
    // Setting commands report their result in both forms.
    case RigCommand::SetFreq:
      answer.Result(SetFrequency(rig, arguments[0]), true);
      return true;
    case RigCommand::SetMode:
      answer.Result(SetMode(rig, arguments[0], arguments[1]), true);
      return true;
    case RigCommand::SetVfo:
      answer.Result(SetVfo(arguments[0]), true);
      return true;
    case RigCommand::SetPtt:
      answer.Result(SetPtt(arguments[0]), true);
      return true;
    case RigCommand::GetFreq:
      answer.Value("Frequency", std::to_string(rig.Tuned().FrequencyHz));
      break;
    case RigCommand::GetMode: {
      const TunedState tuned = rig.Tuned();
      answer.Value("Mode", ModeForDemodulator(tuned.Demodulator));
      answer.Value("Passband", std::to_string(tuned.BandwidthHz));
      break;
    }
    case RigCommand::GetVfo:
      answer.Value("VFO", "VFOA");
      break;
    case RigCommand::GetPtt:
      answer.Value("PTT", "0");
      break;
    case RigCommand::GetPowerStat:
      answer.Value("Power Status", "1");
      break;
    case RigCommand::ChkVfo:
      answer.Value("ChkVFO", "0");
      break;
    case RigCommand::DumpState:
      answer.Block(DumpState());
      break;
    case RigCommand::GetLockMode:
      answer.Value("Locked", "0");
      break;
    case RigCommand::Quit:
      break;
  }
  answer.Result(kRigOk);
  return true;
}

}  // namespace

bool AnswerRigLine(std::string_view line, RigControl& rig, std::string& answers) {
  const RigLine parsed = ParseRigLine(line);
  for (const RigRequest& request : parsed.Requests)
    if (!Carry(parsed, request, rig, answers)) return true;
  return false;
}

}  // namespace vorn
