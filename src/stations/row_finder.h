#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/station_rows.h"

namespace vorn {

// Finds the rows whose frequency, demodulator or name contains a text, case
// ignored (ASCII and the Latin-1 letters). Prepared once per text, so that
// searching a long list allocates nothing.
class RowFinder {
 public:
  explicit RowFinder(std::string_view text);

  bool Matches(const StationRow& row) const;
  // The first matching row from `start` on, wrapping round to the top; empty
  // when no row matches or the text is empty. A start beyond the rows starts
  // at the top.
  std::optional<std::size_t> Find(const StationRows& rows, std::size_t start) const;

 private:
  bool Contains(std::string_view text) const;

  std::string needle_;  // folded to lower case
  // How far the window moves on after a mismatch, by the folded character
  // under its last position.
  std::array<std::size_t, 256> shift_{};
};

}  // namespace vorn
