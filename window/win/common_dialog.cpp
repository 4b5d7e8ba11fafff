// SPDX-License-Identifier: MIT
#include "common_dialog.h"

#include <commdlg.h>

#include <cwchar>
#include <vector>

namespace ferrowick {

void CommonDialog::ShowOpen(HWND owner) {
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring title(DialogTitle.begin(), DialogTitle.end());
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = title.c_str();
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&request)) FileName.assign(file.data(), file.data() + wcslen(file.data()));
}

}  // namespace ferrowick
