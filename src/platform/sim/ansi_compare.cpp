#include "platform/sim/ansi_compare.h"

#include <cstddef>

namespace vorn {

namespace {

bool IsSpecial(unsigned char c) {
  return c == '-' || c == '\'';
}

int Primary(unsigned char c) {
  if (c == ' ') return 1;
  if (c >= '0' && c <= '9') return 0x200 + c;
  if (c >= 'a' && c <= 'z') return 0x300 + c;
  if (c >= 'A' && c <= 'Z') return 0x300 + c + ('a' - 'A');
  if (c < 0x80) return 0x100 + c;
  return 0x400 + c;
}

int CaseWeight(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? 1 : 0;
}

int SpecialWeight(unsigned char c) {
  return c == '\'' ? 0 : 1;
}

// Walks the characters of one class (special or not) of a text.
class Cursor {
 public:
  Cursor(const std::string& text, bool special) : text_(text), special_(special) { Skip(); }
  bool AtEnd() const { return at_ >= text_.size(); }
  unsigned char Char() const { return static_cast<unsigned char>(text_[at_]); }
  std::size_t Position() const { return at_; }
  void Next() {
    ++at_;
    Skip();
  }

 private:
  void Skip() {
    while (at_ < text_.size() && IsSpecial(static_cast<unsigned char>(text_[at_])) != special_)
      ++at_;
  }
  const std::string& text_;
  bool special_;
  std::size_t at_ = 0;
};

// Compares the weights of one class in order; a text that runs out first sorts first.
template <typename Weigh>
int Level(const std::string& a, const std::string& b, bool special, Weigh weigh) {
  Cursor ca(a, special);
  Cursor cb(b, special);
  for (; !ca.AtEnd() && !cb.AtEnd(); ca.Next(), cb.Next())
    if (int r = weigh(ca, cb)) return r;
  if (ca.AtEnd() == cb.AtEnd()) return 0;
  return ca.AtEnd() ? -1 : 1;
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

}  // namespace

int AnsiCompare(const std::string& a, const std::string& b) {
  if (int r = Level(a, b, false, [](const Cursor& x, const Cursor& y) {
        return Sign(Primary(x.Char()) - Primary(y.Char()));
      }))
    return r;
  if (int r = Level(a, b, false, [](const Cursor& x, const Cursor& y) {
        return Sign(CaseWeight(x.Char()) - CaseWeight(y.Char()));
      }))
    return r;
  return Level(a, b, true, [](const Cursor& x, const Cursor& y) {
    if (x.Position() != y.Position()) return x.Position() > y.Position() ? -1 : 1;
    return Sign(SpecialWeight(x.Char()) - SpecialWeight(y.Char()));
  });
}

}  // namespace vorn
