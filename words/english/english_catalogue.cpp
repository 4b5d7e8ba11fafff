// SPDX-License-Identifier: MIT
// The words of a Linux build without Qt (the fuzz targets' and the core's own): English, which
// every sentence is written in, and the C library's forms.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "catalogue.h"
#include "utf.h"

namespace ferrowick::catalogue {

std::u16string translate(const char*, const char* english) { return FromUtf8(english); }

std::u16string SystemText(int code) { return FromUtf8(std::strerror(code)); }

std::u16string SystemReason(int code) { return SystemText(code); }

std::u16string Number(std::uint64_t value) { return FromUtf8(std::to_string(value)); }

std::u16string DataSize(std::uint64_t bytes) { return Number(bytes) + u" bytes"; }

std::u16string LocalTime(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm local{};
  char text[32] = "?";
  if (localtime_r(&time, &local) != nullptr) std::strftime(text, sizeof text, "%F %T", &local);
  return FromUtf8(text);
}

}  // namespace ferrowick::catalogue
