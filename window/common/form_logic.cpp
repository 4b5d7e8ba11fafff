// SPDX-License-Identifier: MIT
#include "form_logic.h"

#include <algorithm>
#include <string>

#include "spoken.h"

namespace ferrowick {

Placing Placing::For(Found found, bool folderTaken) {
  switch (found) {
    case Found::File:
      return {Into::File};
    case Found::Folder:
      return folderTaken ? Placing{Into::Folder} : Placing{Into::Nothing, true, Refusal::Folder};
    case Found::Missing:
      break;
  }
  return {Into::Nothing, true, Refusal::Missing};
}

void StatusLog::Append(std::u16string_view line) {
  if (!line.empty() && line.back() == u'\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
  pending_.append(line);
  pending_.append(lineEnd_);
}

std::u16string StatusLog::Take() {
  std::u16string lines;
  lines.swap(pending_);
  return lines;
}

void StatusLog::Framed(Clock::time_point start, Clock::time_point end) {
  next_ = end + std::max<Clock::duration>(kFrame, (end - start) * kCopyShareToDrawing);
}

namespace {

std::u16string Number(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

}  // namespace

Announcement RunEnded(int count, int tried, int made, const std::u16string& folder) {
  if (tried < count) return {Spoken::Stopped, {Number(made), Number(count)}};
  if (made < count) return {Spoken::NotAll, {Number(made), Number(count), Number(count - made)}};
  return {Spoken::Done, {Number(made), Number(count), folder}};
}

Announcement RunSoFar(int made, int count) {
  return {Spoken::Progress, {Number(made), Number(count)}};
}

}  // namespace ferrowick
