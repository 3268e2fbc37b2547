#include "platform/framework_error.h"

#include <initializer_list>
#include <string_view>

namespace vorn {

namespace {

// The framework's texts in the ANSI code page: \xF6 is o-umlaut, \xFC
// u-umlaut. A literal ends after such an escape so that the next letter is
// not read as part of it.
constexpr std::string_view kOpenError =
    "Datei %s kann nicht ge\xF6"
    "ffnet werden. %s";
constexpr std::string_view kListIndexError =
    "Listenindex \xFC"
    "berschreitet das Maximum (%d)";
constexpr std::string_view kProfileWriteError = "In %s kann nicht geschrieben werden";
constexpr std::string_view kOtherInOutError = "E/A-Fehler %d";

struct InOutText {
  std::uint32_t Code;
  std::string_view Text;
};
constexpr InOutText kInOutErrors[] = {
    {2, "Datei nicht gefunden"},
    {3,
     "Ung\xFC"
     "ltiger Dateiname"},
    {4,
     "Zu viele ge\xF6"
     "ffnete Dateien"},
    {5, "Dateizugriff verweigert"},
    {100, "Versuch hinter dem Dateiende zu lesen"},
    {101, "Zu wenig Speicherplatz"},
    {106,
     "Ung\xFC"
     "ltige numerische Eingabe"},
};

// The template with each "%s" or "%d" replaced by the next argument.
std::string Fill(std::string_view format, std::initializer_list<std::string_view> arguments) {
  std::string text;
  auto argument = arguments.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && argument != arguments.end()) {
      text.append(*argument++);
      ++i;
    } else {
      text.push_back(format[i]);
    }
  }
  return text;
}

}  // namespace

FileOpenError::FileOpenError(const std::string& path, const std::string& reason)
    : FrameworkError(Fill(kOpenError, {path, reason})) {}

ListIndexError::ListIndexError(std::size_t index)
    : FrameworkError(Fill(kListIndexError, {std::to_string(index)})), index_(index) {}

InOutError::InOutError(std::uint32_t code) : FrameworkError(InOutErrorText(code)), code_(code) {}

ProfileWriteError::ProfileWriteError(const std::string& path)
    : FrameworkError(Fill(kProfileWriteError, {path})) {}

std::string InOutErrorText(std::uint32_t code) {
  for (const InOutText& known : kInOutErrors)
    if (known.Code == code) return std::string(known.Text);
  return Fill(kOtherInOutError, {std::to_string(code)});
}

}  // namespace vorn
