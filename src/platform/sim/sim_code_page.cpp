#include "platform/sim/sim_code_page.h"

#include <array>
#include <cstdint>

namespace vorn {

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 for the five that the code page
// leaves to the control characters of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    const char32_t same = kHighControls[i] == 0 ? 0x80 + i : kHighControls[i];
    if (c == same) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// The next character, strictly: no overlong form, no surrogate, nothing
// beyond U+10FFFF. False at a byte that starts no valid sequence.
bool NextCharacter(std::string_view& text, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    c = lead;
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    c = lead & 0x1F;
    length = 2;
    least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    c = lead & 0x0F;
    length = 3;
    least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    c = lead & 0x07;
    length = 4;
    least = 0x10000;
  } else {
    return false;
  }
  if (text.size() < length) return false;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return false;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  text.remove_prefix(length);
  return true;
}

}  // namespace

std::optional<std::string> SimCodePage::FromUtf8(std::string_view utf8) const {
  std::string ansi;
  ansi.reserve(utf8.size());
  for (char32_t c = 0; !utf8.empty();) {
    if (!NextCharacter(utf8, c)) return std::nullopt;
    ansi += ByteOf(c);
  }
  return ansi;
}

}  // namespace vorn
