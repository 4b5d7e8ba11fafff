// SPDX-License-Identifier: MIT
#include "module1.h"

#include <sys/stat.h>

#include "utf.h"

namespace ferrowick {

void Module1::BeginRun(int count) {
  answers_.Begin(count);
  sized_ = false;
}

bool Module1::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  const std::string from = ToBytes(source);
  const std::string to = ToBytes(target);
  if (!sized_) {
    // Once a run: the run's total for the progress display.
    struct stat st {};
    sourceSize_ = ::stat(from.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    sized_ = true;
  }
  return answers_.BeginCopy(source, target, sourceSize_) &&
         engine_.Copy(from, to) == CopyOutcome::Copied;
}

bool Module1::EndRun() {
  const bool durable = engine_.MakeDurable([this] { answers_.Writing(); });
  answers_.End();
  return durable;
}

std::u16string Module1::PickDirectory() { return folders_.ChooseFolder(); }

}  // namespace ferrowick
