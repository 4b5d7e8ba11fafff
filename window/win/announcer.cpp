// SPDX-License-Identifier: MIT
#include "announcer.h"

#include <initguid.h>
#include <oleacc.h>

namespace ferrowick {
namespace {

// UI Automation's LiveSetting property, as oleacc's annotation service takes it for a window of
// its own, and its value for a region read out when the reader is next idle.
DEFINE_GUID(kLiveSetting, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58,
            0xeb);
constexpr LONG kPolite = 1;

}  // namespace

void Announcer::Attach(HWND parent) {
  hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                          parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return;
  // Where the system has no annotation service (before Windows 8, or under wine), the change
  // is still signalled; a reader that knows no live regions reads the status box as before.
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return;
  }
  VARIANT polite;
  VariantInit(&polite);
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  services->SetHwndProp(hwnd_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting,
                        polite);
  services->Release();
}

void Announcer::Say(const std::u16string& sentence) {
  if (hwnd_ == nullptr) return;
  const std::wstring text(sentence.begin(), sentence.end());
  if (!SetWindowTextW(hwnd_, text.c_str())) return;
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace ferrowick
