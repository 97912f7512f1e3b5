#include "ui/win32/dpi_win32.h"

namespace {
// Per-monitor DPI functions appeared in later Windows versions; the library
// looks them up so that it still loads where they are missing.
struct DpiFunctions {
  UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
  UINT(WINAPI* dpiForSystem)() = nullptr;
  BOOL(WINAPI* parametersForDpi)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
  BOOL(WINAPI* adjustRectForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
  HANDLE(WINAPI* threadAwareness)() = nullptr;
  int(WINAPI* awarenessOf)(HANDLE) = nullptr;
};
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

const DpiFunctions& dpiFunctions() {
  static const DpiFunctions functions = [] {
    DpiFunctions found;
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (!user) return found;
    lookUp(user, "GetDpiForWindow", found.dpiForWindow);
    lookUp(user, "GetDpiForSystem", found.dpiForSystem);
    lookUp(user, "SystemParametersInfoForDpi", found.parametersForDpi);
    lookUp(user, "AdjustWindowRectExForDpi", found.adjustRectForDpi);
    lookUp(user, "GetThreadDpiAwarenessContext", found.threadAwareness);
    lookUp(user, "GetAwarenessFromDpiAwarenessContext", found.awarenessOf);
    return found;
  }();
  return functions;
}

// The DPI the process sees for the whole desktop: the display's when it is
// DPI-aware, 96 when the system scales its windows for it.
int systemDpi() {
  const DpiFunctions& f = dpiFunctions();
  if (f.dpiForSystem) return usableDpi(static_cast<int>(f.dpiForSystem()));
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kLayoutDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return usableDpi(dpi);
}

bool threadIsPerMonitorAware() {
  const DpiFunctions& f = dpiFunctions();
  return f.threadAwareness && f.awarenessOf && f.awarenessOf(f.threadAwareness()) == kPerMonitorAware;
}

struct DpiFont {
  int dpi;
  HFONT font;
};
std::vector<DpiFont> dialogFonts;  // released at runtime stop

LOGFONTW messageFontFor(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const DpiFunctions& f = dpiFunctions();
  if (f.parametersForDpi && f.parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
    return metrics.lfMessageFont;
  LOGFONTW font{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) font = metrics.lfMessageFont;
  else GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi());  // both report at the system DPI
  return font;
}

}  // namespace

int usableDpi(int dpi) { return dpi > 0 ? dpi : kLayoutDpi; }

// A window's DPI: its monitor's where the thread follows monitors, else the
// system's.
int dpiOfWindow(HWND hwnd) {
  const DpiFunctions& f = dpiFunctions();
  if (f.dpiForWindow && threadIsPerMonitorAware()) return usableDpi(static_cast<int>(f.dpiForWindow(hwnd)));
  return systemDpi();
}

// The frame around an inner size, at a DPI.
RECT frameAround(int innerWidth, int innerHeight, int dpi) {
  RECT frame = {0, 0, innerWidth, innerHeight};
  const DpiFunctions& f = dpiFunctions();
  if (!f.adjustRectForDpi || !f.adjustRectForDpi(&frame, kWindowStyle, FALSE, kWindowExStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  return frame;
}

HFONT dialogFont(int dpi) {
  for (const DpiFont& known : dialogFonts)
    if (known.dpi == dpi) return known.font;
  LOGFONTW description = messageFontFor(dpi);
  HFONT font = CreateFontIndirectW(&description);
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // Called inside the window procedure too (a DPI change), which no
  // exception may leave: a font that cannot be kept is not used.
  try {
    dialogFonts.push_back({dpi, font});
  } catch (...) {
    DeleteObject(font);
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return font;
}

// The dialog base units of the message font made at its 96-DPI height, as
// Windows computes them for dialog templates: the average width of the 52
// letters, rounded, and the cell height. The design font's when the font
// cannot be measured.
DpiScale scaleFor(int dpi) {
  DpiScale scale{dpi};
  HDC screen = GetDC(nullptr);
  if (!screen) return scale;
  HGDIOBJ previous = SelectObject(screen, dialogFont(kLayoutDpi));
  static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  TEXTMETRICW metrics{};
  SIZE letters{};
  if (GetTextMetricsW(screen, &metrics) && GetTextExtentPoint32W(screen, kLetters, 52, &letters) &&
      metrics.tmHeight > 0 && letters.cx >= 52) {
    scale.unitWidth = (letters.cx / 26 + 1) / 2;
    scale.unitHeight = metrics.tmHeight;
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return scale;
}


void releaseDialogFonts() {
  for (const DpiFont& known : dialogFonts) DeleteObject(known.font);
  dialogFonts.clear();
}
