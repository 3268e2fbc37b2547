#include "remote/rig_answers.h"

#include "platform/tuning_values.h"
#include "remote/dump_state.h"
#include "remote/rig_modes.h"

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

// What a VFO holds, as the protocol reports it.
struct VfoValues {
  std::int64_t FrequencyHz;
  std::string Mode;
  std::int64_t PassbandHz;
};

VfoValues ValuesOfA(const TunedState& tuned) {
  return {tuned.FrequencyHz,
          tuned.Mode.empty() ? ModeForDemodulator(tuned.Demodulator) : tuned.Mode,
          tuned.BandwidthHz};
}

VfoValues ValuesOf(RigControl& rig, const RigVfos& vfos, bool b) {
  VfoValues values = ValuesOfA(rig.Tuned());
  if (!b) return values;
  if (vfos.FrequencyB) values.FrequencyHz = *vfos.FrequencyB;
  if (vfos.ModeB) {
    values.Mode = *vfos.ModeB;
    values.PassbandHz = vfos.PassbandB;
  }
  return values;
}

std::optional<std::int64_t> FrequencyHz(std::string_view text) {
  const auto hz = ParseRigNumber(text);
  if (!hz || *hz < 0 || *hz > kMaxFrequencyKhz * 1000) return std::nullopt;
  return hz;
}

int SetFrequency(RigControl& rig, RigVfos& vfos, std::string_view text) {
  const auto hz = FrequencyHz(text);
  if (!hz) return kRigInvalid;
  if (vfos.OnB) {
    vfos.FrequencyB = *hz;
    return kRigOk;
  }
  return rig.KeyInHz(*hz) ? kRigOk : kRigIoError;
}

int SetMode(RigControl& rig, RigVfos& vfos, std::string_view mode, std::string_view passband_text) {
  const auto demodulator = DemodulatorForMode(mode);
  const auto passband = ParseRigNumber(passband_text);
  if (!demodulator || !passband || *passband < -1) return kRigInvalid;
  // 0 asks for the mode's usual width and -1 for no change: both keep the
  // bandwidth as it is.
  const BandwidthChoice* bandwidth = *passband > 0 ? &BandwidthForPassband(*passband) : nullptr;
  if (vfos.OnB) {
    vfos.PassbandB = bandwidth ? bandwidth->Hz : ValuesOf(rig, vfos, true).PassbandHz;
    vfos.ModeB = std::string(mode);
    return kRigOk;
  }
  return rig.SelectMode(std::string(mode), *demodulator, bandwidth ? bandwidth->Text : "")
             ? kRigOk
             : kRigIoError;
}

int SetVfo(RigVfos& vfos, std::string_view name) {
  const auto vfo = ParseRigVfo(name);
  if (!vfo) return kRigInvalid;
  if (*vfo != RigVfo::Current) {
    vfos.OnB = *vfo == RigVfo::B;
    vfos.Name = std::string(name);
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
  answer.Value("Mode", values.Mode);
  answer.Value("Width", std::to_string(values.PassbandHz));
  answer.Value("Split", "0");
  answer.Value("SatMode", "0");
}

// Carries out one request and writes its answer; false for a request that
// ends the connection.
bool Carry(const RigRequest& request, RigControl& rig, RigVfos& vfos, std::string& out) {
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
  int code = kRigOk;
  switch (request.Entry->Command) {
    case RigCommand::SetFreq:
      code = SetFrequency(rig, vfos, arguments[0]);
      break;
    case RigCommand::SetMode:
      code = SetMode(rig, vfos, arguments[0], arguments[1]);
      break;
    case RigCommand::SetVfo:
      code = SetVfo(vfos, arguments[0]);
      break;
    case RigCommand::SetPtt:
      code = ZeroOnly(arguments[0]);
      break;
    case RigCommand::SetSplitVfo:
      code = SetSplit(arguments[0], arguments[1]);
      break;
    case RigCommand::GetFreq:
      answer.Value("Frequency", std::to_string(ValuesOf(rig, vfos, vfos.OnB).FrequencyHz));
      break;
    case RigCommand::GetMode: {
      const VfoValues values = ValuesOf(rig, vfos, vfos.OnB);
      answer.Value("Mode", values.Mode);
      answer.Value("Passband", std::to_string(values.PassbandHz));
      break;
    }
    case RigCommand::GetVfo:
      answer.Value("VFO", vfos.Name);
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
      ReportVfoInfo(
          answer, ValuesOf(rig, vfos, *vfo == RigVfo::B || (*vfo == RigVfo::Current && vfos.OnB)));
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

bool AnswerRigLine(std::string_view line, RigControl& rig, RigVfos& vfos, std::string& answers) {
  for (const RigRequest& request : ParseRigLine(line).Requests)
    if (!Carry(request, rig, vfos, answers)) return true;
  return false;
}

}  // namespace vorn
