#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// One parameter of a call: a scalar, its type as sent ("" when untyped) and
// its text with the entities replaced.
struct XmlRpcParam {
  std::string Type;
  std::string Text;
};

struct XmlRpcCall {
  std::string Method;
  std::vector<XmlRpcParam> Params;
};

// A methodCall document whose parameters are scalars; nothing for anything
// else, arrays and structs included.
std::optional<XmlRpcCall> ParseXmlRpcCall(std::string_view body);

// A parameter as a number, whichever way it was sent: a double, an integer or
// a string of decimal digits with a sign and decimals, rounded half up to a
// whole. Nothing for a boolean or anything else.
std::optional<std::int64_t> XmlRpcNumber(const XmlRpcParam& param);

// The values of an answer, each "<value>...</value>".
std::string XmlRpcString(std::string_view text);  // untyped, escaped
std::string XmlRpcInt(std::int64_t value);
std::string XmlRpcArray(const std::vector<std::string>& values);

// A whole answer's body: one value, or a fault.
std::string XmlRpcResponse(std::string_view value);
std::string XmlRpcFault(int code, std::string_view text);

}  // namespace vorn
