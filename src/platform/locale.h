#pragma once

namespace vorn {

// The user's regional settings, read fresh on every call.
class Locale {
 public:
  virtual ~Locale() = default;
  // The first character of the decimal separator, '.' when there is none.
  virtual char DecimalSeparator() = 0;
};

}  // namespace vorn
