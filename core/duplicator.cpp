// SPDX-License-Identifier: MIT
#include "duplicator.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "utf.h"

namespace ferrowick {
namespace {

constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();

// Positions are kept as 16-bit numbers by the naming rule; a path that puts its last separator
// or dot beyond that cannot be split and is refused up front.
constexpr std::size_t kMaxPosition = kMax;

std::u16string Decimal(int value) {
  std::u16string text;
  const bool negative = value < 0;
  unsigned magnitude = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) text.insert(text.begin(), u'-');
  return text;
}

// 1-based position of the last `c` in `text`, 0 when absent.
std::size_t LastPosition(std::u16string_view text, char16_t c) {
  const auto at = text.rfind(c);
  return at == std::u16string_view::npos ? 0 : at + 1;
}

void AddLine(const WindowServices& window, Phrase phrase, std::u16string& message) {
  message += window.Words(phrase);
  message += u"\r\n";
}

bool PathTooLong(const std::u16string& source, char16_t separator) {
  const std::size_t p = LastPosition(source, separator);
  const std::size_t q = LastPosition(std::u16string_view(source).substr(p), u'.');
  return p > kMaxPosition || q > kMaxPosition;
}

// Reads one number box for ValidateMe; returns the value when it is usable, else appends the
// box's line to the message. `problems` are the box's phrases: not whole, too big, not positive.
bool CheckNumberBox(WindowServices& window, Box box, const Phrase (&problems)[3],
                    std::u16string& message, std::int16_t& value) {
  if (window.Text(box).empty()) window.SetText(box, u"0");
  const NumberText number = ReadNumber(window.Text(box));
  const Phrase* problem = nullptr;
  if (number.kind == NumberText::NotWhole) {
    problem = &problems[0];
  } else if (number.kind == NumberText::TooBig) {
    problem = &problems[1];
  } else if (number.value <= 0) {
    problem = &problems[2];
  }
  if (problem == nullptr) {
    value = number.value;
    return true;
  }
  AddLine(window, *problem, message);
  return false;
}

}  // namespace

std::u16string MakeTag(const std::int16_t& vPad, const std::int16_t& vTag) {
  std::u16string s = Decimal(vTag);
  const int n = vPad - static_cast<int>(s.size());
  if (n >= 1) s.insert(0, static_cast<std::size_t>(n), u'0');
  return s;
}

NumberText ReadNumber(const std::u16string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  if (i == text.size()) return {NumberText::NotWhole, 0};
  long magnitude = 0;  // saturates just above the 16-bit range, so any length of digits is safe
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return {NumberText::NotWhole, 0};
    magnitude = std::min(magnitude * 10 + (text[i] - u'0'), 100000L);
  }
  if (negative) {
    const long value =
        std::max(-magnitude, static_cast<long>(std::numeric_limits<std::int16_t>::min()));
    return {NumberText::Whole, static_cast<std::int16_t>(value)};
  }
  if (magnitude > kMax) return {NumberText::TooBig, 0};
  return {NumberText::Whole, static_cast<std::int16_t>(magnitude)};
}

SourceParts SplitSource(const std::u16string& source, char16_t separator) {
  SourceParts parts;
  const std::size_t p = LastPosition(source, separator);
  parts.directory = source.substr(0, p);
  const std::u16string_view name = std::u16string_view(source).substr(p);
  const std::size_t q = LastPosition(name, u'.');
  if (q != 0) {
    parts.base = name.substr(0, q - 1);
    parts.extension = name.substr(q - 1);
  } else {
    parts.base = name;
  }
  return parts;
}

namespace {

// The numbers a run takes, where the inputs can be run: ValidateMe, with what it read.
struct Counts {
  std::int16_t copies = 0;
  std::int16_t start = 0;
};
std::optional<Counts> Validate(WindowServices& window, char16_t separator) {
  std::u16string message;
  const std::u16string source = window.Text(Box::File);
  if (source.empty()) {
    AddLine(window, Phrase::NoFile, message);
  } else if (PathTooLong(source, separator)) {
    AddLine(window, Phrase::PathTooLong, message);
  }
  const bool fileOk = message.empty();
  std::int16_t copies = 0;
  std::int16_t start = 0;
  const bool copiesOk = CheckNumberBox(
      window, Box::Copies,
      {Phrase::CopiesNotWhole, Phrase::CopiesTooBig, Phrase::CopiesNotPositive}, message, copies);
  const bool startOk = CheckNumberBox(
      window, Box::Prefix, {Phrase::StartNotWhole, Phrase::StartTooBig, Phrase::StartNotPositive},
      message, start);
  if (copiesOk && startOk && static_cast<int>(start) + copies > kMax) {
    AddLine(window, Phrase::SumTooBig, message);
  }
  if (message.empty()) return Counts{copies, start};
  window.ShowMessage(message);
  // A sum too large is mended in either box; the first is Step 2.
  window.FocusOn(!fileOk ? Box::File : !copiesOk || startOk ? Box::Copies : Box::Prefix);
  return std::nullopt;
}

}  // namespace

bool ValidateMe(WindowServices& window, char16_t separator) {
  return Validate(window, separator).has_value();
}

void Duplicator::Run() {
  if (running_) return;
  running_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running_};
  RunOnce();
}

void Duplicator::RunOnce() {
  tally_ = Tally();
  const std::optional<Counts> counts = Validate(window_, separator_);
  if (!counts) return;
  window_.SetText(Box::Status, u"");

  SourceParts parts = SplitSource(window_.Text(Box::File), separator_);
  const std::u16string dirBox = window_.Text(Box::Dir);
  if (!dirBox.empty()) parts.directory = dirBox + separator_;

  // Validation has found both numbers whole, positive and their sum at most 32767.
  const std::int16_t start = counts->start;
  const std::int16_t count = counts->copies;
  const auto width = static_cast<std::int16_t>(Decimal(start + count).size());

  tally_.count = count;
  tally_.folder = parts.directory;
  // A root keeps its separator ("/", "C:\\"): it is part of the folder's name.
  const std::size_t size = tally_.folder.size();
  if (size > 1 && tally_.folder.back() == separator_ && tally_.folder[size - 2] != u':') {
    tally_.folder.pop_back();
  }

  copier_.BeginRun(count);
  struct EndRun {
    FileCopier& copier;
    Tally& tally;
    ~EndRun() { tally.durable = copier.EndRun(); }
  } endRun{copier_, tally_};

  const std::u16string lead = window_.Words(Phrase::CopyingTo);
  std::u16string target;
  std::u16string line;
  std::int16_t next = start;
  for (int counter = 1; counter <= count; ++counter, ++next) {
    const std::u16string tag = MakeTag(width, next);
    target = parts.directory;
    if (window_.PrefixSelected()) {
      target += tag;
      target += parts.base;
    } else {
      target += parts.base;
      target += tag;
    }
    target += parts.extension;

    line = lead;
    AppendVisible(line, target);
    line += u"\r\n";
    window_.AppendStatusLine(line);
    window_.RepaintStatus();

    tally_.made += copier_.CopyOneFile(window_.Text(Box::File), target) ? 1 : 0;
    ++tally_.tried;
    if (!window_.KeepRunning() || copier_.Stopped()) break;
  }
}

}  // namespace ferrowick
