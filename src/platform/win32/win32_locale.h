#pragma once

#include "platform/alert.h"
#include "platform/locale.h"

namespace vorn {

class Win32Locale : public Locale {
 public:
  char DecimalSeparator() override;
};

class Win32Alert : public Alert {
 public:
  void Beep() override;
  void FlashCaption(WindowHandle window) override;
};

}  // namespace vorn
