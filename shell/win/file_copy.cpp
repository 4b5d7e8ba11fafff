// SPDX-License-Identifier: MIT
#include "file_copy.h"

#include <string>
#include <utility>

#include "path_look.h"

namespace ferrowick {
namespace {

// Makes `folder` and each folder above it that is missing; the system's code where one could not
// be made.
DWORD MakeFolders(const std::wstring& folder) {
  std::wstring path = folder;
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  if (path.empty() || Look(path).there) return ERROR_SUCCESS;
  const auto slash = path.find_last_of(L"\\/");
  // A drive ("C:\"), the current drive's root ("\dir") or a share's root is never made here.
  if (slash != std::wstring::npos && slash > 0 && path[slash - 1] != L':') {
    if (const DWORD code = MakeFolders(path.substr(0, slash)); code != ERROR_SUCCESS) return code;
  }
  if (CreateDirectoryW(path.c_str(), nullptr)) return ERROR_SUCCESS;
  const DWORD code = GetLastError();
  return code == ERROR_ALREADY_EXISTS && Look(path).folder ? ERROR_SUCCESS : code;
}

// Asked after each chunk CopyFileEx writes: a Stop or a Cancel abandons the copy, which CopyFileEx
// then removes.
DWORD CALLBACK Progress(LARGE_INTEGER total, LARGE_INTEGER done, LARGE_INTEGER, LARGE_INTEGER,
                        DWORD, DWORD, HANDLE, HANDLE, LPVOID answers) {
  return static_cast<RunAnswers*>(answers)->Progress(static_cast<std::uint64_t>(done.QuadPart),
                                                     static_cast<std::uint64_t>(total.QuadPart))
             ? PROGRESS_CONTINUE
             : PROGRESS_CANCEL;
}

// Writes what the system holds of `path` to the drive. A read-only copy (the source's attribute,
// which CopyFileEx gives it) opens for writing only once that is lifted for the flush. The code
// and the call that failed, where one did.
std::pair<DWORD, std::string_view> Flush(const std::wstring& path, DWORD attributes) {
  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly && !SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    return {GetLastError(), "SetFileAttributesW"};
  }
  std::pair<DWORD, std::string_view> failed{ERROR_SUCCESS, {}};
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    failed = {GetLastError(), "CreateFileW"};
  } else {
    if (!FlushFileBuffers(file)) failed = {GetLastError(), "FlushFileBuffers"};
    if (!CloseHandle(file) && failed.first == ERROR_SUCCESS)
      failed = {GetLastError(), "CloseHandle"};
  }
  if (readOnly && !SetFileAttributesW(path.c_str(), attributes) && failed.first == ERROR_SUCCESS) {
    failed = {GetLastError(), "SetFileAttributesW"};
  }
  return failed;
}

FileFacts FactsOf(const Found& found) {
  const std::uint64_t ticks =
      (std::uint64_t{found.modified.dwHighDateTime} << 32) | found.modified.dwLowDateTime;
  // FILETIME counts 100 ns from 1601.
  return {found.size, static_cast<std::int64_t>(ticks / 10000000ULL) - 11644473600LL};
}

}  // namespace

FileCopy::FileCopy(RunHost& host) : answers_(host, std::chrono::milliseconds(0)) {}

void FileCopy::BeginRun(int count) {
  answers_.Begin(count);
  folderMade_.reset();
}

bool FileCopy::EndRun() {
  // Each copy was on the drive before it took its name.
  answers_.End();
  return true;
}

std::wstring FileCopy::ApiPath(const std::u16string& path) {
  std::wstring given(path.begin(), path.end());
  if (given.size() < MAX_PATH - 12 || given.rfind(L"\\\\?\\", 0) == 0) return given;
  const std::wstring full = FullPath(given);
  // Only a full path takes the prefix: one the system would not complete stays as given.
  if (full.size() < 3 || (full[1] != L':' && full.rfind(L"\\\\", 0) != 0)) return given;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

bool FileCopy::FolderReady(NotMade& copy, const std::wstring& folder) {
  if (!folderMade_) {
    if (Look(folder).there) {
      folderMade_ = true;
    } else {
      const auto slash = copy.target.find_last_of(u"\\/");
      const std::u16string name =
          slash == std::u16string::npos ? u"." : copy.target.substr(0, slash);
      // Refused: this copy is not made, and the answer says whether the next one asks again.
      if (!answers_.AskCreateFolder(name)) return false;
      if (const DWORD code = MakeFolders(folder); code != ERROR_SUCCESS) {
        // Asked once: the copies after this one are each named as having no folder.
        folderMade_ = false;
        copy.at = NotMade::Party::Folder;
        copy.path = name;
        copy.code = static_cast<int>(code);
        copy.call = "CreateDirectoryW";
        copy.why = WhyOfCode(copy.code).value_or(Reason::System);
        answers_.ReportError(copy);
        return false;
      }
      folderMade_ = true;
    }
  }
  if (*folderMade_) return true;
  copy.why = Reason::NoFolder;
  copy.at = NotMade::Party::Folder;
  answers_.ReportError(copy);
  return false;
}

bool FileCopy::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  NotMade copy;
  copy.source = source;
  copy.target = target;
  copy.path = target;
  copy.device = DeviceName(target);
  if (!copy.device.empty()) {
    copy.why = Reason::Device;
    answers_.ReportError(copy);
    return false;
  }
  const std::wstring from = ApiPath(source);
  const std::wstring to = ApiPath(target);
  const std::wstring folder = FolderOf(to);
  const Found original = Look(from);
  copy.want = original.size;
  if (!answers_.BeginCopy(source, target, original.size)) return false;
  if (!FolderReady(copy, folder)) return false;

  const Found before = Look(to);
  if (before.folder) {
    copy.why = Reason::FolderHasName;
    answers_.ReportError(copy);
    return false;
  }
  const bool replace = before.there;
  if (replace && !answers_.AskReplace({source, target, FactsOf(original), FactsOf(before)})) {
    return false;
  }

  // A name of our own beside the copy's, taken only where it is free: another program's file of
  // that shape is neither written to nor removed.
  std::wstring temporary;
  DWORD code = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + L".~ferrowick-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial_) + L".tmp";
    code = CopyFileExW(from.c_str(), temporary.c_str(), Progress, &answers_, nullptr,
                       COPY_FILE_FAIL_IF_EXISTS)
               ? ERROR_SUCCESS
               : GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) break;
  }
  if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) temporary.clear();
  if (code != ERROR_SUCCESS) {
    Fail(copy, from, to, temporary, code, "CopyFileExW");
    return false;
  }
  const Found made = Look(temporary);
  copy.have = made.size;
  if (!made.there || made.folder) {
    Fail(copy, from, to, temporary, ERROR_FILE_NOT_FOUND, "GetFileAttributesExW");
    return false;
  }
  if (copy.have != copy.want) {
    copy.why = Reason::Short;
    Fail(copy, from, to, temporary, ERROR_SUCCESS, {});
    return false;
  }
  if (const auto [failed, call] = Flush(temporary, made.attributes); failed != ERROR_SUCCESS) {
    Fail(copy, from, to, temporary, failed, call);
    return false;
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (MoveFileExW(temporary.c_str(), to.c_str(), flags)) return true;
  code = GetLastError();
  if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) {
    copy.why = Reason::Appeared;
    copy.left = NotMade::Left::Earlier;
  }
  Fail(copy, from, to, temporary, code, "MoveFileExW");
  return false;
}

void FileCopy::Fail(NotMade& copy, const std::wstring& source, const std::wstring& target,
                    const std::wstring& temporary, DWORD code, std::string_view call) {
  copy.code = static_cast<int>(code);
  copy.call = call;
  if (copy.why == Reason::System) {
    if (code == ERROR_REQUEST_ABORTED || answers_.Stopped()) {
      copy.why = Reason::Stopped;
    } else if (const auto why = WhyOfCode(copy.code)) {
      copy.why = *why;
    } else if (!Look(source).there) {
      copy.why = Reason::SourceGone;
      copy.at = NotMade::Party::Source;
      copy.path = copy.source;
    }
  }
  // A file another program holds open refuses what the copy needs of it with either code.
  if (copy.why == Reason::InUse || copy.why == Reason::Denied) {
    if (const std::optional<NotMade::Party> held = HeldOpen(source, target)) {
      copy.why = Reason::InUse;
      copy.at = *held;
      copy.path = *held == NotMade::Party::Source ? copy.source : copy.target;
    } else if (copy.why == Reason::InUse) {
      copy.path.clear();
    }
  }
  // What was written under our own name goes, whatever else happened.
  if (!temporary.empty() && Look(temporary).there) {
    if (DeleteFileW(temporary.c_str())) {
      if (copy.left == NotMade::Left::Nothing) copy.left = NotMade::Left::Removed;
    } else {
      copy.left = NotMade::Left::NotRemoved;
      copy.leftover.assign(temporary.begin(), temporary.end());
    }
  }
  answers_.ReportError(copy);
}

}  // namespace ferrowick
