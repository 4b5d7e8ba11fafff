// SPDX-License-Identifier: MIT
#include <objbase.h>
#include <windows.h>

#include "form1.h"
#include "win_catalogue.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // DPI awareness (per monitor where Windows has it) comes from the manifest.
  // The folder browser is a COM object of the shell's.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ferrowick::catalogue::SpeakUserLanguage();
  ferrowick::Form1 form;
  ShowWindow(form.hWnd(), show);
  UpdateWindow(form.hWnd());
  form.OpenFiles(GetCommandLineW());
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) form.Dispatch(message);
  CoUninitialize();
  return static_cast<int>(message.wParam);
}
