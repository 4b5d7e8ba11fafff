// SPDX-License-Identifier: MIT
#pragma once
// What every toolkit's Form1 does alike, without a toolkit: the status box's lines on their way
// to it, paced to the display, and the names a window is handed.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "window_services.h"

namespace ferrowick {

// The window's control for each box, whatever a toolkit calls a control.
template <typename Control>
struct BoxControls {
  Control file, copies, prefix, dir, status;
  Control operator[](Box box) const {
    switch (box) {
      case Box::File:
        return file;
      case Box::Copies:
        return copies;
      case Box::Prefix:
        return prefix;
      case Box::Dir:
        return dir;
      case Box::Status:
        return status;
    }
    return Control{};
  }
};

// How many paths a window was started with, or had dropped on it: a leading "--" (after which
// every argument is a name) is taken off, and more than one is refused.
enum class Given { None, One, Several };
template <typename Names>
Given OneGiven(Names& names) {
  if (!names.empty() && names.front().size() == 2 && names.front()[0] == '-' &&
      names.front()[1] == '-') {
    names.erase(names.begin());
  }
  return names.empty() ? Given::None : names.size() == 1 ? Given::One : Given::Several;
}

// The status box's new lines, kept until the next frame and then put in at once: one insertion
// of many lines costs a text box far less than one per line, and nobody reads faster than the
// display refreshes.
class StatusLog {
 public:
  using Clock = std::chrono::steady_clock;
  // A display's refresh: no frame comes sooner after the last.
  static constexpr auto kFrame = std::chrono::milliseconds(16);
  // Drawing a frame may cost more than the copies between two frames; the copies come first,
  // with this many times the time the last frame took.
  static constexpr int kCopyShareToDrawing = 9;

  // The box ends its lines in `lineEnd` (Qt's "\n", a Win32 edit control's "\r\n").
  explicit StatusLog(std::u16string_view lineEnd) : lineEnd_(lineEnd) {}

  // One line, with whatever line ending it came.
  void Append(std::u16string_view line);
  const std::u16string& Pending() const { return pending_; }
  // What waits, for one insertion; nothing waits after.
  std::u16string Take();
  void Clear() { pending_.clear(); }

  // A run's first line is shown at once.
  void Start() { next_ = {}; }
  // Whether the next frame is due at `now`.
  bool Due(Clock::time_point now) const { return now >= next_; }
  // A frame that began at `start` ended at `end`.
  void Framed(Clock::time_point start, Clock::time_point end);

 private:
  std::u16string lineEnd_;
  std::u16string pending_;
  Clock::time_point next_{};
};

}  // namespace ferrowick
