// SPDX-License-Identifier: MIT
#include "module1.h"

#include <shlobj.h>

#include <utility>

#include "path_look.h"

namespace ferrowick {
namespace {

// The shell's own codes, older than the system's error codes and returned beside them.
constexpr int kShellCancelled = 0x75;     // DE_OPCANCELLED
constexpr int kShellSourceDenied = 0x78;  // DE_ACCESSDENIEDSRC
constexpr int kShellInvalidFiles = 0x7C;  // DE_INVALIDFILES
constexpr int kShellDestCdRom = 0x82;     // DE_DEST_IS_CDROM, _DVD, _CDRECORD
constexpr int kShellDestCdRecord = 0x84;
constexpr int kShellFileTooLarge = 0x85;  // DE_FILE_TOO_LARGE
constexpr int kShellUnknown = 0x402;      // what a source that is not there gives

// The shell takes lists of paths, each ended by a NUL and the list by a second one.
std::wstring PathList(const std::wstring& path) {
  std::wstring list = path;
  list.push_back(L'\0');
  return list;  // c_str() adds the second NUL
}

}  // namespace

std::optional<Reason> WhyOfCode(int code) {
  switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return Reason::NoRoom;
    case kShellFileTooLarge:
    case ERROR_FILE_TOO_LARGE:
      return Reason::TooLarge;
    case ERROR_WRITE_PROTECT:
      return Reason::WriteProtected;
    case ERROR_ACCESS_DENIED:
    case kShellSourceDenied:
      return Reason::Denied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Reason::InUse;
    default:
      if (code >= kShellDestCdRom && code <= kShellDestCdRecord) return Reason::WriteProtected;
      return std::nullopt;
  }
}

std::optional<NotMade::Party> HeldOpen(const std::wstring& source, const std::wstring& target) {
  // Opened as the copy would need each: the source to be read, the copy's name to be replaced.
  const auto held = [](const std::wstring& path, DWORD access) {
    const HANDLE file =
        CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return false;
    }
    const DWORD code = GetLastError();
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
  };
  if (held(source, GENERIC_READ)) return NotMade::Party::Source;
  if (held(target, DELETE)) return NotMade::Party::Copy;
  return std::nullopt;
}

namespace {

std::u16string U(const std::wstring& text) { return {text.begin(), text.end()}; }

}  // namespace

std::u16string DeviceName(std::u16string_view path) {
  const auto slash = path.find_last_of(u"\\/");
  std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  // Windows drops the dots and spaces a name ends in, reads only what comes before its first
  // dot (or a colon, as in "COM1:") and drops the spaces that end that too.
  while (!name.empty() && (name.back() == u' ' || name.back() == u'.')) name.remove_suffix(1);
  name = name.substr(0, name.find_first_of(u".:"));
  while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
  std::u16string upper(name);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  for (const std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL"}) {
    if (upper == device) return upper;
  }
  if (upper.size() != 4 || (upper.compare(0, 3, u"COM") != 0 && upper.compare(0, 3, u"LPT") != 0)) {
    return {};
  }
  // COM1 to COM9, and the superscript digits, which Windows takes for 1, 2 and 3.
  const char16_t digit = upper[3];
  if ((digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
      digit == u'\u00B3') {
    return upper;
  }
  return {};
}

Module1::Module1(RunHost& host, Shell shell)
    : answers_(host, std::chrono::milliseconds(0)), shell_(std::move(shell)) {
  if (!shell_) shell_ = [](SHFILEOPSTRUCTW& operation) { return SHFileOperationW(&operation); };
}

bool Module1::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  NotMade copy;
  copy.source = source;
  copy.target = target;
  copy.path = target;
  const std::wstring from(source.begin(), source.end());
  const std::wstring to(target.begin(), target.end());
  copy.device = DeviceName(target);
  const Found before = Look(to);
  // The shell would hand the file to a device, or copy it into a folder of that name.
  if (!copy.device.empty() || before.folder) {
    copy.why = copy.device.empty() ? Reason::FolderHasName : Reason::Device;
    answers_.ReportError(copy);
    return false;
  }
  copy.want = Look(from).size;

  const std::wstring fromList = PathList(from);
  const std::wstring toList = PathList(to);
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = nullptr;
  operation.wFunc = FO_COPY;
  operation.pFrom = fromList.c_str();
  operation.pTo = toList.c_str();
  operation.fFlags = FOF_SIMPLEPROGRESS;
  copy.code = shell_(operation);
  copy.call = "SHFileOperationW";
  const bool aborted = operation.fAnyOperationsAborted != FALSE;

  const Found after = Look(to);
  copy.have = after.size;
  const bool done = copy.code == 0 && !aborted;
  if (done && after.there && !after.folder && copy.have == copy.want) return true;

  if (after.there) {
    // What the run made under a free name and the shell did not finish is no copy: it goes.
    // A file that was there before stays, whatever the shell did to it.
    if (before.there) {
      copy.left = NotMade::Left::Earlier;
    } else {
      copy.left = DeleteFileW(to.c_str()) ? NotMade::Left::Removed : NotMade::Left::NotRemoved;
    }
  }
  if (done) {
    copy.why = after.there ? Reason::Short : Reason::NotThere;
    copy.code = 0;
    copy.call = {};
  } else if (const auto why = WhyOfCode(copy.code)) {
    copy.why = *why;
  } else {
    copy.why = Diagnose(copy, aborted, from, to);
  }
  if (copy.why == Reason::InUse) {
    // The shell's code does not say which of the two is held.
    const std::optional<NotMade::Party> held = HeldOpen(from, to);
    copy.at = held.value_or(NotMade::Party::Copy);
    copy.path = !held ? std::u16string() : *held == NotMade::Party::Source ? source : target;
  } else if (copy.why == Reason::SourceGone) {
    copy.at = NotMade::Party::Source;
  }
  answers_.ReportError(copy);
  return false;
}

Reason Module1::Diagnose(const NotMade& copy, bool aborted, const std::wstring& source,
                         const std::wstring& target) {
  if (!Look(source).there) return Reason::SourceGone;
  ULARGE_INTEGER room{};
  if (GetDiskFreeSpaceExW(FolderOf(target).c_str(), &room, nullptr, nullptr) &&
      room.QuadPart < copy.want) {
    return Reason::NoRoom;
  }
  // Where the name is free, the drive itself says whether a file may be made there: a new,
  // empty one that goes again as it is closed.
  if (copy.left != NotMade::Left::Earlier && copy.left != NotMade::Left::NotRemoved) {
    const HANDLE probe = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
      CloseHandle(probe);
    } else if (const auto why = WhyOfCode(static_cast<int>(GetLastError()))) {
      return *why;
    }
  }
  if (aborted || copy.code == ERROR_CANCELLED || copy.code == kShellCancelled) {
    return Reason::Cancelled;
  }
  if (copy.code == kShellUnknown || copy.code == kShellInvalidFiles) return Reason::NotThere;
  return Reason::ShellFailed;
}

std::optional<std::u16string> Module1::PickDirectory(HWND owner, const std::u16string& title) {
  // Some shells write the display name whether asked or not; give them room.
  wchar_t displayName[MAX_PATH] = {};
  const std::wstring caption(title.begin(), title.end());
  BROWSEINFOW request{};
  request.hwndOwner = owner;
  request.pidlRoot = nullptr;
  request.pszDisplayName = displayName;
  request.lpszTitle = caption.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&request);
  if (item == nullptr) return u"";
  // As long as a path can be, so that a folder deep in a tree is not taken for no folder.
  constexpr DWORD kLongest = 32768;
  std::wstring path(kLongest, L'\0');
  std::optional<std::u16string> result;
  // An item without a file-system path (a printer, a network neighbourhood) gives no folder.
  if (SHGetPathFromIDListEx(item, path.data(), kLongest, GPFIDL_DEFAULT)) {
    path.resize(wcsnlen(path.c_str(), kLongest));
    result = U(path);
  }
  CoTaskMemFree(item);
  return result;
}

}  // namespace ferrowick
