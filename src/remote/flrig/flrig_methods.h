#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "remote/vfo_pair.h"

namespace vorn {

// Answers one call's body with the body of its answer: a value, or a fault
// with code -1. Only a method that is not served is called "unknown": the
// library client takes that word, anywhere, for "not available".
std::string AnswerFlrigCall(std::string_view body, VfoPair& vfos);

// Every method served, as system.listMethods lists them.
std::vector<std::string> FlrigMethodNames();

}  // namespace vorn
