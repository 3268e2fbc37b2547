#pragma once

#include <cstdint>
#include <vector>

#include "platform/notify_icon.h"

namespace vorn {

// The shell's notification area in memory: it records every request with its
// record, keeps the icons that are shown, and answers a cursor position the
// test sets.
class SimNotifyIconShell : public NotifyIconShell {
 public:
  // The first-version size of a 32-bit build.
  static constexpr std::uint32_t kRecordSize = 88;

  enum class Request { Add, Delete, Modify };
  struct Call {
    Request Kind;
    NotifyIconData Record;
    bool operator==(const Call&) const = default;
  };

  std::uint32_t RecordSize() const override { return kRecordSize; }
  // Refused when an icon of the same window and identifier is already shown.
  bool AddIcon(const NotifyIconData& record) override;
  // Refused when no such icon is shown.
  bool DeleteIcon(const NotifyIconData& record) override;
  // Refused when no such icon is shown.
  bool ModifyIcon(const NotifyIconData& record) override;
  std::uint32_t TaskbarCreatedMessage() override { return kTaskbarCreated; }

  static constexpr std::uint32_t kTaskbarCreated = 0xC0DE;
  // While unavailable the shell refuses every request; becoming available
  // again starts it with an empty notification area.
  void SetAvailable(bool available);
  void SetForegroundWindow(WindowHandle window) override;
  Point CursorPos() override;

  void SetCursor(Point at) { cursor_ = at; }

  const std::vector<Call>& Calls() const { return calls_; }
  // The icons in the notification area, in the order they were added.
  const std::vector<NotifyIconData>& Shown() const { return shown_; }
  const std::vector<WindowHandle>& ForegroundCalls() const { return foreground_; }
  WindowHandle Foreground() const { return foreground_.empty() ? 0 : foreground_.back(); }
  std::size_t CursorReads() const { return cursor_reads_; }

 private:
  // Records the request; the icon it is for, if the shell shows it.
  std::vector<NotifyIconData>::iterator Shown(Request request, const NotifyIconData& record);

  std::vector<Call> calls_;
  std::vector<NotifyIconData> shown_;
  std::vector<WindowHandle> foreground_;
  Point cursor_;
  std::size_t cursor_reads_ = 0;
  bool available_ = true;
};

}  // namespace vorn
