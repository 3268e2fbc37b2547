#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorn {

// The upper end of the receiver's keypad, in kHz: no station lies above it.
inline constexpr std::int64_t kMaxFrequencyKhz = 40000;

// One station as the list view shows it: caption and three sub-items.
struct StationRow {
  std::string Frequency;
  std::string Bandwidth;
  std::string Demodulator;
  std::string Name;

  bool operator==(const StationRow&) const = default;
};

// The rows of the station list view. The view holds the rows; nobody keeps a
// second copy.
class StationRows {
 public:
  virtual ~StationRows() = default;

  virtual std::size_t Count() const = 0;
  // Valid until the rows next change.
  virtual const StationRow& Row(std::size_t index) const = 0;
  virtual void Append(const StationRow& row) = 0;
  // A sorted view places the row by its caption, as an append does; the
  // selection stays on it.
  virtual void Replace(std::size_t index, const StationRow& row) = 0;
  virtual void Remove(std::size_t index) = 0;
  virtual void Clear() = 0;
};

}  // namespace vorn
