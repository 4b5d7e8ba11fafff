// SPDX-License-Identifier: MIT
// Names as a file system hands them over, any bytes: they come back byte for byte, and shown
// they drive no terminal.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ferrowick;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string text = FromBytes(bytes);
  if (ToBytes(text) != bytes || (IsUtf8(bytes) && text != FromUtf8(bytes))) std::abort();
  std::u16string shown;
  AppendVisible(shown, text);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const char16_t c = shown[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < shown.size() && shown[i + 1] >= 0xDC00 &&
                      shown[i + 1] <= 0xDFFF;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
        (c >= 0xDC80 && c <= 0xDCFF && (i == 0 || shown[i - 1] < 0xD800 || shown[i - 1] > 0xDBFF))) {
      std::abort();
    }
    i += pair;
  }
  return 0;
}
