#include "remote/kenwood/kenwood_session.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace vorn {

namespace {

struct KenwoodMode {
  char Digit;
  std::string_view Demodulator;
  ModeVariant Variant;
};

// The first digit for a demodulator is the one it reads as plainly; 8 is no
// mode of this radio.
constexpr std::array<KenwoodMode, 8> kModes = {{
    {'1', "LSB", ModeVariant::Plain},
    {'2', "USB", ModeVariant::Plain},
    {'3', "CW", ModeVariant::Plain},
    {'4', "FM", ModeVariant::Plain},
    {'5', "AM", ModeVariant::Plain},
    {'6', "RTTY", ModeVariant::Plain},
    {'7', "CW", ModeVariant::Reverse},
    {'9', "RTTY", ModeVariant::Reverse},
}};

// Modes with no digit of their own (SAM, DRM, USER, nothing tuned yet) read
// as AM: an unanswered mode read makes clients retry and then give up.
constexpr char kOtherModeDigit = '5';

std::optional<RadioMode> ModeOfDigit(std::string_view value) {
  if (value.size() != 1) return std::nullopt;
  for (const KenwoodMode& mode : kModes)
    if (mode.Digit == value[0]) return RadioMode{std::string(mode.Demodulator), mode.Variant};
  return std::nullopt;
}

// 1 to `width` decimal digits.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t width) {
  if (text.empty() || text.size() > width) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<Vfo> VfoOfDigit(std::string_view value) {
  if (value == "0") return Vfo::A;
  if (value == "1") return Vfo::B;
  return std::nullopt;
}

char DigitOfVfo(Vfo vfo) {
  return vfo == Vfo::A ? '0' : '1';
}

std::string Frequency(std::int64_t hz) {
  std::string digits = std::to_string(std::clamp<std::int64_t>(hz, 0, 99999999999));
  return std::string(11 - digits.size(), '0') + digits;
}

// A set goes through unless the value is one the receiver cannot take; one
// the receiver program did not answer is no fault of the command.
bool Accepted(RemoteOutcome outcome) {
  return outcome == RemoteOutcome::Done || outcome == RemoteOutcome::NotReached;
}

}  // namespace

KenwoodSession::KenwoodSession(ReceiverControl& receiver) : vfos_(receiver) {
  known_status_ = Status();
}

void KenwoodSession::Receive(std::string_view bytes, std::string& answers) {
  while (!bytes.empty()) {
    if (!commands_.Take(bytes)) break;
    if (commands_.Overlong()) continue;
    std::string command;
    for (char c : commands_.Frame()) {
      if (c == '\r' || c == '\n') continue;
      command += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (!command.empty()) Carry(command, answers);
  }
}

void KenwoodSession::Poll(std::string& answers) {
  if (auto_information_ == '0') return;
  std::string status = Status();
  if (status == known_status_) return;
  answers += status;
  known_status_ = std::move(status);
}

void KenwoodSession::Carry(std::string_view command, std::string& answers) {
  const std::string_view name = command.substr(0, 2);
  const std::string_view value = command.substr(std::min<std::size_t>(2, command.size()));
  if (value.empty()) {
    const Vfo rx = vfos_.Selected();
    // One answer: the command's name, its value, ';'.
    const auto answer = [&answers, name](std::string_view value) {
      answers.append(name).append(value).push_back(';');
    };
    if (name == "ID") {
      answer("019");
    } else if (name == "PS") {
      answer("1");
    } else if (name == "AI") {
      answer(std::string_view(&auto_information_, 1));
    } else if (name == "FA" || name == "FB") {
      answer(Frequency(vfos_.Values(name == "FA" ? Vfo::A : Vfo::B).FrequencyHz));
    } else if (name == "MD") {
      const char digit = ModeDigit(rx);
      answer(std::string_view(&digit, 1));
    } else if (name == "FR" || name == "FT") {
      const char digit = DigitOfVfo(name == "FR" ? rx : transmit_);
      answer(std::string_view(&digit, 1));
    } else if (name == "IF") {
      answers += Status();
    } else if (name == "SA") {
      answer("0");
    } else if (name == "PC" || name == "KS") {
      answer("000");
    } else if (name == "TX" || name == "RX") {
      // Receive-only: the switch is taken and nothing changes.
    } else {
      answers += "?;";
    }
    return;
  }
  if (name == "SM" && value == "0") {
    answers += "SM00000;";
    return;
  }
  if (!Set(name, value)) {
    answers += "?;";
    return;
  }
  // What the client did itself is no news to it.
  known_status_ = Status();
}

bool KenwoodSession::Set(std::string_view name, std::string_view value) {
  const Vfo rx = vfos_.Selected();
  if (name == "FA" || name == "FB") {
    const auto hz = Digits(value, 11);
    return hz && Accepted(vfos_.SetFrequency(name == "FA" ? Vfo::A : Vfo::B, *hz));
  }
  if (name == "MD") {
    const auto mode = ModeOfDigit(value);
    return mode && Accepted(vfos_.SetMode(rx, *mode, nullptr));
  }
  if (name == "FR" || name == "FT") {
    const auto vfo = VfoOfDigit(value);
    if (!vfo) return false;
    // As on the radio, choosing the receiving VFO makes it the transmitting
    // one too; FT alone then sets up split.
    if (name == "FR") vfos_.Select(*vfo);
    transmit_ = *vfo;
    return true;
  }
  if (name == "AI") {
    if (value.size() != 1 || value[0] < '0' || value[0] > '3') return false;
    auto_information_ = value[0];
    return true;
  }
  // Power, the transmitter and VOX: a receive-only radio that is always on
  // takes them and stays as it is.
  if (name == "PS" || name == "TX" || name == "RX" || name == "VX")
    return value.size() == 1 && value[0] >= '0' && value[0] <= '9';
  return false;
}

char KenwoodSession::ModeDigit(Vfo vfo) const {
  const RadioMode mode = vfos_.Values(vfo).Mode;
  for (const KenwoodMode& known : kModes)
    if (known.Demodulator == mode.Demodulator && known.Variant == mode.Variant) return known.Digit;
  for (const KenwoodMode& known : kModes)
    if (known.Demodulator == mode.Demodulator) return known.Digit;
  return kOtherModeDigit;
}

std::string KenwoodSession::Status() const {
  const Vfo rx = vfos_.Selected();
  std::string line = "IF";
  line += Frequency(vfos_.Values(rx).FrequencyHz);
  line += "0000";    // step
  line += "+00000";  // RIT/XIT offset
  line += "00";      // RIT, XIT off
  line += "000";     // memory channel
  line += '0';       // receiving
  line += ModeDigit(rx);
  line += DigitOfVfo(rx);
  line += '0';  // no scan
  line += rx != transmit_ ? '1' : '0';
  line += "0000";  // no tone, tone number, no shift
  line += ';';
  return line;
}

}  // namespace vorn
