// SPDX-License-Identifier: MIT
#include "file_copy.h"

#include <string>

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

// Asked after each chunk CopyFileEx writes: a Stop abandons the copy, which CopyFileEx then
// removes.
DWORD CALLBACK Progress(LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, LARGE_INTEGER, DWORD, DWORD,
                        HANDLE, HANDLE, LPVOID consent) {
  return static_cast<const CopyConsent*>(consent)->Stopped() ? PROGRESS_CANCEL : PROGRESS_CONTINUE;
}

// Writes what the system holds of `path` to the drive. A read-only copy (the source's attribute,
// which CopyFileEx gives it) opens for writing only once that is lifted for the flush.
DWORD Flush(const std::wstring& path, DWORD attributes) {
  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly && !SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    return GetLastError();
  }
  DWORD code = ERROR_SUCCESS;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    code = GetLastError();
  } else {
    if (!FlushFileBuffers(file)) code = GetLastError();
    if (!CloseHandle(file) && code == ERROR_SUCCESS) code = GetLastError();
  }
  if (readOnly && !SetFileAttributesW(path.c_str(), attributes) && code == ERROR_SUCCESS) {
    code = GetLastError();
  }
  return code;
}

}  // namespace

FileCopy::FileCopy(CopyReport& report, CopyConsent& consent) : report_(report), consent_(consent) {}

void FileCopy::BeginRun(int) {
  replaceAll_.reset();
  folderMade_.reset();
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

bool FileCopy::FolderReady(ShellCopy& copy, const std::wstring& folder) {
  using Why = ShellCopy::Why;
  if (!folderMade_) {
    if (Look(folder).there) {
      folderMade_ = true;
    } else {
      const auto slash = copy.target.find_last_of(u"\\/");
      const CopyConsent::Answer answer = consent_.CreateFolder(
          slash == std::u16string::npos ? u"." : copy.target.substr(0, slash));
      if (answer == CopyConsent::Answer::Stop) return false;
      const bool yes =
          answer == CopyConsent::Answer::Yes || answer == CopyConsent::Answer::YesToAll;
      if (yes) {
        if (const DWORD code = MakeFolders(folder); code != ERROR_SUCCESS) {
          // Asked once: the copies after this one are each named as having no folder.
          folderMade_ = false;
          copy.code = static_cast<int>(code);
          copy.why = WhyOfCode(copy.code).value_or(Why::System);
          report_.NotMade(copy);
          return false;
        }
      }
      folderMade_ = yes;
    }
  }
  if (*folderMade_) return true;
  copy.why = Why::NoFolder;
  report_.NotMade(copy);
  return false;
}

void FileCopy::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  using Why = ShellCopy::Why;
  using Answer = CopyConsent::Answer;
  ShellCopy copy;
  copy.target = target;
  copy.device = DeviceName(target);
  if (!copy.device.empty()) {
    copy.why = Why::Device;
    report_.NotMade(copy);
    return;
  }
  const std::wstring from = ApiPath(source);
  const std::wstring to = ApiPath(target);
  const std::wstring folder = FolderOf(to);
  if (!FolderReady(copy, folder)) return;

  const Found original = Look(from);
  copy.want = original.size;
  const Found before = Look(to);
  if (before.folder) {
    copy.why = Why::Folder;
    report_.NotMade(copy);
    return;
  }
  bool replace = false;
  if (before.there) {
    if (!replaceAll_) {
      switch (consent_.Replace(target, {before.size, before.modified}, source,
                               {original.size, original.modified})) {
        case Answer::Yes:
          replace = true;
          break;
        case Answer::YesToAll:
          replaceAll_ = true;
          break;
        case Answer::No:
          break;
        case Answer::NoToAll:
          replaceAll_ = false;
          break;
        case Answer::Stop:
          return;
      }
    }
    replace = replace || replaceAll_.value_or(false);
    if (!replace) {
      copy.why = Why::Exists;
      copy.left = ShellCopy::Left::Earlier;
      report_.NotMade(copy);
      return;
    }
  }

  // A name of our own beside the copy's, taken only where it is free: another program's file of
  // that shape is neither written to nor removed.
  std::wstring temporary;
  DWORD code = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + L".~ferrowick-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial_) + L".tmp";
    code = CopyFileExW(from.c_str(), temporary.c_str(), Progress,
                       const_cast<CopyConsent*>(&consent_), nullptr, COPY_FILE_FAIL_IF_EXISTS)
               ? ERROR_SUCCESS
               : GetLastError();
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) break;
  }
  if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) temporary.clear();
  if (code == ERROR_SUCCESS) {
    const Found made = Look(temporary);
    copy.have = made.size;
    if (!made.there || made.folder) {
      code = ERROR_FILE_NOT_FOUND;
    } else if (copy.have != copy.want) {
      copy.why = Why::Short;
    } else {
      code = Flush(temporary, made.attributes);
    }
  }
  if (code == ERROR_SUCCESS && copy.why == Why::Made) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExW(temporary.c_str(), to.c_str(), flags)) {
      ++made_;
      return;
    }
    code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) copy.why = Why::Appeared;
  }
  copy.code = static_cast<int>(code);
  Fail(copy, from, temporary);
}

void FileCopy::Fail(ShellCopy& copy, const std::wstring& source, const std::wstring& temporary) {
  using Why = ShellCopy::Why;
  if (copy.why == Why::Made) {
    if (copy.code == ERROR_REQUEST_ABORTED || consent_.Stopped()) {
      copy.why = Why::Stopped;
    } else if (const auto why = WhyOfCode(copy.code)) {
      copy.why = *why;
    } else {
      copy.why = Look(source).there ? Why::System : Why::SourceGone;
    }
  }
  // What was written under our own name goes, whatever else happened.
  if (!temporary.empty() && Look(temporary).there) {
    if (DeleteFileW(temporary.c_str())) {
      copy.left = ShellCopy::Left::Removed;
    } else {
      copy.left = ShellCopy::Left::NotRemoved;
      copy.unfinished.assign(temporary.begin(), temporary.end());
    }
  }
  report_.NotMade(copy);
}

}  // namespace ferrowick
