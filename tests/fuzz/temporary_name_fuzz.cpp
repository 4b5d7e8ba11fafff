// SPDX-License-Identifier: MIT
// Names found in a folder that look like our temporaries: only the exact form we write is ours.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "temporary_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  const auto parsed = ferrowick::TemporaryName::Parse(name);
  if (parsed && (parsed->Format() != name || parsed->pid <= 0)) std::abort();
  return 0;
}
