#pragma once

#include <string>

namespace vorn {

// Compares two texts the way the system's locale-aware, case-sensitive string
// comparison does for texts of digits, letters, blanks, "." and "-":
// 1. hyphens (and apostrophes) aside, blanks sort before other punctuation,
//    punctuation before digits, digits before letters, letters without regard
//    to case, and a text before its own continuations;
// 2. then, at the first letter that differs only in case, lower case first;
// 3. then by the hyphens: none first, then the one whose first differing hyphen
//    stands further right, an apostrophe before a hyphen at the same place.
// Other characters sort by their byte value after their class.
// Returns a negative number, zero or a positive number.
int AnsiCompare(const std::string& a, const std::string& b);

}  // namespace vorn
