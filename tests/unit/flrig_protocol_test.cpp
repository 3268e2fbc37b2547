// The XML-RPC endpoint over HTTP, fed the bytes its real clients send and
// checked against the bytes they read, with the receiver's presses behind it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "remote/flrig/flrig_methods.h"
#include "remote/flrig/flrig_session.h"
#include "sim_receiver.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

std::string Params(std::string_view value) {
  return value.empty() ? "" : "<params><param>" + std::string(value) + "</param></params>";
}

std::string Post(std::string_view type_header, const std::string& body) {
  return "POST /RPC2 HTTP/1.1\r\nUser-Agent: XMLRPC++ 0.8\r\nHost: 127.0.0.1:12345\r\n" +
         std::string(type_header) + ": text/xml\r\nContent-length: " + std::to_string(body.size()) +
         "\r\n\r\n" + body;
}

// A call as the radio-control library's client writes it, with its client
// port in a processing instruction and its own spelling of the type header.
std::string HamlibCall(std::string_view method, std::string_view value = "") {
  return Post("Content-type", "<?xml version=\"1.0\"?>\r\n<?clientid=\"hamlib(14466)\"?>\r\n" +
                                  ("<methodCall><methodName>" + std::string(method)) +
                                  "</methodName>\r\n" + Params(value) + "</methodCall>\r\n");
}

// A call as the digital-modes program writes it.
std::string FldigiCall(std::string_view method, std::string_view value = "") {
  return Post("Content-Type", "<?xml version=\"1.0\"?>\r\n<methodCall><methodName>" +
                                  std::string(method) + "</methodName>\r\n" + Params(value) +
                                  "</methodCall>\r\n");
}

std::string Answer(std::string_view value) {
  const std::string body = "<?xml version=\"1.0\"?>\r\n<methodResponse><params><param>\r\n\t" +
                           std::string(value) + "\r\n</param></params></methodResponse>\r\n";
  return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Fault(std::string_view text) {
  const std::string body =
      "<?xml version=\"1.0\"?>\r\n<methodResponse><fault>\r\n\t<value><struct><member><name>"
      "faultCode</name><value><i4>-1</i4></value></member><member><name>faultString</name><value>" +
      std::string(text) + "</value></member></struct></value>\r\n</fault></methodResponse>\r\n";
  return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Unknown(std::string_view method) {
  return Fault(std::string(method) + ": unknown method name");
}

const std::string kEmpty = Answer("<value></value>");
const std::string kOne = Answer("<value><i4>1</i4></value>");
const std::string kModes = Answer(
    "<value><array><data><value>AM</value><value>SAM</value><value>CW</value><value>RTTY</value>"
    "<value>LSB</value><value>USB</value><value>FM</value><value>DRM</value><value>USER</value>"
    "</data></array></value>");
const std::string kBandwidths = Answer(
    "<value><array><data><value><array><data><value>Bandwidth</value><value>800</value>"
    "<value>1600</value><value>3000</value><value>6000</value><value>12000</value>"
    "<value>25000</value><value>50000</value></data></array></value></data></array></value>");

std::string Bandwidth(std::string_view hz) {
  return Answer("<value><array><data><value>" + std::string(hz) +
                "</value><value></value></data></array></value>");
}

std::string Text(std::string_view text) {
  return Answer("<value>" + std::string(text) + "</value>");
}

struct Exchange {
  std::string Request;
  std::string Answer;
};

class FlrigProtocolTest : public ::testing::Test, protected SimReceiver {
 protected:
  std::string Send(std::string_view bytes) {
    std::string answers;
    session.Receive(bytes, answers);
    return answers;
  }
  void Replay(const std::vector<Exchange>& exchanges) {
    for (const Exchange& exchange : exchanges) {
      EXPECT_EQ(Send(exchange.Request), exchange.Answer) << exchange.Request;
      EXPECT_FALSE(session.Ended());
    }
  }

  // The presses since the last look.
  std::vector<std::string> Clicks() {
    std::vector<std::string> clicks = tree.Clicks();
    clicks.erase(clicks.begin(), clicks.begin() + static_cast<std::ptrdiff_t>(seen_));
    seen_ += clicks.size();
    return clicks;
  }

  FlrigSession session{rig};

 private:
  std::size_t seen_ = 0;
};

TEST_F(FlrigProtocolTest, AnAnswerIsExactlyWhatTheClientsLookFor) {
  EXPECT_EQ(Send(HamlibCall("main.get_version")),
            "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: 115\r\n\r\n"
            "<?xml version=\"1.0\"?>\r\n<methodResponse><params><param>\r\n\t<value>2.0.0</value>"
            "\r\n</param></params></methodResponse>\r\n");
  EXPECT_EQ(Send(HamlibCall("rig.cwio_get_wpm")),
            "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-length: 268\r\n\r\n"
            "<?xml version=\"1.0\"?>\r\n<methodResponse><fault>\r\n\t<value><struct><member><name>"
            "faultCode</name><value><i4>-1</i4></value></member><member><name>faultString</name>"
            "<value>rig.cwio_get_wpm: unknown method name</value></member></struct></value>\r\n"
            "</fault></methodResponse>\r\n");
}

// Debian's client of the library's 4.5 series, its open and then
// "F 7100000 f M USB 0 m V VFOB F 9500000 f V VFOA f", request by request (it
// answers the rest from what it holds). It refuses a radio at 0 Hz: before
// any tuning the VFOs read as the receiver's lowest frequency.
TEST_F(FlrigProtocolTest, TheLibraryClientOpensTunesAndKeepsVfoBApart) {
  Replay({
      {HamlibCall("main.get_version"), Text("2.0.0")},
      {HamlibCall("rig.get_xcvr"), Text("Vorn")},
      {HamlibCall("rig.get_pwrmeter_scale"), Unknown("rig.get_pwrmeter_scale")},
      {HamlibCall("rig.get_modeA"), Unknown("rig.get_modeA")},
      {HamlibCall("rig.get_vfoA"), Text("10000")},
      {HamlibCall("rig.get_bwA"), Unknown("rig.get_bwA")},
      {HamlibCall("rig.set_bwA"), Unknown("rig.set_bwA")},
      {HamlibCall("rig.get_AB"), Text("A")},
      {HamlibCall("rig.get_modes"), kModes},
      {HamlibCall("rig.get_split"), Answer("<value><i4>0</i4></value>")},
      {HamlibCall("rig.get_AB"), Text("A")},
      {HamlibCall("rig.get_vfoA"), Text("10000")},
      {HamlibCall("rig.get_vfoB"), Text("10000")},
      {HamlibCall("rig.get_mode"), Text("AM")},
      {HamlibCall("rig.get_bw"), Bandwidth("0")},
      {HamlibCall("rig.set_vfoA", "<value><double>7100000</double></value>"), kEmpty},
      {HamlibCall("rig.set_mode", "<value>USB</value>"), kOne},
      {HamlibCall("rig.set_AB", "<value>B</value>"), kEmpty},
      {HamlibCall("rig.get_vfoB"), Text("7100000")},
      {HamlibCall("rig.set_vfoB", "<value><double>9500000</double></value>"), kEmpty},
      {HamlibCall("rig.set_AB", "<value>A</value>"), kEmpty},
      {HamlibCall("rig.get_vfoA"), Text("7100000")},
  });
  EXPECT_THAT(Clicks(), ElementsAre("7", "1", "0", "0", "kHz", "USB"));
}

// The library's 4.7 probes VFO B's mode, sends a width in Hz after the mode
// and reads the signal in dBm.
TEST_F(FlrigProtocolTest, TheLaterLibraryClientSetsAWidthInHz) {
  Replay({
      {HamlibCall("rig.get_modeA"), Unknown("rig.get_modeA")},
      {HamlibCall("rig.get_modeB"), Unknown("rig.get_modeB")},
      {HamlibCall("rig.get_bwB"), Unknown("rig.get_bwB")},
      {HamlibCall("rig.set_mode", "<value>LSB</value>"), kOne},
      {HamlibCall("rig.set_bandwidth", "<value><i4>2400</i4></value>"), kEmpty},
      {HamlibCall("rig.get_bw"), Bandwidth("3000")},
      {HamlibCall("rig.get_sideband"), Text("L")},
      {HamlibCall("rig.get_DBM"), Text("0")},
      // Below the narrowest, the narrowest; a mode it cannot map comes as "ERROR".
      {HamlibCall("rig.set_bandwidth", "<value><i4>100</i4></value>"), kEmpty},
      {HamlibCall("rig.set_mode", "<value>ERROR</value>"), kEmpty},
      {HamlibCall("rig.get_mode"), Text("LSB")},
  });
  EXPECT_THAT(Clicks(), ElementsAre("LSB", "3 kHz", "0.8kHz"));
}

// The digital-modes program's connect, one poll, and its changes: a
// frequency as "%f", a width as an index into the table.
TEST_F(FlrigProtocolTest, TheDigitalModesProgramConnectsPollsAndTunes) {
  std::string methods = "<value><array><data>";
  for (const std::string& name : FlrigMethodNames()) methods += "<value>" + name + "</value>";
  Replay({
      {FldigiCall("system.listMethods"), Answer(methods + "</data></array></value>")},
      {FldigiCall("rig.get_xcvr"), Text("Vorn")},
      {FldigiCall("rig.get_modes"), kModes},
      {FldigiCall("rig.get_bws"), kBandwidths},
      {FldigiCall("rig.get_mode"), Text("AM")},
      {FldigiCall("rig.get_sideband"), Text("U")},
      {FldigiCall("rig.get_bw"), Bandwidth("0")},
      {FldigiCall("rig.get_vfo"), Text("10000")},
      {FldigiCall("rig.get_smeter"), Text("0")},
      {FldigiCall("rig.get_notch"), Answer("<value><i4>0</i4></value>")},
      // An integer here would become its CW speed.
      {FldigiCall("rig.cwio_get_wpm"), Unknown("rig.cwio_get_wpm")},
      {FldigiCall("rig.set_vfo", "<value><double>7074000.000000</double></value>"), kEmpty},
      {FldigiCall("rig.set_mode", "<value>USB</value>"), kOne},
      {FldigiCall("rig.set_bw", "<value><i4>2</i4></value>"), kEmpty},
      {FldigiCall("rig.get_vfo"), Text("7074000")},
      {FldigiCall("rig.get_bw"), Bandwidth("3000")},
      {FldigiCall("rig.set_ptt", "<value><i4>1</i4></value>"), kEmpty},
      {FldigiCall("rig.get_ptt"), Answer("<value><i4>0</i4></value>")},
      {FldigiCall("rig.get_pwrmeter"), Text("0")},
  });
  EXPECT_THAT(Clicks(), ElementsAre("7", "0", "7", "4", "kHz", "USB", "3 kHz"));
  EXPECT_THAT(methods, Not(HasSubstr("cwio")));
  EXPECT_THAT(methods, Not(HasSubstr("get_modeA")));
}

TEST_F(FlrigProtocolTest, AFrequencyIsANumberWhicheverWayItComes) {
  for (const char* value :
       {"<value><double>6070000</double></value>", "<value><double>6070000.000000</double></value>",
        "<value><i4>6070000</i4></value>", "<value><int>6070000</int></value>",
        "<value>6070000</value>", "<value><string> 6070000.0 </string></value>",
        "<value>\r\n\t<double>6069999.5</double>\r\n</value>"})
    EXPECT_EQ(Send(FldigiCall("rig.set_vfo", value)), kEmpty) << value;
  EXPECT_EQ(Send(FldigiCall("main.set_frequency", "<value><double>6070000.4</double></value>")),
            kEmpty);
  EXPECT_EQ(Send(FldigiCall("rig.set_frequency", "<value><double>6070000</double></value>")), kOne);
  EXPECT_EQ(Clicks().size(), 9u * 5);

  for (const char* bad : {"", "<value>6 MHz</value>", "<value><boolean>1</boolean></value>",
                          "<value><double>1e7</double></value>"})
    EXPECT_EQ(Send(FldigiCall("rig.set_vfoA", bad)), Fault("rig.set_vfoA: type error")) << bad;
  EXPECT_EQ(Send(FldigiCall("rig.set_vfoA", "<value><double>-1</double></value>")),
            Fault("rig.set_vfoA: value out of range"));
  EXPECT_EQ(Send(FldigiCall("rig.set_vfo", "<value><double>40000001</double></value>")),
            Fault("rig.set_vfo: value out of range"));
  EXPECT_THAT(Clicks(), IsEmpty());
}

TEST_F(FlrigProtocolTest, WidthsByIndexAndByHzAndTheirEnds) {
  EXPECT_EQ(Send(FldigiCall("rig.set_bw", "<value><i4>0</i4></value>")), kEmpty);
  EXPECT_EQ(Send(FldigiCall("rig.set_bandwidth", "<value><i4>3000</i4></value>")), kEmpty);
  for (const char* index : {"-1", "7", "x"})
    EXPECT_THAT(
        Send(FldigiCall("rig.set_bw", std::string("<value><i4>") + index + "</i4></value>")),
        HasSubstr("<value>rig.set_bw: "))
        << index;
  EXPECT_EQ(Send(FldigiCall("rig.set_bandwidth", "<value><i4>0</i4></value>")),
            Fault("rig.set_bandwidth: value out of range"));
  EXPECT_THAT(Clicks(), ElementsAre("0.8kHz", "3 kHz"));
  // The receiver has no 50 kHz button: nothing is pressed, nothing recorded.
  EXPECT_EQ(Send(FldigiCall("rig.set_bw", "<value><i4>6</i4></value>")),
            Fault("rig.set_bw: not available on this receiver"));
  EXPECT_EQ(Send(FldigiCall("rig.get_bw")), Bandwidth("3000"));
}

TEST_F(FlrigProtocolTest, FailuresAreFaultsThatNeverSayUnknown) {
  // A receiver that does not answer the confirm button.
  tree.Hang(*link.Lookup(Table::Keypad, "kHz"));
  EXPECT_EQ(Send(FldigiCall("rig.set_vfo", "<value><double>7100000</double></value>")),
            Fault("rig.set_vfo: receiver not reached"));
  EXPECT_EQ(Send(FldigiCall("rig.get_vfo")), Text("10000"));
  EXPECT_EQ(Send(FldigiCall("rig.set_mode", "<value>DRM</value>")),
            Fault("rig.set_mode: not available on this receiver"));
  EXPECT_EQ(Send(FldigiCall("rig.set_AB", "<value>C</value>")),
            Fault("rig.set_AB: value out of range"));
  // Every method served, with and without a parameter, says "unknown" nowhere.
  for (const std::string& name : FlrigMethodNames()) {
    EXPECT_THAT(Send(HamlibCall(name)), Not(HasSubstr("nknown"))) << name;
    EXPECT_THAT(Send(HamlibCall(name, "<value>ERROR</value>")), Not(HasSubstr("nknown"))) << name;
  }
}

TEST_F(FlrigProtocolTest, ReadsFollowTheSelectedVfoAndPressNothing) {
  Send(FldigiCall("rig.set_vfo", "<value><double>7100000</double></value>"));
  Send(FldigiCall("rig.set_mode", "<value>LSB</value>"));
  Clicks();
  Replay({
      {FldigiCall("rig.set_AB", "<value><string>B</string></value>"), kEmpty},
      {FldigiCall("rig.set_vfo", "<value><double>3500000</double></value>"), kEmpty},
      {FldigiCall("rig.set_mode", "<value>CW</value>"), kOne},
      {FldigiCall("rig.get_vfo"), Text("3500000")},
      {FldigiCall("rig.get_mode"), Text("CW")},
      {FldigiCall("rig.get_sideband"), Text("U")},
      {FldigiCall("rig.get_vfoA"), Text("7100000")},
      {FldigiCall("rig.get_AB"), Text("B")},
      {FldigiCall("rig.set_AB", "<value>A</value>"), kEmpty},
      {FldigiCall("rig.get_mode"), Text("LSB")},
      {FldigiCall("rig.get_vfoB"), Text("3500000")},
  });
  EXPECT_THAT(Clicks(), IsEmpty());
}

// The same calls, cut at every byte and run together, many on one
// connection, give the same answers, and the connection stays.
TEST_F(FlrigProtocolTest, ManyCallsOnOneConnectionHoweverTheyArrive) {
  const std::string calls = FldigiCall("rig.get_vfo") + HamlibCall("rig.get_AB") +
                            FldigiCall("rig.set_vfo", "<value><double>7100000</double></value>");
  const std::string expected = Text("10000") + Text("A") + kEmpty;
  std::string answers;
  for (char c : calls) answers += Send(std::string_view(&c, 1));
  EXPECT_EQ(answers, expected);

  FlrigSession whole(rig);
  std::string all;
  whole.Receive(calls, all);
  EXPECT_EQ(all, Text("7100000") + Text("A") + kEmpty);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(Send(FldigiCall("rig.get_vfo")), Text("7100000")) << i;
  EXPECT_FALSE(session.Ended());
}

TEST_F(FlrigProtocolTest, ABrokenBodyIsAFaultAndTheConnectionGoesOn) {
  const std::string fault = Fault("request not understood");
  for (const char* body :
       {"", "<methodCall>", "<methodCall><methodName>rig.get_vfo</methodName>",
        "<methodCall><methodName></methodName></methodCall>",
        "<methodCall><methodName>rig.get_vfo</methodName></methodCall>trailing",
        "<methodCall><methodName>rig.set_vfo</methodName><params><param><value><array><data>"
        "</data></array></value></param></params></methodCall>",
        "<methodCall><methodName>rig.set_mode</methodName><params><param><value>&bogus;</value>"
        "</param></params></methodCall>",
        "<methodCall><methodName>rig.set_mode</methodName><params><param><value>x<i4>1</i4>"
        "</value></param></params></methodCall>",
        "<?xml version=\"1.0\"<methodCall><methodName>rig.get_vfo</methodName></methodCall>",
        "<methodCall><methodName>rig.get_vfo</methodName><params><param></param></params>"
        "</methodCall>"})
    EXPECT_EQ(Send(Post("Content-Type", body)), fault) << body;
  EXPECT_FALSE(session.Ended());
  // What a generic client writes: single quotes, line ends, a typed string,
  // escapes, an empty parameter list, a comment.
  EXPECT_EQ(Send(Post("Content-Type",
                      "<?xml version='1.0'?>\n<methodCall>\n<methodName>rig.set_mode</methodName>\n"
                      "<params>\n<param>\n<value><string>&#85;SB</string></value>\n</param>\n"
                      "</params>\n</methodCall>\n")),
            kOne);
  EXPECT_EQ(Send(Post("Content-Type",
                      "<!-- poll --><methodCall><methodName>rig.get_mode</methodName><params/>"
                      "</methodCall>")),
            Text("USB"));
  EXPECT_EQ(Send(FldigiCall("rig.&lt;x&gt;")), Unknown("rig.&lt;x&gt;"));
}

TEST_F(FlrigProtocolTest, TheConnectionClosesWhenAskedOrWhenTheRequestIsBroken) {
  const std::string body = "<methodCall><methodName>rig.get_AB</methodName></methodCall>";
  const std::string length = "Content-Length: " + std::to_string(body.size()) + "\r\n";
  const struct {
    std::string Request;
    bool Answered;
  } cases[] = {
      {"POST /RPC2 HTTP/1.1\r\nConnection: Close\r\n" + length + "\r\n" + body, true},
      {"POST /RPC2 HTTP/1.0\r\n" + length + "\r\n" + body, true},
      {"POST /RPC2 HTTP/1.1\r\n\r\n" + body, false},
      {"POST /RPC2 HTTP/2\r\n" + length + "\r\n" + body, false},
      {"POST\r\n" + length + "\r\n" + body, false},
      {"POST /RPC2 HTTP/1.1\r\n" + length + "  folded\r\n\r\n" + body, false},
      {"POST /RPC2 HTTP/1.1\r\n" + length + "Content-length: 1\r\n\r\n" + body, false},
      {"POST /RPC2 HTTP/1.1\r\nContent-length: -1\r\n\r\n" + body, false},
      {"POST /RPC2 HTTP/1.1\r\nContent-length: 65537\r\n\r\n" + body, false},
      {"POST /RPC2 HTTP/1.1\r\nX: " + std::string(8200, 'x') + "\r\n" + length + "\r\n" + body,
       false},
  };
  for (const auto& c : cases) {
    FlrigSession one(rig);
    std::string answers;
    one.Receive(c.Request + FldigiCall("rig.get_AB"), answers);
    EXPECT_EQ(answers, c.Answered ? Text("A") : "") << c.Request.substr(0, 80);
    EXPECT_TRUE(one.Ended()) << c.Request.substr(0, 80);
  }
  // Within the limits, the connection stays: a blank line before the request,
  // headers up to 8 KiB and a body up to 64 KiB.
  std::string padded = "<?x " + std::string(65536 - 4 - 2 - body.size(), ' ') + "?>" + body;
  ASSERT_EQ(padded.size(), 65536u);
  EXPECT_EQ(Send("\r\nPOST /RPC2 HTTP/1.1\r\nX: " + std::string(8000, 'x') +
                 "\r\nContent-Length: 65536\r\n\r\n" + padded),
            Text("A"));
  EXPECT_FALSE(session.Ended());
}

}  // namespace
}  // namespace vorn
