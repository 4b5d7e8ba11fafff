// SPDX-License-Identifier: MIT
// A file's times and extended attributes: whatever the target takes goes along; what it refuses
// is named to the user once a run, and the copy is no less whole.
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstring>

#include "engine_parts.h"
#include "utf.h"

namespace ferrowick {

namespace {

constexpr char kAccessAcl[] = "system.posix_acl_access";

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

std::string CutByUmask(std::string_view acl, mode_t umask) {
  // struct posix_acl_xattr_header { le32 version; } then entries { le16 tag; le16 perm; le32 id; }
  constexpr std::size_t kHeader = 4;
  constexpr std::size_t kEntry = 8;
  constexpr unsigned kVersion = 2;
  constexpr unsigned kUserObj = 0x01, kGroupObj = 0x04, kMask = 0x10, kOther = 0x20;
  std::string cut(acl);
  const auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(cut[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(cut[at + 1])) << 8;
  };
  // Not an ACL as the kernel writes it: nothing to cut, and the target will refuse it.
  if (cut.size() < kHeader || (cut.size() - kHeader) % kEntry != 0 || word(0) != kVersion ||
      word(2) != 0) {
    return cut;
  }
  bool mask = false;
  for (std::size_t at = kHeader; at < cut.size(); at += kEntry) mask = mask || word(at) == kMask;
  for (std::size_t at = kHeader; at < cut.size(); at += kEntry) {
    const unsigned tag = word(at);
    // The group class is the mask where there is one, else the owning group.
    const unsigned shift = tag == kUserObj                               ? 6
                           : tag == kMask || (tag == kGroupObj && !mask) ? 3
                           : tag == kOther                               ? 0
                                                                         : 9;
    if (shift == 9) continue;
    const unsigned perm = word(at + 2) & ~(static_cast<unsigned>(umask) >> shift) & 7u;
    cut[at + 2] = static_cast<char>(perm);
    cut[at + 3] = 0;
  }
  return cut;
}

using namespace engine;

// The source's attributes, read once for each state of it: its identity and change time tell
// whether they can have changed since the last copy (setting an attribute changes the time).
CopyEngine::Step CopyEngine::CopyAttributes(const Job& job, int in, int out) {
  const struct stat& st = job.sourceStat;
  SourceAttributes& known = attributes_;
  if (!known.valid || known.device != st.st_dev || known.inode != st.st_ino ||
      known.changed.tv_sec != st.st_ctim.tv_sec || known.changed.tv_nsec != st.st_ctim.tv_nsec) {
    known.valid = false;
    if (const Step failed = ReadAttributes(in)) return failed;
    known = {st.st_dev, st.st_ino, st.st_ctim, true, std::move(known.list)};
  }
  for (const auto& attribute : known.list) {
    const std::string& name = attribute.first;
    const std::string& value = attribute.second;
    if (Sys(Call::SetAttribute,
            [&] { return ::fsetxattr(out, name.c_str(), value.data(), value.size(), 0); }) != 0) {
      if (!Refused(errno)) return Step::Of(Call::SetAttribute);
      NotKept(name, errno, Call::SetAttribute);
    }
  }
  return {};
}

// Reads the source's attributes into `attributes_.list`, an access ACL cut by the umask.
CopyEngine::Step CopyEngine::ReadAttributes(int in) {
  std::vector<std::pair<std::string, std::string>>& list = attributes_.list;
  list.clear();
  if (names_.empty()) names_.resize(4096);
  if (value_.empty()) value_.resize(4096);
  ssize_t length;
  for (;;) {
    length =
        Sys(Call::ListAttributes, [&] { return ::flistxattr(in, names_.data(), names_.size()); });
    if (length >= 0) break;
    if (errno == EOPNOTSUPP) return {};  // the source's file system keeps none
    const ssize_t needed =
        errno == ERANGE ? Sys(Call::ListAttributes, [&] { return ::flistxattr(in, nullptr, 0); })
                        : -1;
    if (needed < 0) {
      // The data is whole without them (rclone answers EIO to any such question): named once.
      NotKept("", errno, Call::ListAttributes);
      return {};
    }
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
      // Gone meanwhile, or not ours to read; otherwise named once, the copy whole without it.
      if (errno != ENODATA && !Unreadable(errno, name)) NotKept(name, errno, Call::GetAttribute);
      continue;
    }
    std::string value(value_.data(), static_cast<std::size_t>(size));
    // The ACL's named entries go along; what it gives the owner, the group class and others is
    // cut by the umask, as the mode of any new file is.
    if (std::strcmp(name, kAccessAcl) == 0) value = CutByUmask(value, umask_);
    list.emplace_back(name, std::move(value));
  }
  return {};
}

// An attribute the targets did not get, named once a run; "" for all of the source's.
void CopyEngine::NotKept(const std::string& name, int error, Call call) {
  const std::u16string shown = FromBytes(name);
  if (std::none_of(notKept_.begin(), notKept_.end(),
                   [&](const auto& kept) { return kept.name == shown; })) {
    notKept_.push_back({shown, error, CallName(call)});
  }
}

CopyEngine::Step CopyEngine::CopyTimes(const Job& job, int out) {
  const struct timespec times[2] = {job.sourceStat.st_atim, job.sourceStat.st_mtim};
  if (Sys(Call::SetTimes, [&] { return ::futimens(out, times); }) == 0) return {};
  if (!NotKeptThere(errno)) return Step::Of(Call::SetTimes);
  timesNotKept_ = errno;
  return {};
}

}  // namespace ferrowick
