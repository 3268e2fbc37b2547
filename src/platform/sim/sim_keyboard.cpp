#include "platform/sim/sim_keyboard.h"

#include "platform/sim/sim_toolkit.h"

namespace vorn {

using namespace sim_keys;

namespace {

// Punctuation keys of a US keyboard: the key, its character and its shifted one.
struct PunctuationKey {
  VirtualKey key;
  char plain;
  char shifted;
};
constexpr PunctuationKey kPunctuation[] = {
    {0xBA, ';', ':'},  {0xBB, '=', '+'}, {0xBC, ',', '<'},  {0xBD, '-', '_'},
    {0xBE, '.', '>'},  {0xBF, '/', '?'}, {0xC0, '`', '~'},  {0xDB, '[', '{'},
    {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '\'', '"'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

VirtualKey SimKeyOf(char c, ShiftState& shift) {
  shift = {};
  if (c >= '0' && c <= '9') return static_cast<VirtualKey>(c);
  if (c >= 'a' && c <= 'z') return static_cast<VirtualKey>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') {
    shift.Shift = true;
    return static_cast<VirtualKey>(c);
  }
  switch (c) {
    case ' ':
      return kSpace;
    case '\r':
      return kReturn;
    case '\b':
      return kBack;
    case '\t':
      return kTab;
    case '\x1b':
      return kEscape;
    default:
      break;
  }
  for (const PunctuationKey& p : kPunctuation) {
    if (c == p.plain) return p.key;
    if (c == p.shifted) {
      shift.Shift = true;
      return p.key;
    }
  }
  for (int digit = 0; digit < 10; ++digit) {
    if (c == kShiftedDigits[digit]) {
      shift.Shift = true;
      return static_cast<VirtualKey>('0' + digit);
    }
  }
  return 0;
}

std::optional<char> SimCharacterOf(VirtualKey key, ShiftState shift) {
  if (shift.Alt) return std::nullopt;
  if (key >= 'A' && key <= 'Z') {
    if (shift.Ctrl) return static_cast<char>(key - 'A' + 1);
    return static_cast<char>(shift.Shift ? key : key - 'A' + 'a');
  }
  if (shift.Ctrl) return std::nullopt;
  if (key >= '0' && key <= '9')
    return shift.Shift ? kShiftedDigits[key - '0'] : static_cast<char>(key);
  if (key >= kNumpad0 && key <= kNumpad0 + 9) return static_cast<char>('0' + key - kNumpad0);
  switch (key) {
    case kSpace:
      return ' ';
    case kReturn:
      return '\r';
    case kBack:
      return '\b';
    case kTab:
      return '\t';
    case kEscape:
      return '\x1b';
    case kMultiply:
      return '*';
    case kAdd:
      return '+';
    case kSubtract:
      return '-';
    case kDecimal:
      return '.';
    case kDivide:
      return '/';
    default:
      break;
  }
  for (const PunctuationKey& p : kPunctuation)
    if (key == p.key) return shift.Shift ? p.shifted : p.plain;
  return std::nullopt;
}

bool SimToolkit::Keystroke(VirtualKey key, ShiftState shift, SimWidget* target,
                           std::optional<char> typed) {
  bool consumed = false;
  UserAction([&] {
    SimWidget* to = target;
    if (!to && active_ && active_->FocusedWidget() && active_->FocusedWidget()->Showing())
      to = active_->FocusedWidget();
    SimWindow* window = to ? &to->OwnerWindow() : active_;
    if (!window) return;
    if (window->WindowKey(key, shift)) {
      consumed = true;
    } else if (window->PreviewKey(key, shift)) {
      // Taken before translation: no character follows.
      consumed = true;
    } else if (to) {
      // Translated before the control sees the key, the character is on its
      // way whatever the control's handler does with the key.
      if (const std::optional<char> c = typed ? typed : SimCharacterOf(key, shift))
        Post([to, c] { to->Character(*c); });
      consumed = to->KeyPressed(key, shift);
    }
    // The release goes to the control that has the focus by then.
    Post([window, target, key] {
      SimWidget* up = target ? target : window->FocusedWidget();
      if (up && up->Showing()) up->KeyReleased(key);
    });
  });
  return consumed;
}

}  // namespace vorn
