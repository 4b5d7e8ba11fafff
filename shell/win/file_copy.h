// SPDX-License-Identifier: MIT
#pragma once
// The copy a run without a window makes on Windows: the file API, which shows no dialog. Each
// copy is written under a temporary name of its own in the target folder (made only where that
// name is free), flushed to the drive, and then renamed to its own name, which fails if a file
// of that name appeared meanwhile; it replaces a file only where the user agreed to that. It
// asks and reports through the run's answers, as every copier does.

#include <optional>
#include <string>

#include "module1.h"
#include "run_answers.h"

namespace ferrowick {

class FileCopy : public FileCopier {
 public:
  explicit FileCopy(RunHost& host);

  void BeginRun(int count) override;
  bool CopyOneFile(const std::u16string& source, const std::u16string& target) override;
  bool EndRun() override;
  bool Stopped() const override { return answers_.Stopped(); }

  // `path` as the file API takes it at any length: a full path past MAX_PATH carries the
  // \\?\ prefix (\\?\UNC\ for a share); a short one is left as it is.
  static std::wstring ApiPath(const std::u16string& path);

 private:
  // Reports the copy not made by `call`'s `code`, its reason found where the code leaves it open,
  // after removing what was written under the temporary name.
  void Fail(NotMade& copy, const std::wstring& source, const std::wstring& target,
            const std::wstring& temporary, DWORD code, std::string_view call);
  // True once the folder `target` goes to is there, made where the user agreed.
  bool FolderReady(NotMade& copy, const std::wstring& folder);

  RunAnswers answers_;
  unsigned serial_ = 0;
  // Decided once a run: whether the copies' folder is there.
  std::optional<bool> folderMade_;
};

}  // namespace ferrowick
