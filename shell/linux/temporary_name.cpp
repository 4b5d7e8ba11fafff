// SPDX-License-Identifier: MIT
#include "temporary_name.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

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
  const std::string middle(
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()));
  char machine[9] = "";
  long pid = 0;
  unsigned long long serial = 0;
  int end = 0;
  if (std::sscanf(middle.c_str(), "%8[0-9a-f]-%ld-%llu%n", machine, &pid, &serial, &end) != 3 ||
      static_cast<std::size_t>(end) != middle.size() || std::strlen(machine) != 8 || pid <= 0) {
    return std::nullopt;
  }
  return TemporaryName{machine, pid, serial};
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
