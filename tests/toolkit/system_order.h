#pragma once

#include <string>
#include <vector>

namespace vorn {

// Texts in the order the system's comparison gives them (measured), ascending:
// blanks, hyphens and apostrophes count only when all else is equal, letters
// before their capitals, digits before letters.
inline const std::vector<std::string> kSystemOrder = {
    "",      "-",     " ",      " 1",     "- 1",   " 7100",  ".",     ".-",    "-.",
    ".1",    "0",     "1",      "1-",     "-1",    "1 ",     "1 0",   "1.",    "1.0",
    "1.5 2", "1.5-2", "10",     "1-0",    "10000", "12 kHz", "12kHz", "14100", "1a",
    "6070",  "7100",  "7100 5", "7100.5", "71005", "7100-5", "9",     "a",     "A",
    "a b",   "a.b",   "a-.b",   "a1",     "ab",    "ab'",    "ab-",   "a'b",   "a-b",
    "a--b",  "-ab",   "aB",     "a-B",    "Ab",    "A-b",    "AB",    "ab ",   "ab.",
    "abc",   "abc-",  "ab-c",   "b",      "B",     "co op",  "co.op", "coop",  "co-op",
    "Coop",  "Co-op", "x 1",    "x.1",    "x1",    "x-1",    "z",     "Z"};

}  // namespace vorn
