#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "remote/framer.h"
#include "remote/remote_session.h"
#include "remote/vfo_pair.h"

namespace vorn {

// The longest command taken, without its ';'; a longer one is dropped.
inline constexpr std::size_t kMaxKenwoodCommand = 64;

// One client of the Kenwood CAT protocol as a TS-2000 speaks it, receive-only:
// commands end with ';', reads are answered, sets are carried out without a
// reply, and anything else gets "?;".
class KenwoodSession : public RemoteSession {
 public:
  explicit KenwoodSession(ReceiverControl& receiver);

  void Receive(std::string_view bytes, std::string& answers) override;
  // While the client has auto-information on, the status line whenever the
  // receiver was tuned from elsewhere since the client last heard of it.
  void Poll(std::string& answers) override;
  // A serial client never closes its side.
  bool Ended() const override { return false; }

 private:
  void Carry(std::string_view command, std::string& answers);
  bool Set(std::string_view name, std::string_view value);
  std::string Status() const;
  char ModeDigit(Vfo vfo) const;

  VfoPair vfos_;
  Framer commands_{';', kMaxKenwoodCommand};
  Vfo transmit_ = Vfo::A;
  char auto_information_ = '0';
  // The status line as the client last knew it: after its own sets, or as
  // last sent unasked.
  std::string known_status_;
};

}  // namespace vorn
