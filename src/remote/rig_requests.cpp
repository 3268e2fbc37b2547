#include "remote/rig_requests.h"

#include <array>

namespace vorn {

namespace {

constexpr std::array<RigCommandEntry, 13> kCommands = {{
    {RigCommand::SetFreq, 'F', "set_freq", 1},
    {RigCommand::GetFreq, 'f', "get_freq", 0},
    {RigCommand::SetMode, 'M', "set_mode", 2},
    {RigCommand::GetMode, 'm', "get_mode", 0},
    {RigCommand::SetVfo, 'V', "set_vfo", 1},
    {RigCommand::GetVfo, 'v', "get_vfo", 0},
    {RigCommand::SetPtt, 'T', "set_ptt", 1},
    {RigCommand::GetPtt, 't', "get_ptt", 0},
    {RigCommand::GetPowerStat, 0, "get_powerstat", 0},
    {RigCommand::ChkVfo, 0, "chk_vfo", 0},
    {RigCommand::DumpState, 0, "dump_state", 0},
    {RigCommand::GetLockMode, 0, "get_lock_mode", 0},
    {RigCommand::Quit, 'q', "quit", 0},
}};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

const RigCommandEntry* FindLetter(char letter) {
  for (const RigCommandEntry& entry : kCommands)
    if (entry.Letter != 0 && entry.Letter == letter) return &entry;
  return nullptr;
}

const RigCommandEntry* FindName(std::string_view name) {
  for (const RigCommandEntry& entry : kCommands)
    if (entry.Name == name) return &entry;
  return nullptr;
}

}  // namespace

RigLine ParseRigLine(std::string_view line) {
  RigLine parsed;
  std::size_t at = 0;
  if (!line.empty() && (line[0] == '+' || line[0] == ';' || line[0] == '|' || line[0] == ',')) {
    parsed.Extended = true;
    parsed.Separator = line[0] == '+' ? '\n' : line[0];
    at = 1;
  }
  const auto skip_space = [&] {
    while (at < line.size() && IsSpace(line[at])) ++at;
  };
  const auto word = [&] {
    const std::size_t start = at;
    while (at < line.size() && !IsSpace(line[at])) ++at;
    return line.substr(start, at - start);
  };

  for (skip_space(); at < line.size(); skip_space()) {
    RigRequest request;
    if (line[at] == '\\') {
      ++at;
      request.Entry = FindName(word());
    } else {
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

std::optional<std::int64_t> ParseRigNumber(std::string_view text) {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;
  std::int64_t value = 0;
  std::size_t digits = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (++digits > 15) return std::nullopt;
    value = value * 10 + (text[at] - '0');
  }
  bool round_up = false;
  if (at < text.size() && text[at] == '.') {
    ++at;
    if (at < text.size() && text[at] >= '0' && text[at] <= '9') {
      round_up = text[at] >= '5';
      ++digits;
    }
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  }
  if (digits == 0 || at != text.size()) return std::nullopt;
  if (round_up) ++value;
  return negative ? -value : value;
}

}  // namespace vorn
