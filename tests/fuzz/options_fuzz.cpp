// SPDX-License-Identifier: MIT
// A command line as a user or a script types it, on both platforms: the arguments' bytes as Linux
// hands them over (the input split at NUL), and the same input read as UTF-16 as Windows hands
// them over. A run takes exactly one of its arguments, byte for byte, as its file; a refusal, the
// help and the version run nothing; a folder never keeps a separator at its end but as a root.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "options.h"
#include "utf.h"

namespace {

using ferrowick::CommandLine;

void Check(const std::vector<std::u16string>& args, char16_t separator) {
  const CommandLine line = ferrowick::ParseCommandLine(args, separator);
  const bool runs = line.refusal.empty() && !line.help && !line.version;
  if (!runs) {
    if (!line.file.empty()) std::abort();
    return;
  }
  bool given = false;
  for (const std::u16string& arg : args) given = given || arg == line.file;
  if (!given) std::abort();
  const std::u16string& folder = line.folder;
  if (folder.size() > 1 && (folder.back() == u'/' || folder.back() == separator)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferrowick;
  std::vector<std::u16string> bytes(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      bytes.emplace_back();
    } else {
      bytes.back() += static_cast<char16_t>(data[i]);
    }
  }
  // Linux: each argument's bytes, carried losslessly.
  std::vector<std::u16string> linux;
  for (const std::u16string& arg : bytes) {
    const std::string raw(arg.begin(), arg.end());
    linux.push_back(FromBytes(raw));
    if (ToBytes(linux.back()) != raw) std::abort();
  }
  Check(linux, u'/');
  // Windows: pairs of bytes, as UTF-16 units, split at a NUL unit.
  std::vector<std::u16string> windows(1);
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    if (unit == 0) {
      windows.emplace_back();
    } else {
      windows.back() += unit;
    }
  }
  Check(windows, u'\\');
  return 0;
}
