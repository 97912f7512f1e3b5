// The dialog windows themselves: the window class and the common controls,
// set up before the first window; a window's creation, placement and end.
#include <windows.h>
#include <commctrl.h>

#include "ui/win32/activation_context_win32.h"
#include "ui/win32/dialog_state_win32.h"
#include "ui/win32/dpi_win32.h"
#include "ui/win32/events_win32.h"
#include "ui/win32/placement_win32.h"

namespace {
const wchar_t kWindowClass[] = L"ZuvoCompanionDialog";
bool classRegistered = false;
bool commonControlsReady = false;

// Class registration and the common controls wait for the first window, so
// that library attach does nothing but record the instance. The controls
// library is asked for inside the activation context, which gives its
// themed version where the manifest is honoured.
bool ensureRuntime() {
  if (!commonControlsReady) {
    HMODULE controls = LoadLibraryW(L"comctl32.dll");  // kept for the process's life
    BOOL(WINAPI * initialise)(const INITCOMMONCONTROLSEX*) = nullptr;
    if (controls) lookUp(controls, "InitCommonControlsEx", initialise);
    INITCOMMONCONTROLSEX wanted{sizeof wanted, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    if (initialise) initialise(&wanted);
    commonControlsReady = true;
  }
  if (!classRegistered) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = dialogProcedure;
    windowClass.hInstance = instanceHandle();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    classRegistered = RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  return classRegistered;
}

}  // namespace

void uiRuntimeStart(void* instance) { setModuleInstance(static_cast<HINSTANCE>(instance)); }

void uiRuntimeStop() {
  if (classRegistered) UnregisterClassW(kWindowClass, instanceHandle());
  classRegistered = false;
  releaseDialogFonts();
  releaseActivationContext();
}

// The window is made hidden on the owner's monitor, whose DPI it then
// reports, and is sized and placed for that DPI before it is shown. It
// points at its UiWindow only once that is whole.
//
// A window for a language written right to left is mirrored, caption and
// controls alike, as the platform lays out such dialogs; its controls take
// the mirroring from it as they are made.
UiWindow* uiCreateWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner,
                         UiTextLayout layout) {
  ActivationScope context;
  if (!ensureRuntime()) return nullptr;
  auto window = std::make_unique<UiWindow>();
  window->innerWidth = innerWidth;
  window->innerHeight = innerHeight;
  window->textLayout = layout;
  MonitorArea monitor = monitorOf(static_cast<HWND>(owner));
  DWORD exStyle = kWindowExStyle | (layout.rightToLeft ? WS_EX_LAYOUTRTL : 0);
  HWND hwnd = CreateWindowExW(exStyle, kWindowClass, wide(title), kWindowStyle, monitor.work.left,
                              monitor.work.top, innerWidth, innerHeight, static_cast<HWND>(owner), nullptr,
                              instanceHandle(), nullptr);
  if (!hwnd) return nullptr;
  window->hwnd = hwnd;
  window->scale = scaleFor(dpiOfWindow(hwnd));
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
  sizeAndPlace(window.get(), monitor);
  ShowWindow(hwnd, SW_SHOW);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return window.release();
}

void uiDestroyWindow(UiWindow* window) {
  if (!window) return;
  if (window->hwnd) {
    SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, 0);
    if (window->tooltip) DestroyWindow(window->tooltip);
    DestroyWindow(window->hwnd);
    // Wake-ups posted for events nobody took are of no use now.
    MSG stale;
    while (PeekMessageW(&stale, window->hwnd, kWakeMessage, kWakeMessage, PM_REMOVE)) {
    }
  }
  for (auto& control : window->controls)
    if (control->brush) DeleteObject(control->brush);
  delete window;
}

// Disabling a window keeps the author's clicks and keys from it while a
// window over it waits for them, as under a modal dialog.
void uiEnableWindow(UiWindow* window, bool enabled) {
  if (window && window->hwnd) EnableWindow(window->hwnd, enabled ? TRUE : FALSE);
}

NativeWindow uiNativeWindow(UiWindow* window) { return window ? window->hwnd : nullptr; }
NativeWindow uiActiveWindow() { return GetActiveWindow(); }
