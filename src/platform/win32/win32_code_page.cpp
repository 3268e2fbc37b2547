#include "platform/win32/win32_code_page.h"

#include <windows.h>

#include <climits>
#include <string>

namespace vorn {

std::optional<std::string> Win32CodePage::FromUtf8(std::string_view utf8) const {
  if (utf8.empty()) return std::string();
  if (utf8.size() > INT_MAX) return std::nullopt;
  const int length = static_cast<int>(utf8.size());
  const int wide_length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (wide_length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, wide.data(), wide_length);
  // Without flags the system picks a best fit where it has one; "?" otherwise.
  const int ansi_length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, nullptr, 0, "?", nullptr);
  if (ansi_length <= 0) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(ansi_length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, ansi.data(), ansi_length, "?", nullptr);
  return ansi;
}

}  // namespace vorn
