#include <windows.h>

#include "tools/kesto-sim/kesto_host.h"

// Kesto's main window: a plain, hidden top-level window that dialogs can be
// owned by when nothing else is active.
HostWindowHandle kestoMainWindow() {
  static HWND window = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KestoSimMain";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"KestoSimMain", L"Kesto", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400,
                           300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }();
  return window;
}
