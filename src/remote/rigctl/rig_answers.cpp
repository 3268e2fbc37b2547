#include "remote/rigctl/rig_answers.h"

#include "platform/tuning_values.h"
#include "remote/rigctl/dump_state.h"
#include "remote/rigctl/rig_modes.h"

namespace vorn {

namespace {

// Writes one request's answer in the plain or the extended form.
class Answer {
 public:
  Answer(const RigRequest& request, std::string& out)
      : extended_(request.Extended), separator_(request.Separator), out_(out) {
    if (!extended_ || request.Entry->Result == RigResult::Never) return;
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

  void Result(int code, RigResult result) {
    if (code == kRigOk &&
        (result == RigResult::Never || (!extended_ && result == RigResult::Values)))
      return;
    out_ += "RPRT " + std::to_string(code) + "\n";
  }

 private:
  bool extended_;
  char separator_;
  std::string& out_;
};

int Code(RemoteOutcome outcome) {
  switch (outcome) {
    case RemoteOutcome::Done:
      return kRigOk;
    case RemoteOutcome::Invalid:
      return kRigInvalid;
    case RemoteOutcome::NotReached:
      return kRigIoError;
    case RemoteOutcome::NotAvailable:
      break;
  }
  return kRigNotAvailable;
}

int SetFrequency(VfoPair& vfos, std::string_view text) {
  const auto hz = ParseRigNumber(text);
  if (!hz) return kRigInvalid;
  return Code(vfos.SetFrequency(vfos.Selected(), *hz));
}

int SetMode(VfoPair& vfos, std::string_view name, std::string_view passband_text) {
  const auto mode = RadioModeOfName(name);
  const auto passband = ParseRigNumber(passband_text);
  if (!mode || !passband || *passband < -1) return kRigInvalid;
  // 0 asks for the mode's usual width and -1 for no change: both keep the
  // bandwidth as it is.
  const BandwidthChoice* width = *passband > 0 ? &BandwidthForPassband(*passband) : nullptr;
  return Code(vfos.SetMode(vfos.Selected(), *mode, width));
}

int SetVfo(RigClient& client, std::string_view name) {
  const auto vfo = ParseRigVfo(name);
  if (!vfo) return kRigInvalid;
  if (*vfo != RigVfo::Current) {
    client.Vfos.Select(*vfo == RigVfo::B ? Vfo::B : Vfo::A);
    client.VfoName = std::string(name);
  }
  return kRigOk;
}

// A value that must be 0: the receiver has neither transmitter nor split.
int ZeroOnly(std::string_view text) {
  const auto value = ParseRigNumber(text);
  if (!value) return kRigInvalid;
  return *value == 0 ? kRigOk : kRigNotAvailable;
}

int SetSplit(std::string_view split, std::string_view tx_vfo) {
  if (!ParseRigVfo(tx_vfo)) return kRigInvalid;
  return ZeroOnly(split);
}

void ReportVfoInfo(Answer& answer, const VfoValues& values) {
  answer.Value("Freq", std::to_string(values.FrequencyHz));
  answer.Value("Mode", RigModeName(values.Mode));
  answer.Value("Width", std::to_string(values.PassbandHz));
  answer.Value("Split", "0");
  answer.Value("SatMode", "0");
}

// Carries out one request and writes its answer; false for a request that
// ends the connection.
bool Carry(const RigRequest& request, RigClient& client, std::string& out) {
  if (request.Entry == nullptr) {
    out += "RPRT " + std::to_string(kRigNotImplemented) + "\n";
    return true;
  }
  const RigResult result = request.Entry->Result;
  Answer answer(request, out);
  if (request.Arguments.size() < request.Entry->Arguments) {
    answer.Result(kRigInvalid, result);
    return true;
  }
  const auto& arguments = request.Arguments;
  VfoPair& vfos = client.Vfos;
  const VfoValues selected = vfos.Values(vfos.Selected());
  int code = kRigOk;
  switch (request.Entry->Command) {
    case RigCommand::SetFreq:
      code = SetFrequency(vfos, arguments[0]);
      break;
    case RigCommand::SetMode:
      code = SetMode(vfos, arguments[0], arguments[1]);
      break;
    case RigCommand::SetVfo:
      code = SetVfo(client, arguments[0]);
      break;
    case RigCommand::SetPtt:
      code = ZeroOnly(arguments[0]);
      break;
    case RigCommand::SetSplitVfo:
      code = SetSplit(arguments[0], arguments[1]);
      break;
    case RigCommand::GetFreq:
      answer.Value("Frequency", std::to_string(selected.FrequencyHz));
      break;
    case RigCommand::GetMode:
      answer.Value("Mode", RigModeName(selected.Mode));
      answer.Value("Passband", std::to_string(selected.PassbandHz));
      break;
    case RigCommand::GetVfo:
      answer.Value("VFO", client.VfoName);
      break;
    case RigCommand::GetPtt:
      answer.Value("PTT", "0");
      break;
    case RigCommand::GetSplitVfo:
      answer.Value("Split", "0");
      answer.Value("TX VFO", "VFOA");
      break;
    case RigCommand::GetVfoInfo: {
      const auto vfo = ParseRigVfo(arguments[0]);
      if (!vfo) {
        code = kRigInvalid;
        break;
      }
      ReportVfoInfo(answer, *vfo == RigVfo::Current
                                ? selected
                                : vfos.Values(*vfo == RigVfo::B ? Vfo::B : Vfo::A));
      break;
    }
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
      answer.Result(kRigOk, result);
      return false;
  }
  answer.Result(code, result);
  return true;
}

}  // namespace

bool AnswerRigLine(std::string_view line, RigClient& client, std::string& answers) {
  for (const RigRequest& request : ParseRigLine(line).Requests)
    if (!Carry(request, client, answers)) return true;
  return false;
}

}  // namespace vorn
