#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vorn {

enum class RigCommand {
  SetFreq,
  GetFreq,
  SetMode,
  GetMode,
  SetVfo,
  GetVfo,
  SetPtt,
  GetPtt,
  GetPowerStat,
  ChkVfo,
  DumpState,
  GetLockMode,
  Quit,
};

struct RigCommandEntry {
  RigCommand Command;
  char Letter;  // 0 for commands that only have a long name
  std::string_view Name;
  std::size_t Arguments;
};

struct RigRequest {
  // Null for a command nobody knows.
  const RigCommandEntry* Entry = nullptr;
  // Fewer than the command takes when the line ran out.
  std::vector<std::string_view> Arguments;
};

// One request line: commands one after another, each a letter or a long
// name after a backslash, each followed by its arguments.
struct RigLine {
  // `+` (answers end with a line each) or `;` `|` `,` (answers on one line,
  // split by that character) before the first command: "Key: value" answers
  // that each end with their result.
  bool Extended = false;
  char Separator = '\n';
  // Ends at the first unknown command or the first one short of arguments.
  std::vector<RigRequest> Requests;
};

// Parses a line without its line end; the requests point into `line`.
RigLine ParseRigLine(std::string_view line);

// A decimal number with an optional sign and decimals, rounded to an
// integer; nothing for anything else or beyond 15 digits.
std::optional<std::int64_t> ParseRigNumber(std::string_view text);

}  // namespace vorn
