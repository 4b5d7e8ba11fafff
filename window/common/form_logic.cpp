// SPDX-License-Identifier: MIT
#include "form_logic.h"

#include <algorithm>
#include <string>

namespace ferrowick {

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

}  // namespace ferrowick
