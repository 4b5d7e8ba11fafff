// SPDX-License-Identifier: MIT
#pragma once
// The copy a run without a window makes on Windows: the file API, which shows no dialog. Each
// copy is written under a temporary name of its own in the target folder (made only where that
// name is free), flushed to the drive, and then renamed to its own name, which fails if a file
// of that name appeared meanwhile; it replaces a file only where the user agreed to that. What
// went wrong is reported as the window's shell copy is, in a ShellCopy.

#include <cstdint>
#include <optional>
#include <string>

#include "module1.h"

namespace ferrowick {

// What a run without a window decides: asked on the console, or answered by an option.
class CopyConsent {
 public:
  enum class Answer { Yes, YesToAll, No, NoToAll, Stop };
  struct Facts {
    std::uint64_t size = 0;
    FILETIME modified{};
  };
  virtual ~CopyConsent() = default;
  virtual Answer Replace(const std::u16string& target, const Facts& existing,
                         const std::u16string& source, const Facts& replacement) = 0;
  // Asked once a run: the copies all go to one folder.
  virtual Answer CreateFolder(const std::u16string& folder) = 0;
  // Ctrl+C or Ctrl+Break, or Stop given as an answer: the copy in hand is abandoned.
  virtual bool Stopped() const = 0;
};

class FileCopy : public FileCopier {
 public:
  FileCopy(CopyReport& report, CopyConsent& consent);

  void BeginRun(int count) override;
  void CopyOneFile(const std::u16string& source, const std::u16string& target) override;

  int Made() const { return made_; }

  // `path` as the file API takes it at any length: a full path past MAX_PATH carries the
  // \\?\ prefix (\\?\UNC\ for a share); a short one is left as it is.
  static std::wstring ApiPath(const std::u16string& path);

 private:
  // Reports the copy not made, its reason found where the call's code leaves it open, after
  // removing what was written under the temporary name.
  void Fail(ShellCopy& copy, const std::wstring& source, const std::wstring& temporary);
  // True once the folder `target` goes to is there, made where the user agreed.
  bool FolderReady(ShellCopy& copy, const std::wstring& folder);

  CopyReport& report_;
  CopyConsent& consent_;
  int made_ = 0;
  unsigned serial_ = 0;
  // Decided once a run.
  std::optional<bool> replaceAll_;
  std::optional<bool> folderMade_;
};

}  // namespace ferrowick
