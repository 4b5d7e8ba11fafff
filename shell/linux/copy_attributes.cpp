// SPDX-License-Identifier: MIT
// A file's times and extended attributes: whatever the target takes goes along; what it refuses
// is named to the user once a run, and the copy is no less whole.
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstring>

#include "engine_parts.h"

namespace ferrowick {

namespace {

bool SystemNamespace(const char* name) {
  return std::strncmp(name, "security.", 9) == 0 || std::strncmp(name, "trusted.", 8) == 0 ||
         std::strncmp(name, "system.", 7) == 0;
}

// Attributes a source may keep from us: its file system has none, or only the system reads
// them. The copy is no less whole without them.
bool Unreadable(int error, const char* name) {
  return error == EOPNOTSUPP || (SystemNamespace(name) && (error == EPERM || error == EACCES));
}

// Attributes a target may refuse while taking the data whole: it keeps none of that kind or
// none that large. The user hears of them at the end of the run.
bool Refused(int error) {
  return engine::NotKeptThere(error) || error == ENOSPC || error == E2BIG || error == ERANGE;
}

}  // namespace

using namespace engine;

CopyEngine::Step CopyEngine::CopyAttributes(int in, int out) {
  if (names_.empty()) names_.resize(4096);
  if (value_.empty()) value_.resize(4096);
  ssize_t length;
  for (;;) {
    length =
        Sys(Call::ListAttributes, [&] { return ::flistxattr(in, names_.data(), names_.size()); });
    if (length >= 0) break;
    if (errno == EOPNOTSUPP) return {};  // the source's file system keeps none
    if (errno != ERANGE) return Step::Of(Call::ListAttributes);
    const ssize_t needed = Sys(Call::ListAttributes, [&] { return ::flistxattr(in, nullptr, 0); });
    if (needed < 0) return Step::Of(Call::ListAttributes);
    names_.resize(static_cast<std::size_t>(needed) + 256);
  }
  const char* const last = names_.data() + length;
  for (const char* name = names_.data(); name < last; name += std::strlen(name) + 1) {
    ssize_t size;
    for (;;) {
      size = Sys(Call::GetAttribute,
                 [&] { return ::fgetxattr(in, name, value_.data(), value_.size()); });
      if (size >= 0 || errno != ERANGE) break;
      const ssize_t needed =
          Sys(Call::GetAttribute, [&] { return ::fgetxattr(in, name, nullptr, 0); });
      if (needed < 0) break;
      value_.resize(static_cast<std::size_t>(needed) + 64);
    }
    if (size < 0) {
      if (errno == ENODATA || Unreadable(errno, name)) continue;  // gone meanwhile, or not ours
      return Step::Of(Call::GetAttribute);
    }
    if (Sys(Call::SetAttribute, [&] {
          return ::fsetxattr(out, name, value_.data(), static_cast<std::size_t>(size), 0);
        }) != 0) {
      if (!Refused(errno)) return Step::Of(Call::SetAttribute);
      if (std::none_of(notKept_.begin(), notKept_.end(),
                       [&](const auto& kept) { return kept.name == name; })) {
        notKept_.push_back({name, errno});
      }
    }
  }
  return {};
}

CopyEngine::Step CopyEngine::CopyTimes(const Job& job, int out) {
  const struct timespec times[2] = {job.sourceStat.st_atim, job.sourceStat.st_mtim};
  if (Sys(Call::SetTimes, [&] { return ::futimens(out, times); }) == 0) return {};
  if (!NotKeptThere(errno)) return Step::Of(Call::SetTimes);
  timesNotKept_ = errno;
  return {};
}

}  // namespace ferrowick
