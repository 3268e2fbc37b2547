#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// The text without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// The fields of a line between `delimiter`s, each without blanks around it;
// no quoting. "a; b;" gives "a", "b" and "".
std::vector<std::string_view> SplitTrimmed(std::string_view line, char delimiter);

// The fields of a comma-separated line. A field in double quotes may hold
// commas, and a doubled quote inside stands for one. False, with `fields`
// unspecified, when a quote is not closed or text follows a closing quote.
bool SplitCommaQuoted(std::string_view line, std::vector<std::string>& fields);

// ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vorn
