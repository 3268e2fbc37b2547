#pragma once

#include <vector>

#include "platform/alert.h"
#include "platform/locale.h"

namespace vorn {

// Regional settings that a test sets.
class SimLocale : public Locale {
 public:
  explicit SimLocale(char decimal_separator = '.') : separator_(decimal_separator) {}
  void SetDecimalSeparator(char separator) { separator_ = separator; }
  char DecimalSeparator() override { return separator_; }

 private:
  char separator_;
};

// Records the beeps and caption flashes.
class SimAlert : public Alert {
 public:
  void Beep() override { ++beeps_; }
  void FlashCaption(WindowHandle window) override { flashed_.push_back(window); }

  int Beeps() const { return beeps_; }
  const std::vector<WindowHandle>& Flashed() const { return flashed_; }

 private:
  int beeps_ = 0;
  std::vector<WindowHandle> flashed_;
};

}  // namespace vorn
