#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "remote/framer.h"

namespace vorn {

// What one request may bring: its header block, request line included, and
// its body.
inline constexpr std::size_t kMaxHttpHeader = 8 * 1024;
inline constexpr std::size_t kMaxHttpBody = 64 * 1024;

// Cuts a stream of HTTP/1.x requests, each with a body of a stated length,
// into requests, however the stream arrives in pieces. The request line's
// method and path are not looked at: the one resource answers them all.
class HttpRequestReader {
 public:
  enum class Status {
    Incomplete,  // every byte taken, and more are needed
    Complete,    // a request is whole: Body() and KeepAlive() tell it
    Broken,      // not a request, no length, or beyond a limit: nothing more is read
  };

  // Takes bytes from the front of `bytes` up to the end of the next request.
  Status Take(std::string_view& bytes);
  // Of the request just completed, until the next call.
  const std::string& Body() const { return body_; }
  // False after "Connection: close" or a request of HTTP/1.0.
  bool KeepAlive() const { return keep_alive_; }

 private:
  // False for a line that breaks the request.
  bool HeaderLine(std::string_view line);
  // The blank line after the headers: a body follows, or the request is whole.
  Status EndOfHeaders();
  void Restart();

  Framer lines_{'\n', kMaxHttpHeader};
  std::size_t header_bytes_ = 0;
  bool request_line_ = false;
  bool in_body_ = false;
  std::optional<std::size_t> length_;
  std::string body_;
  bool keep_alive_ = true;
  bool complete_ = false;
  bool broken_ = false;
};

// The answer that carries an XML body, as every client expects it: status,
// type and length, exactly so.
std::string HttpAnswer(std::string_view body);

}  // namespace vorn
