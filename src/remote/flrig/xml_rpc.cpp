#include "remote/flrig/xml_rpc.h"

#include <array>

#include "platform/decimal_text.h"

namespace vorn {

namespace {

inline constexpr CharSet kXmlSpace{" \t\r\n"};

enum class TagKind { Open, Close, Empty };

struct Tag {
  TagKind Kind;
  std::string_view Name;
};

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.' || c == ':';
}

// The entity between '&' and ';' as the character it stands for: the
// predefined five, and character references below 128.
std::optional<char> Entity(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {
      {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}}};
  for (const auto& [entity, c] : kNamed)
    if (name == entity) return c;
  if (name.size() < 2 || name[0] != '#') return std::nullopt;
  const bool hex = name[1] == 'x';
  name.remove_prefix(hex ? 2 : 1);
  if (name.empty()) return std::nullopt;
  unsigned code = 0;
  for (char c : name) {
    unsigned digit = 16;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    if (hex && c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    if (hex && c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    if (digit >= (hex ? 16u : 10u)) return std::nullopt;
    code = code * (hex ? 16 : 10) + digit;
    if (code >= 128) return std::nullopt;
  }
  if (code == 0) return std::nullopt;
  return static_cast<char>(code);
}

// Reads a document of elements and text, no further than it has to.
class XmlCursor {
 public:
  explicit XmlCursor(std::string_view text) : text_(text) {}

  // Passes over blanks, comments and processing instructions, the XML
  // declaration among them. False for one that does not end.
  bool SkipMisc() {
    for (;;) {
      while (at_ < text_.size() && kXmlSpace.Has(text_[at_])) ++at_;
      const std::string_view rest = text_.substr(at_);
      std::string_view end;
      if (rest.starts_with("<?")) {
        end = "?>";
      } else if (rest.starts_with("<!--")) {
        end = "-->";
      } else {
        return true;
      }
      const std::size_t stop = text_.find(end, at_ + 2);
      if (stop == std::string_view::npos) return false;
      at_ = stop + end.size();
    }
  }

  // The next tag, after whatever SkipMisc passes over; attributes are not taken.
  std::optional<Tag> NextTag() {
    if (!SkipMisc() || at_ == text_.size() || text_[at_] != '<') return std::nullopt;
    Tag tag{TagKind::Open, {}};
    if (++at_ < text_.size() && text_[at_] == '/') {
      tag.Kind = TagKind::Close;
      ++at_;
    }
    const std::size_t start = at_;
    while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
    tag.Name = text_.substr(start, at_ - start);
    while (at_ < text_.size() && kXmlSpace.Has(text_[at_])) ++at_;
    if (tag.Kind == TagKind::Open && text_.substr(at_).starts_with("/>")) {
      tag.Kind = TagKind::Empty;
      at_ += 2;
    } else if (at_ < text_.size() && text_[at_] == '>') {
      ++at_;
    } else {
      return std::nullopt;
    }
    if (tag.Name.empty()) return std::nullopt;
    return tag;
  }

  bool Expect(TagKind kind, std::string_view name) {
    const auto tag = NextTag();
    return tag && tag->Kind == kind && tag->Name == name;
  }

  // The text up to the next tag, entities replaced; nothing when no tag follows.
  std::optional<std::string> Text() {
    std::string text;
    while (at_ < text_.size() && text_[at_] != '<') {
      if (text_[at_] != '&') {
        text += text_[at_++];
        continue;
      }
      const std::size_t semicolon = text_.find(';', at_);
      if (semicolon == std::string_view::npos) return std::nullopt;
      const auto c = Entity(text_.substr(at_ + 1, semicolon - at_ - 1));
      if (!c) return std::nullopt;
      text += *c;
      at_ = semicolon + 1;
    }
    if (at_ == text_.size()) return std::nullopt;
    return text;
  }

  bool AtEnd() { return SkipMisc() && at_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

bool IsScalarType(std::string_view name) {
  return name == "i4" || name == "int" || name == "double" || name == "string" || name == "boolean";
}

// "<value>" at the cursor up to its end.
std::optional<XmlRpcParam> ParseValue(XmlCursor& xml) {
  auto tag = xml.NextTag();
  if (!tag || tag->Name != "value" || tag->Kind == TagKind::Close) return std::nullopt;
  if (tag->Kind == TagKind::Empty) return XmlRpcParam{};
  const auto text = xml.Text();
  if (!text) return std::nullopt;
  tag = xml.NextTag();
  if (!tag) return std::nullopt;
  if (tag->Kind == TagKind::Close && tag->Name == "value") return XmlRpcParam{"", *text};
  // A type inside: only blanks around it.
  if (!TrimChars(*text, kXmlSpace).empty() || tag->Kind == TagKind::Close ||
      !IsScalarType(tag->Name))
    return std::nullopt;
  XmlRpcParam param{std::string(tag->Name), {}};
  if (tag->Kind == TagKind::Open) {
    auto inner = xml.Text();
    if (!inner || !xml.Expect(TagKind::Close, param.Type)) return std::nullopt;
    param.Text = std::move(*inner);
  }
  if (!xml.Expect(TagKind::Close, "value")) return std::nullopt;
  return param;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

std::optional<XmlRpcCall> ParseXmlRpcCall(std::string_view body) {
  XmlCursor xml(body);
  if (!xml.Expect(TagKind::Open, "methodCall") || !xml.Expect(TagKind::Open, "methodName"))
    return std::nullopt;
  const auto name = xml.Text();
  if (!name || !xml.Expect(TagKind::Close, "methodName")) return std::nullopt;
  XmlRpcCall call;
  call.Method = std::string(TrimChars(*name, kXmlSpace));
  if (call.Method.empty()) return std::nullopt;

  auto tag = xml.NextTag();
  if (tag && tag->Kind == TagKind::Open && tag->Name == "params") {
    for (;;) {
      tag = xml.NextTag();
      if (!tag) return std::nullopt;
      if (tag->Kind == TagKind::Close && tag->Name == "params") break;
      if (tag->Kind != TagKind::Open || tag->Name != "param") return std::nullopt;
      auto param = ParseValue(xml);
      if (!param || !xml.Expect(TagKind::Close, "param")) return std::nullopt;
      call.Params.push_back(std::move(*param));
    }
    tag = xml.NextTag();
  } else if (tag && tag->Kind == TagKind::Empty && tag->Name == "params") {
    tag = xml.NextTag();
  }
  if (!tag || tag->Kind != TagKind::Close || tag->Name != "methodCall" || !xml.AtEnd())
    return std::nullopt;
  return call;
}

std::optional<std::int64_t> XmlRpcNumber(const XmlRpcParam& param) {
  if (param.Type == "boolean") return std::nullopt;
  constexpr DecimalSyntax kNumber{kXmlSpace, kPlusOrMinus, kPoint, false};
  const auto number = ReadDecimal(param.Text, kNumber);
  if (!number) return std::nullopt;
  return ScaledInteger(*number, {0, Rounding::HalfUp, 999'999'999'999'999});
}

std::string XmlRpcString(std::string_view text) {
  std::string value = "<value>";
  AppendEscaped(value, text);
  return value += "</value>";
}

std::string XmlRpcInt(std::int64_t value) {
  return "<value><i4>" + std::to_string(value) + "</i4></value>";
}

std::string XmlRpcArray(const std::vector<std::string>& values) {
  std::string array = "<value><array><data>";
  for (const std::string& value : values) array += value;
  return array += "</data></array></value>";
}

std::string XmlRpcResponse(std::string_view value) {
  std::string body = "<?xml version=\"1.0\"?>\r\n<methodResponse><params><param>\r\n\t";
  body += value;
  return body += "\r\n</param></params></methodResponse>\r\n";
}

std::string XmlRpcFault(int code, std::string_view text) {
  std::string body =
      "<?xml version=\"1.0\"?>\r\n<methodResponse><fault>\r\n\t<value><struct>"
      "<member><name>faultCode</name>";
  body += XmlRpcInt(code);
  body += "</member><member><name>faultString</name>";
  body += XmlRpcString(text);
  return body += "</member></struct></value>\r\n</fault></methodResponse>\r\n";
}

}  // namespace vorn
