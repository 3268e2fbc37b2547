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
  SetSplitVfo,
  GetSplitVfo,
  GetVfoInfo,
  GetPowerStat,
  ChkVfo,
  DumpState,
  GetLockMode,
  Quit,
};

// How a command's success is reported in the plain form.
enum class RigResult {
  Values,  // the values alone
  Report,  // "RPRT 0", after any values
  Never,   // no result line in either form
};

struct RigCommandEntry {
  RigCommand Command;
  char Letter;  // 0 for commands that only have a long name
  std::string_view Name;
  std::size_t Arguments;
  RigResult Result;
};

// Every command the endpoint knows, in no particular order.
const std::vector<RigCommandEntry>& RigCommands();

struct RigRequest {
  // Null for a command nobody knows.
  const RigCommandEntry* Entry = nullptr;
  // Fewer than the command takes when the line ran out.
  std::vector<std::string_view> Arguments;
  // `+` (answers end with a line each) or `;` `|` `,` (answers on one line,
  // split by that character) just before the command: "Key: value" answers
  // that end with their result.
  bool Extended = false;
  char Separator = '\n';
};

// One request line: commands one after another, each a letter or a long
// name after a backslash, each followed by its arguments.
struct RigLine {
  // Ends at the first unknown command or the first one short of arguments.
  std::vector<RigRequest> Requests;
};

// Parses a line without its line end; the requests point into `line`. Words
// after a command's arguments that are numbers or VFO names are arguments it
// does not take, and are passed over.
RigLine ParseRigLine(std::string_view line);

// A VFO name of the protocol that the receiver's two VFOs answer to.
enum class RigVfo { A, B, Current };
std::optional<RigVfo> ParseRigVfo(std::string_view name);

// A decimal number with an optional sign and decimals, rounded half up to an
// integer; nothing for anything else or beyond 15 digits.
std::optional<std::int64_t> ParseRigNumber(std::string_view text);

}  // namespace vorn
