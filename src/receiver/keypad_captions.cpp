#include "receiver/keypad_captions.h"

namespace vorn {

KeypadCaptions KeypadCaptionsFor(std::string_view version) {
  std::string upper(version);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (upper == "V2.1F") return {"Frequency", "kHz"};
  return {"Frequency (kHz)", "Ok"};
}

}  // namespace vorn
