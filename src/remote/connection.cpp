#include "remote/connection.h"

namespace vorn {

namespace {

constexpr std::size_t kReceiveChunk = 4096;

}  // namespace

bool Connection::ReadOnce(ByteChannel& channel) {
  if (Finished()) return false;
  char buffer[kReceiveChunk];
  const SocketTransfer received = channel.Receive(buffer, sizeof buffer);
  if (received.Status == SocketTransfer::Closed) failed_ = true;
  if (received.Status != SocketTransfer::Done) return false;
  session_->Receive(std::string_view(buffer, received.Bytes), unsent_);
  Flush(channel);
  return !Finished();
}

void Connection::Poll(ByteChannel& channel) {
  if (Finished()) return;
  session_->Poll(unsent_);
  Flush(channel);
}

void Connection::Flush(ByteChannel& channel) {
  std::size_t sent = 0;
  while (!failed_ && sent < unsent_.size()) {
    const SocketTransfer transfer = channel.Send(unsent_.data() + sent, unsent_.size() - sent);
    if (transfer.Status == SocketTransfer::Closed) failed_ = true;
    if (transfer.Status != SocketTransfer::Done) break;
    sent += transfer.Bytes;
  }
  unsent_.erase(0, sent);
  if (unsent_.size() > kMaxUnreadAnswers) failed_ = true;
}

}  // namespace vorn
