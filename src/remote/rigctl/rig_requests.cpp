#include "remote/rigctl/rig_requests.h"

#include "platform/decimal_text.h"

namespace vorn {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsExtendedPrefix(char c) {
  return c == '+' || c == ';' || c == '|' || c == ',';
}

// A number or a VFO name where a command should begin: what clients that
// think every command takes a VFO, or that repeat a value, leave behind.
bool IsSurplusArgument(std::string_view word) {
  if (ParseRigVfo(word)) return true;
  std::size_t at = 0;
  if (word[0] == '+' || word[0] == '-') ++at;
  return at < word.size() && (IsDigit(word[at]) || word[at] == '.');
}

const RigCommandEntry* FindLetter(char letter) {
  for (const RigCommandEntry& entry : RigCommands())
    if (entry.Letter != 0 && entry.Letter == letter) return &entry;
  return nullptr;
}

const RigCommandEntry* FindName(std::string_view name) {
  for (const RigCommandEntry& entry : RigCommands())
    if (entry.Name == name) return &entry;
  return nullptr;
}

}  // namespace

const std::vector<RigCommandEntry>& RigCommands() {
  using enum RigResult;
  static const std::vector<RigCommandEntry> commands = {
      {RigCommand::SetFreq, 'F', "set_freq", 1, Report},
      {RigCommand::GetFreq, 'f', "get_freq", 0, Values},
      {RigCommand::SetMode, 'M', "set_mode", 2, Report},
      {RigCommand::GetMode, 'm', "get_mode", 0, Values},
      {RigCommand::SetVfo, 'V', "set_vfo", 1, Report},
      {RigCommand::GetVfo, 'v', "get_vfo", 0, Values},
      {RigCommand::SetPtt, 'T', "set_ptt", 1, Report},
      {RigCommand::GetPtt, 't', "get_ptt", 0, Values},
      {RigCommand::SetSplitVfo, 'S', "set_split_vfo", 2, Report},
      {RigCommand::GetSplitVfo, 's', "get_split_vfo", 0, Values},
      {RigCommand::GetVfoInfo, 0, "get_vfo_info", 1, Values},
      {RigCommand::GetPowerStat, 0, "get_powerstat", 0, Values},
      {RigCommand::ChkVfo, 0, "chk_vfo", 0, Never},
      {RigCommand::DumpState, 0, "dump_state", 0, Values},
      {RigCommand::GetLockMode, 0, "get_lock_mode", 0, Report},
      {RigCommand::Quit, 'q', "quit", 0, Report},
      {RigCommand::Quit, 'Q', "quit", 0, Report},
  };
  return commands;
}

RigLine ParseRigLine(std::string_view line) {
  RigLine parsed;
  std::size_t at = 0;
  const auto skip_space = [&] {
    while (at < line.size() && IsSpace(line[at])) ++at;
  };
  const auto word = [&] {
    const std::size_t start = at;
    while (at < line.size() && !IsSpace(line[at])) ++at;
    return line.substr(start, at - start);
  };

  for (skip_space(); at < line.size(); skip_space()) {
    if (!parsed.Requests.empty() && IsSpace(line[at - 1])) {
      const std::size_t start = at;
      if (IsSurplusArgument(word())) continue;
      at = start;
    }
    RigRequest request;
    if (IsExtendedPrefix(line[at])) {
      request.Extended = true;
      request.Separator = line[at] == '+' ? '\n' : line[at];
      ++at;
    }
    if (at < line.size() && line[at] == '\\') {
      ++at;
      request.Entry = FindName(word());
    } else if (at < line.size()) {
      request.Entry = FindLetter(line[at++]);
    }
    if (request.Entry != nullptr) {
      for (std::size_t i = 0; i < request.Entry->Arguments; ++i) {
        skip_space();
        if (at == line.size()) break;
        request.Arguments.push_back(word());
      }
    }
    const bool complete =
        request.Entry != nullptr && request.Arguments.size() == request.Entry->Arguments;
    parsed.Requests.push_back(std::move(request));
    if (!complete) break;
  }
  return parsed;
}

std::optional<RigVfo> ParseRigVfo(std::string_view name) {
  if (name == "VFOA" || name == "Main") return RigVfo::A;
  if (name == "VFOB" || name == "Sub") return RigVfo::B;
  if (name == "currVFO" || name == "VFO") return RigVfo::Current;
  return std::nullopt;
}

std::optional<std::int64_t> ParseRigNumber(std::string_view text) {
  constexpr DecimalSyntax kRigNumber{kNoChars, kPlusOrMinus, kPoint, false};
  const auto number = ReadDecimal(text, kRigNumber);
  if (!number) return std::nullopt;
  return ScaledInteger(*number, {0, Rounding::HalfUp, 999'999'999'999'999});
}

}  // namespace vorn
