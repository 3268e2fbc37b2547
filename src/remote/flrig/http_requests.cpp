#include "remote/flrig/http_requests.h"

#include <algorithm>

#include "platform/decimal_text.h"

namespace vorn {

namespace {

inline constexpr CharSet kHeaderBlanks{" \t"};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

// A length of plain digits no larger than a body may be.
std::optional<std::size_t> ReadLength(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::size_t length = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    length = length * 10 + static_cast<std::size_t>(c - '0');
  }
  if (length > kMaxHttpBody) return std::nullopt;
  return length;
}

// Whether a comma-separated header value holds the token.
bool HasToken(std::string_view value, std::string_view token) {
  while (!value.empty()) {
    const std::size_t comma = value.find(',');
    if (SameLetters(TrimChars(value.substr(0, comma), kHeaderBlanks), token)) return true;
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

HttpRequestReader::Status HttpRequestReader::Take(std::string_view& bytes) {
  if (complete_) Restart();
  if (broken_) {
    bytes = {};
    return Status::Broken;
  }
  while (!broken_ && !bytes.empty()) {
    if (in_body_) {
      const std::size_t piece = std::min(bytes.size(), *length_ - body_.size());
      body_.append(bytes.substr(0, piece));
      bytes.remove_prefix(piece);
      if (body_.size() < *length_) return Status::Incomplete;
      complete_ = true;
      return Status::Complete;
    }
    const bool whole = lines_.Take(bytes);
    const std::size_t taken = header_bytes_ + lines_.Frame().size() + (whole ? 1 : 0);
    if (lines_.Overlong() || taken > kMaxHttpHeader) broken_ = true;
    if (broken_ || !whole) continue;
    header_bytes_ = taken;
    std::string_view line = lines_.Frame();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() && request_line_) {
      const Status status = EndOfHeaders();
      if (status != Status::Incomplete) return status;
    } else if (!line.empty() && !HeaderLine(line)) {
      broken_ = true;
    }
  }
  if (broken_) {
    bytes = {};
    return Status::Broken;
  }
  return Status::Incomplete;
}

bool HttpRequestReader::HeaderLine(std::string_view line) {
  if (!request_line_) {
    // Method, path and version, one blank between each.
    request_line_ = true;
    const std::size_t first = line.find(' ');
    const std::size_t last = line.rfind(' ');
    if (first == 0 || first == std::string_view::npos || first == last) return false;
    const std::string_view version = line.substr(last + 1);
    if (version == "HTTP/1.0") keep_alive_ = false;
    return version == "HTTP/1.0" || version == "HTTP/1.1";
  }
  // No folded lines, and a name before the colon.
  const std::size_t colon = line.find(':');
  if (kHeaderBlanks.Has(line[0]) || colon == 0 || colon == std::string_view::npos) return false;
  const std::string_view name = line.substr(0, colon);
  const std::string_view value = TrimChars(line.substr(colon + 1), kHeaderBlanks);
  if (SameLetters(name, "Content-Length")) {
    const auto length = ReadLength(value);
    // Two lengths that disagree leave the request's end in doubt.
    if (!length || (length_ && *length_ != *length)) return false;
    length_ = length;
  } else if (SameLetters(name, "Connection") && HasToken(value, "close")) {
    keep_alive_ = false;
  }
  return true;
}

HttpRequestReader::Status HttpRequestReader::EndOfHeaders() {
  if (!length_) {
    broken_ = true;
    return Status::Broken;
  }
  if (*length_ == 0) {
    complete_ = true;
    return Status::Complete;
  }
  in_body_ = true;
  return Status::Incomplete;
}

void HttpRequestReader::Restart() {
  header_bytes_ = 0;
  request_line_ = in_body_ = complete_ = false;
  length_.reset();
  body_.clear();
  keep_alive_ = true;
}

std::string HttpAnswer(std::string_view body) {
  std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: ";
  answer += std::to_string(body.size());
  answer += "\r\n\r\n";
  answer += body;
  return answer;
}

}  // namespace vorn
