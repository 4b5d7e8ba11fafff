// SPDX-License-Identifier: MIT
#include "temporary_name.h"

#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdio>

#include "engine_parts.h"

namespace ferrowick {

namespace {
constexpr std::string_view kPrefix = ".~ferrowick-";
constexpr std::string_view kSuffix = ".tmp";
}  // namespace

std::string TemporaryName::Format() const {
  return std::string(kPrefix) + machine + "-" + std::to_string(pid) + "-" + std::to_string(serial) +
         std::string(kSuffix);
}

bool TemporaryName::Ours(std::string_view name) {
  return name.size() > kPrefix.size() + kSuffix.size() &&
         name.substr(0, kPrefix.size()) == kPrefix &&
         name.substr(name.size() - kSuffix.size()) == kSuffix;
}

std::optional<TemporaryName> TemporaryName::Parse(std::string_view name) {
  if (!Ours(name)) return std::nullopt;
  std::string_view middle =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  TemporaryName parsed;
  parsed.machine = middle.substr(0, 8);
  if (parsed.machine.size() != 8 ||
      parsed.machine.find_first_not_of("0123456789abcdef") != std::string::npos) {
    return std::nullopt;
  }
  middle.remove_prefix(8);
  const auto number = [&](auto& value) {
    if (middle.empty() || middle.front() != '-') return false;
    const char* end = middle.data() + middle.size();
    const auto [stop, error] = std::from_chars(middle.data() + 1, end, value);
    middle.remove_prefix(static_cast<std::size_t>(stop - middle.data()));
    return error == std::errc();
  };
  // Only the form Format writes: a name that reads the same but is written otherwise (a sign,
  // a leading zero) is someone else's.
  if (!number(parsed.pid) || !number(parsed.serial) || !middle.empty() || parsed.pid <= 0 ||
      parsed.Format() != name) {
    return std::nullopt;
  }
  return parsed;
}

const std::string& TemporaryName::ThisMachine() {
  static const std::string machine = [] {
    std::string id = engine::FirstLine("/etc/machine-id");
    if (id.empty()) id = engine::FirstLine("/var/lib/dbus/machine-id");
    if (id.empty()) {
      char host[256] = "";
      ::gethostname(host, sizeof host - 1);
      id = host;
    }
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : id) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return std::string(hex);
  }();
  return machine;
}

}  // namespace ferrowick
