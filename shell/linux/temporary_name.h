// SPDX-License-Identifier: MIT
#pragma once
// The hidden name a copy has until it is whole, where its folder has no unnamed files:
// ".~ferrowick-MACHINE-PID-SERIAL.tmp". MACHINE tells apart the computers that share a network
// folder, PID the runs on one computer, SERIAL the copies of one run. Built and read only here.

#include <optional>
#include <string>
#include <string_view>

namespace ferrowick {

struct TemporaryName {
  std::string machine;  // 8 hex digits
  long pid = 0;
  unsigned long long serial = 0;

  std::string Format() const;
  // Only names in this form; an earlier version's ".~ferrowick-PID-SERIAL.tmp" is not one.
  static std::optional<TemporaryName> Parse(std::string_view name);
  // Any temporary of this program, of whatever version or computer.
  static bool Ours(std::string_view name);
  // This computer's MACHINE: a hash of its machine id, or of its host name where it has none.
  static const std::string& ThisMachine();
};

}  // namespace ferrowick
