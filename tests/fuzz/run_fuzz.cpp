// SPDX-License-Identifier: MIT
// What a user types or pastes into the boxes, and the name of the file they chose: the input
// checks and the naming rule. Fields: file, directory, copies and start, separated by NUL; the
// first byte chooses the separator and the tag's place.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "duplicator.h"
#include "fake_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferrowick;
  if (size == 0) return 0;
  const char16_t separator = (data[0] & 1) != 0 ? u'\\' : u'/';
  std::u16string fields[4];
  for (std::size_t i = 1, field = 0; i < size && field < 4; ++i) {
    if (data[i] == 0) ++field; else fields[field] += static_cast<char16_t>(data[i]);
  }
  testing::FakeWindow window;
  window.prefix = (data[0] & 2) != 0;
  window.text = {{Box::File, fields[0]}, {Box::Dir, fields[1]}, {Box::Copies, fields[2]},
                 {Box::Prefix, fields[3]}};
  const SourceParts parts = SplitSource(fields[0], separator);
  if (parts.directory + parts.base + parts.extension != fields[0]) std::abort();
  const NumberText copies = ReadNumber(fields[2]);
  // Runs of many copies are the same rule many times: a few are enough here.
  if (copies.kind == NumberText::Whole && copies.value > 20) return 0;
  testing::RecordingCopier copier(window);
  Duplicator(window, copier, separator).Run();
  const bool valid = window.messages.empty();
  if (window.messages.size() > 1 || (!valid && !copier.calls.empty())) std::abort();
  if (valid && static_cast<int>(copier.calls.size()) != copies.value) std::abort();
  return 0;
}
