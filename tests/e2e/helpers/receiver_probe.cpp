// Drives the receiver link from a script. One command per line on stdin; each
// reply on stdout ends with a line "end".
//
//   find [KEYPAD-TITLE CONFIRM VERSION]   both window searches ("Frequency" "kHz"
//                                         "V2.1f" by default; quote words with
//                                         blanks): "main\t<status>", "keypad\t<status>"
//   key TEXT                              keys TEXT (the rest of the line, blanks
//                                         kept): "ok\t<us>" or "fail\t<us>"
//   tune FREQUENCY|BANDWIDTH|DEMODULATOR  tunes to a station row: as key
//   bench N                               N times, alternately, keys "7100.5"
//                                         through the link and sends the same 14
//                                         messages in a bare loop: "link\t<us>",
//                                         "bare\t<us>" per iteration
//   bare N [DEMODULATOR BANDWIDTH]        the same without the link's keyings; with
//                                         the two main-window captions, each bare
//                                         loop presses those buttons too
//   ping                                  waits up to 30 s until the keypad's
//                                         program answers: "ok" or "fail"
//   quit
//
// Statuses are printed as they are, carriage returns included.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "microseconds.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "platform/win32/win32_window_tree.h"
#include "receiver/control_actions.h"
#include "receiver/get_handles.h"

namespace {

using vorn::ReceiverLink;
using vorn::Table;

// Splits at blanks; double quotes group a word with blanks.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, in_word = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if (c == ' ' && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::vector<std::string> Fields(const std::string& text, char separator) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == separator)
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

void Reply(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
}

template <typename Action>
void Timed(Action action) {
  const long long start = Microseconds();
  const bool ok = action();
  Reply((ok ? "ok\t" : "fail\t") + std::to_string(Microseconds() - start));
}

void Find(ReceiverLink& link, const std::vector<std::string>& words) {
  const bool given = words.size() == 4;
  Reply("main\t" + link.FindMainControl("Perseus", "Dither"));
  Reply("keypad\t" + link.FindKeypadControl(given ? words[1] : "Frequency",
                                            given ? words[2] : "kHz", given ? words[3] : "V2.1f"));
}

bool BareKeying(const std::vector<HWND>& buttons) {
  for (HWND button : buttons) {
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutA(button, message, 0, vorn::kClickPosition, SMTO_ABORTIFHUNG,
                               vorn::Win32WindowTree::kSendTimeoutMs, &result))
        return false;
    }
  }
  return true;
}

void Bench(ReceiverLink& link, int iterations, bool with_link,
           const std::vector<std::string>& main_captions) {
  std::vector<HWND> buttons;
  const auto add = [&](Table table, const std::string& caption) {
    const auto handle = link.Lookup(table, caption);
    if (handle) buttons.push_back(reinterpret_cast<HWND>(*handle));
    return handle.has_value();
  };
  for (const std::string caption : {"7", "1", "0", "0", ".", "5", link.KeypadConfirm().c_str()}) {
    if (!add(Table::Keypad, caption)) return Reply("fail\tno keypad button " + caption);
  }
  for (const std::string& caption : main_captions) {
    if (!add(Table::Main, caption)) return Reply("fail\tno main button " + caption);
  }
  for (int i = 0; i < iterations; ++i) {
    long long start = Microseconds();
    if (with_link) {
      if (!vorn::KeyInFrequency(link, "7100.5")) return Reply("fail\tlink");
      Reply("link\t" + std::to_string(Microseconds() - start));
      start = Microseconds();
    }
    if (!BareKeying(buttons)) return Reply("fail\tbare");
    Reply("bare\t" + std::to_string(Microseconds() - start));
  }
}

bool Ping(const ReceiverLink& link) {
  const auto& controls = link.Controls(Table::Keypad);
  DWORD_PTR result = 0;
  return !controls.empty() && SendMessageTimeoutA(reinterpret_cast<HWND>(controls.front().Handle),
                                                  WM_NULL, 0, 0, SMTO_BLOCK, 30000, &result) != 0;
}

}  // namespace

int main() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  vorn::Win32WindowTree tree;
  ReceiverLink link(tree);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> words = Words(line);
    const std::string command = words.empty() ? "" : words[0];
    const std::string rest = line.size() > command.size() ? line.substr(command.size() + 1) : "";
    if (command == "quit") break;
    if (command == "find" && (words.size() == 1 || words.size() == 4)) {
      Find(link, words);
    } else if (command == "key") {
      Timed([&] { return vorn::KeyInFrequency(link, rest); });
    } else if (command == "tune" && Fields(rest, '|').size() == 3) {
      const auto fields = Fields(rest, '|');
      Timed([&] { return vorn::TuneToStation(link, {fields[0], fields[1], fields[2], ""}); });
    } else if ((command == "bench" || command == "bare") && words.size() == 2) {
      Bench(link, std::atoi(words[1].c_str()), command == "bench", {});
    } else if (command == "bare" && words.size() == 4) {
      Bench(link, std::atoi(words[1].c_str()), false, {words[2], words[3]});
    } else if (command == "ping") {
      Reply(Ping(link) ? "ok" : "fail");
    } else {
      Reply("error\tunknown command: " + line);
    }
    Reply("end");
    std::fflush(stdout);
  }
  return 0;
}
