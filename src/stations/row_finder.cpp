#include "stations/row_finder.h"

namespace vorn {

namespace {

constexpr std::array<unsigned char, 256> MakeFolding() {
  std::array<unsigned char, 256> fold{};
  for (int c = 0; c < 256; ++c) {
    const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    fold[static_cast<std::size_t>(c)] = static_cast<unsigned char>(upper ? c + 0x20 : c);
  }
  return fold;
}

constexpr std::array<unsigned char, 256> kFold = MakeFolding();

unsigned char Fold(char c) {
  return kFold[static_cast<unsigned char>(c)];
}

}  // namespace

RowFinder::RowFinder(std::string_view text) {
  needle_.reserve(text.size());
  for (char c : text) needle_.push_back(static_cast<char>(Fold(c)));
  shift_.fill(needle_.empty() ? 1 : needle_.size());
  for (std::size_t i = 0; i + 1 < needle_.size(); ++i)
    shift_[static_cast<unsigned char>(needle_[i])] = needle_.size() - 1 - i;
}

bool RowFinder::Contains(std::string_view text) const {
  const std::size_t n = needle_.size();
  if (text.size() < n) return false;
  const auto last = static_cast<unsigned char>(needle_[n - 1]);
  for (std::size_t at = 0; at + n <= text.size();) {
    const unsigned char c = Fold(text[at + n - 1]);
    if (c == last) {
      std::size_t i = 0;
      while (i + 1 < n && Fold(text[at + i]) == static_cast<unsigned char>(needle_[i])) ++i;
      if (i + 1 >= n) return true;
    }
    at += shift_[c];
  }
  return false;
}

bool RowFinder::Matches(const StationRow& row) const {
  return !needle_.empty() &&
         (Contains(row.Frequency) || Contains(row.Demodulator) || Contains(row.Name));
}

std::optional<std::size_t> RowFinder::Find(const StationRows& rows, std::size_t start) const {
  const std::size_t count = rows.Count();
  if (needle_.empty() || count == 0) return std::nullopt;
  if (start >= count) start = 0;
  for (std::size_t i = start; i < count; ++i)
    if (Matches(rows.Row(i))) return i;
  for (std::size_t i = 0; i < start; ++i)
    if (Matches(rows.Row(i))) return i;
  return std::nullopt;
}

}  // namespace vorn
