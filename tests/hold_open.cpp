// SPDX-License-Identifier: MIT
// Another program holding a file open without sharing it, as an editor or a database may, for
// the console's test: hold_open FILE SECONDS. Says "held" once it holds the file.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 3) return 2;
  const HANDLE file =
      CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("held\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(_wtoi(argv[2])) * 1000);
  CloseHandle(file);
  return 0;
}
