#pragma once
// Shared by the tests of the Win32 UI backend with real windows. A helper
// thread acts on a dialog as a person would while the test's thread waits
// for events, as an editor does.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "ui/caption_marks.h"
#include "ui/ui.h"

inline bool haveDisplay() {
  static const bool have = [] {
    UiWindow* probe = uiCreateWindow(u"probe", 10, 10, nullptr);
    if (probe) uiDestroyWindow(probe);
    return probe != nullptr;
  }();
  return have;
}

#define REQUIRE_DISPLAY() \
  if (!haveDisplay()) GTEST_SKIP() << "no display"

// Runs `act` on a second thread while this one waits for the next event.
inline UiEvent waitWhile(UiWindow* window, std::function<void()> act) {
  std::thread actor(std::move(act));
  UiEvent event = uiWaitEvent(window);
  actor.join();
  return event;
}

inline HWND hwndOf(UiWindow* window) { return static_cast<HWND>(uiNativeWindow(window)); }

// A window's text as it is drawn: a button's or a field label's without
// its access-key mark ("&Rectangle:" draws "Rectangle:", R underlined).
inline std::wstring textOf(HWND hwnd) {
  wchar_t buffer[4096] = {0};
  SendMessageW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
  wchar_t name[16] = {0};
  GetClassNameW(hwnd, name, 16);
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  bool marked = lstrcmpiW(name, L"Button") == 0 ||
                (lstrcmpiW(name, L"Static") == 0 && (style & SS_TYPEMASK) != SS_OWNERDRAW && !(style & SS_NOPREFIX));
  if (!marked) return buffer;
  std::u16string drawn = drawnCaption(reinterpret_cast<const char16_t*>(buffer));
  return std::wstring(drawn.begin(), drawn.end());
}

inline RECT frameInParent(HWND control) {
  RECT frame;
  GetWindowRect(control, &frame);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&frame), 2);
  return frame;
}

// The display's DPI as this (DPI-aware) test program sees it.
inline int screenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}
