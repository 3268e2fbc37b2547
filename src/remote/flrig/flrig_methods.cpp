#include "remote/flrig/flrig_methods.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/tuning_values.h"
#include "remote/flrig/xml_rpc.h"

namespace vorn {

namespace {

constexpr int kFaultCode = -1;
// The radio's name: no blanks, which the library client's older versions
// would split it at.
constexpr std::string_view kXcvrName = "Vorn";
// At least the version from which the library client offers all it can.
constexpr std::string_view kVersion = "2.0.0";
// What a VFO reads before anything is tuned: the library client refuses to
// open a radio at 0 Hz, so the lowest frequency the receiver tunes stands in.
constexpr std::int64_t kFrequencyUnknownHz = 10'000;

// One call being answered: the value it gives, or the fault it ends in.
struct Call {
  const XmlRpcCall& Request;
  VfoPair& Vfos;
  std::optional<std::string> Fault;

  void Fail(std::string_view reason) { Fault = Request.Method + ": " + std::string(reason); }

  // The first parameter as a number; a fault when there is none.
  std::optional<std::int64_t> Number() {
    const auto number =
        Request.Params.empty() ? std::nullopt : XmlRpcNumber(Request.Params.front());
    if (!number) Fail("type error");
    return number;
  }
  // The first parameter's text; a fault when there is none.
  const std::string* Text() {
    if (Request.Params.empty() || Request.Params.front().Type == "boolean") {
      Fail("type error");
      return nullptr;
    }
    return &Request.Params.front().Text;
  }
  // A press's outcome: the value when it was done, else a fault.
  std::string Outcome(RemoteOutcome outcome, std::string value = XmlRpcString("")) {
    switch (outcome) {
      case RemoteOutcome::Done:
        return value;
      case RemoteOutcome::Invalid:
        Fail("value out of range");
        break;
      case RemoteOutcome::NotReached:
        Fail("receiver not reached");
        break;
      case RemoteOutcome::NotAvailable:
        Fail("not available on this receiver");
        break;
    }
    return {};
  }
  VfoValues Selected() const { return Vfos.Values(Vfos.Selected()); }
};

using Handler = std::string (*)(Call& call);

// The demodulators as the modes of the radio, in the receiver's order; the
// first stands for "nothing tuned yet".
std::string_view ModeName(const RadioMode& mode) {
  for (std::string_view name : kDemodulators)
    if (name == mode.Demodulator) return name;
  return kDemodulators.front();
}

// The bandwidths, narrowest first, as the radio's table lists them.
const BandwidthChoice& BandwidthAt(std::size_t index) {
  return kBandwidthChoices[kBandwidthChoices.size() - 1 - index];
}

std::string Frequency(Vfo vfo, Call& call) {
  const std::int64_t hz = call.Vfos.Values(vfo).FrequencyHz;
  return XmlRpcString(std::to_string(hz == 0 ? kFrequencyUnknownHz : hz));
}

std::string SetFrequency(Vfo vfo, Call& call, std::string done = XmlRpcString("")) {
  const auto hz = call.Number();
  if (!hz) return {};
  return call.Outcome(call.Vfos.SetFrequency(vfo, *hz), std::move(done));
}

std::string SetWidth(Call& call, const BandwidthChoice& width) {
  return call.Outcome(call.Vfos.SetWidth(call.Vfos.Selected(), width));
}

std::string Zero(Call&) {
  return XmlRpcString("0");
}

std::string IntZero(Call&) {
  return XmlRpcInt(0);
}

// Taken, and nothing done: the receiver neither transmits nor splits.
std::string Ignored(Call&) {
  return XmlRpcString("");
}

struct Method {
  std::string_view Name;
  Handler Answer;
};

// In the order of their names, as the listing gives them.
const std::array<Method, 29> kMethods = {{
    {"main.get_version", [](Call&) { return XmlRpcString(kVersion); }},
    {"main.set_frequency", [](Call& c) { return SetFrequency(c.Vfos.Selected(), c); }},
    {"rig.get_AB", [](Call& c) { return XmlRpcString(c.Vfos.Selected() == Vfo::B ? "B" : "A"); }},
    {"rig.get_DBM", Zero},
    {"rig.get_bw",
     [](Call& c) {
       return XmlRpcArray(
           {XmlRpcString(std::to_string(c.Selected().PassbandHz)), XmlRpcString("")});
     }},
    {"rig.get_bws",
     [](Call&) {
       std::vector<std::string> widths = {XmlRpcString("Bandwidth")};
       for (std::size_t i = 0; i < kBandwidthChoices.size(); ++i)
         widths.push_back(XmlRpcString(std::to_string(BandwidthAt(i).Hz)));
       return XmlRpcArray({XmlRpcArray(widths)});
     }},
    {"rig.get_mode", [](Call& c) { return XmlRpcString(ModeName(c.Selected().Mode)); }},
    {"rig.get_modes",
     [](Call&) {
       std::vector<std::string> modes;
       for (std::string_view name : kDemodulators) modes.push_back(XmlRpcString(name));
       return XmlRpcArray(modes);
     }},
    {"rig.get_notch", IntZero},
    {"rig.get_ptt", IntZero},
    {"rig.get_pwrmeter", Zero},
    {"rig.get_sideband",
     [](Call& c) { return XmlRpcString(ModeName(c.Selected().Mode) == "LSB" ? "L" : "U"); }},
    {"rig.get_smeter", Zero},
    {"rig.get_split", IntZero},
    {"rig.get_vfo", [](Call& c) { return Frequency(c.Vfos.Selected(), c); }},
    {"rig.get_vfoA", [](Call& c) { return Frequency(Vfo::A, c); }},
    {"rig.get_vfoB", [](Call& c) { return Frequency(Vfo::B, c); }},
    {"rig.get_xcvr", [](Call&) { return XmlRpcString(kXcvrName); }},
    {"rig.set_AB",
     [](Call& c) {
       const std::string* name = c.Text();
       if (!name) return std::string();
       if (*name != "A" && *name != "B") return c.Outcome(RemoteOutcome::Invalid);
       c.Vfos.Select(*name == "B" ? Vfo::B : Vfo::A);
       return XmlRpcString("");
     }},
    {"rig.set_bandwidth",
     [](Call& c) {
       const auto hz = c.Number();
       if (!hz) return std::string();
       if (*hz <= 0) return c.Outcome(RemoteOutcome::Invalid);
       return SetWidth(c, BandwidthForPassband(*hz));
     }},
    {"rig.set_bw",
     [](Call& c) {
       const auto index = c.Number();
       if (!index) return std::string();
       if (*index < 0 || *index >= static_cast<std::int64_t>(kBandwidthChoices.size()))
         return c.Outcome(RemoteOutcome::Invalid);
       return SetWidth(c, BandwidthAt(static_cast<std::size_t>(*index)));
     }},
    {"rig.set_frequency", [](Call& c) { return SetFrequency(c.Vfos.Selected(), c, XmlRpcInt(1)); }},
    {"rig.set_mode",
     [](Call& c) {
       const std::string* name = c.Text();
       if (!name) return std::string();
       // A name the radio does not list is passed over, as clients that
       // cannot map a mode send one.
       if (std::find(kDemodulators.begin(), kDemodulators.end(), *name) == kDemodulators.end())
         return XmlRpcString("");
       return c.Outcome(c.Vfos.SetMode(c.Vfos.Selected(), RadioMode{*name}, nullptr), XmlRpcInt(1));
     }},
    {"rig.set_ptt", Ignored},
    {"rig.set_split", Ignored},
    {"rig.set_vfo", [](Call& c) { return SetFrequency(c.Vfos.Selected(), c); }},
    {"rig.set_vfoA", [](Call& c) { return SetFrequency(Vfo::A, c); }},
    {"rig.set_vfoB", [](Call& c) { return SetFrequency(Vfo::B, c); }},
    {"system.listMethods",
     [](Call&) {
       std::vector<std::string> names;
       for (const std::string& name : FlrigMethodNames()) names.push_back(XmlRpcString(name));
       return XmlRpcArray(names);
     }},
}};

}  // namespace

std::string AnswerFlrigCall(std::string_view body, VfoPair& vfos) {
  const auto request = ParseXmlRpcCall(body);
  if (!request) return XmlRpcFault(kFaultCode, "request not understood");
  const auto method = std::find_if(kMethods.begin(), kMethods.end(),
                                   [&](const Method& m) { return m.Name == request->Method; });
  if (method == kMethods.end())
    return XmlRpcFault(kFaultCode, request->Method + ": unknown method name");
  Call call{*request, vfos, std::nullopt};
  std::string value = method->Answer(call);
  if (call.Fault) return XmlRpcFault(kFaultCode, *call.Fault);
  return XmlRpcResponse(value);
}

std::vector<std::string> FlrigMethodNames() {
  std::vector<std::string> names;
  for (const Method& method : kMethods) names.emplace_back(method.Name);
  return names;
}

}  // namespace vorn
