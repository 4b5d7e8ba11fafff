// SPDX-License-Identifier: MIT
#pragma once
// A window that keeps its fields in memory, for driving the core without a toolkit.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "phrases.h"
#include "utf.h"
#include "window_services.h"

namespace ferrowick::testing {

class FakeWindow : public WindowServices {
 public:
  std::map<Box, std::u16string> text;
  bool prefix = true;
  std::vector<std::u16string> messages;
  int repaints = 0;
  std::function<bool()> keepRunning = [] { return true; };

  std::u16string Text(Box box) const override {
    const auto it = text.find(box);
    return it == text.end() ? std::u16string() : it->second;
  }
  void SetText(Box box, const std::u16string& value) override { text[box] = value; }
  std::u16string Words(Phrase phrase) const override { return FromUtf8(English(phrase)); }
  bool PrefixSelected() const override { return prefix; }
  void AppendStatusLine(std::u16string_view line) override { text[Box::Status] += line; }
  void RepaintStatus() override { ++repaints; }
  void ShowMessage(const std::u16string& message) override { messages.push_back(message); }
  void FocusOn(Box box) override { focused.push_back(box); }
  std::vector<Box> focused;
  bool KeepRunning() override { return keepRunning(); }
};

struct CopyCall {
  std::u16string source;
  std::u16string target;
  std::u16string statusAtCopy;
};

class RecordingCopier : public FileCopier {
 public:
  explicit RecordingCopier(const FakeWindow& window) : window_(window) {}
  std::vector<CopyCall> calls;
  std::function<void()> during = [] {};

  bool CopyOneFile(const std::u16string& source, const std::u16string& target) override {
    calls.push_back({source, target, window_.Text(Box::Status)});
    during();
    return true;
  }

 private:
  const FakeWindow& window_;
};

}  // namespace ferrowick::testing
