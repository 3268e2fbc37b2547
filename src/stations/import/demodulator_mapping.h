#pragma once

#include <string_view>

#include "platform/tuning_values.h"

namespace vorn {

// The receiver's demodulator for another program's mode name ("NFM", "AM-Sync",
// "CW-L", "usb"); AM for a mode it does not know.
const char* DemodulatorForMode(std::string_view mode);

// The receiver's demodulator when the mode name is exactly one of its own
// (ignoring case and blanks around it), otherwise null.
const char* ReceiverDemodulator(std::string_view mode);

// The bandwidth a station gets when its file names none: 6 kHz for AM, SAM and
// USER, 3 kHz for LSB and USB, 1.6 kHz for RTTY, 0.8 kHz for CW, 12 kHz for FM
// and DRM.
const BandwidthChoice& DefaultBandwidth(std::string_view demodulator);

}  // namespace vorn
