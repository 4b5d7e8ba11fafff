// SPDX-License-Identifier: MIT
#pragma once
// Tells a screen reader a sentence without the focus moving and without anything to see: a
// static control of no size, marked as a polite live region, whose text is each new sentence.

#include <windows.h>

#include <string>

namespace ferrowick {

class Announcer {
 public:
  Announcer() = default;
  Announcer(const Announcer&) = delete;
  Announcer& operator=(const Announcer&) = delete;

  void Attach(HWND parent);
  void Say(const std::u16string& sentence);
  HWND hWnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace ferrowick
