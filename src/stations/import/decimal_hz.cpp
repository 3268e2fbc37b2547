#include "stations/import/decimal_hz.h"

#include "platform/decimal_text.h"
#include "platform/station_rows.h"

namespace vorn {

std::optional<std::int64_t> TunableHz(std::string_view text, FrequencyUnit unit) {
  constexpr DecimalSyntax kFileNumber{kSpacesAndTabs, kNoChars, kPoint, false};
  const auto number = ReadDecimal(text, kFileNumber);
  if (!number) return std::nullopt;
  const auto hz =
      ScaledInteger(*number, {static_cast<int>(unit), Rounding::Exact, kMaxFrequencyKhz * 1000});
  if (!hz || *hz <= 0) return std::nullopt;
  return hz;
}

}  // namespace vorn
