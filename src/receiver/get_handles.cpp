#include "receiver/get_handles.h"

#include <algorithm>

namespace vorn {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string NormaliseText(const std::string& raw) {
  std::string text = raw.substr(0, raw.find('\0'));
  auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string ReceiverLink::FindMainControl(const std::string& title,
                                          const std::string& check_caption) {
  const std::string status =
      Run(main_, title, check_caption,
          {"Perseus not found, \rPerseus-Program started?", "Perseus-ChildHandle not found"});
  main_found_ = status == kStatusOk;
  return status;
}

std::string ReceiverLink::FindKeypadControl(const std::string& title,
                                            const std::string& check_caption,
                                            const std::string& version) {
  version_ = version;
  const std::string status = Run(keypad_, title, check_caption,
                                 {"Frequency-Panel not found, \rPerseus " + version + " expected",
                                  "Frequency-ChildHandle not found"});
  keypad_found_ = status == kStatusOk;
  return status;
}

std::string ReceiverLink::Run(Search& s, const std::string& title, const std::string& check_caption,
                              const Messages& messages) {
  s.Title = title;
  s.CheckCaption = check_caption;
  s.Candidates.clear();
  tree_.EnumTopLevel([&](WindowHandle w) {
    std::string raw = tree_.ReadText(w, kWindowTextBuffer);
    if (!raw.empty() && raw[0] != '\0' && NormaliseText(raw) == title) s.Candidates.push_back(w);
  });
  if (s.Candidates.empty()) return messages.NoWindow;

  for (WindowHandle candidate : s.Candidates) {
    s.Controls.clear();
    tree_.EnumDescendants(candidate, [&](WindowHandle w) {
      std::string raw = tree_.ReadText(w, kWindowTextBuffer);
      if (!raw.empty() && raw[0] != '\0') s.Controls.push_back({w, NormaliseText(raw)});
    });
    const bool holds_check = std::any_of(s.Controls.begin(), s.Controls.end(),
                                         [&](const TChilds& c) { return c.Text == check_caption; });
    if (holds_check) return kStatusOk;
  }
  return messages.NoControl;
}

std::optional<WindowHandle> ReceiverLink::Lookup(Table table, const std::string& caption) const {
  for (const TChilds& c : search(table).Controls)
    if (c.Text == caption) return c.Handle;
  return std::nullopt;
}

bool ReceiverLink::StillValid(WindowHandle handle, const std::string& caption) {
  std::string raw = tree_.ReadText(handle, kWindowTextBuffer);
  return !raw.empty() && raw[0] != '\0' && NormaliseText(raw) == caption;
}

bool ReceiverLink::Rediscover() {
  const std::string main_status = FindMainControl(main_.Title, main_.CheckCaption);
  const std::string keypad_status =
      FindKeypadControl(keypad_.Title, keypad_.CheckCaption, version_);
  return main_status == kStatusOk && keypad_status == kStatusOk;
}

}  // namespace vorn
