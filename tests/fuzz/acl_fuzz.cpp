// SPDX-License-Identifier: MIT
// A source's ACL, as another user may have written it: the copy's is never more open, and keeps
// every entry where it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "copy_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const mode_t umask = static_cast<mode_t>((data[0] | data[1] << 8) & 0777);
  const std::string acl(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string cut = ferrowick::CutByUmask(acl, umask);
  if (cut.size() != acl.size()) std::abort();
  for (std::size_t i = 0; i < acl.size(); ++i) {
    // Only the permissions of an entry (bytes 2 and 3 of each 8 after the header) may change,
    // and only lose bits.
    const bool perm = i >= 4 && (i - 4) % 8 >= 2 && (i - 4) % 8 < 4;
    if (!perm ? cut[i] != acl[i] : (cut[i] & ~acl[i]) != 0) std::abort();
  }
  return 0;
}
