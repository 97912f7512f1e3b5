// Win32 backend of the UI layer: real top-level windows and standard
// controls on Kesto's thread. Each window records the notifications its
// window procedure receives; uiWaitEvent pumps messages until one is there.
//
// The editors describe their dialogs in pixels of a 96-DPI display drawn for
// the design font. This backend gives the controls the system's message
// font made for the dialog's DPI and scales every rectangle by that DPI and
// by how much larger the font is than the design font (DpiScale), so
// geometry and text grow together. Its windows, controls and platform
// dialogs are made inside the library's own activation context (its manifest
// asks for the themed Common Controls), whatever the host's manifest says.
#include <windows.h>
#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>
#include <ole2.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "ui/ui.h"

enum class ControlKind { Label, TextField, DropDown, Button, Swatch };

// A rectangle in the 96-DPI pixels the editors lay their dialogs out in.
struct LayoutRect {
  int x = 0, y = 0, width = 0, height = 0;
};

constexpr int kLayoutDpi = 96;
// The dialog base units of the design font the layouts were drawn for
// (Tahoma 8 pt at 96 DPI): average character width and cell height.
constexpr int kDesignUnitWidth = 6;
constexpr int kDesignUnitHeight = 13;

// Layout pixels on a dialog, the way dialog templates size themselves:
// across by the dialog font's average character width, down by its cell
// height, each relative to the design font, and both by the DPI. The font's
// units are measured at 96 DPI, so the font and the DPI scale independently
// and the design font leaves the DPI scale alone.
struct DpiScale {
  int dpi = kLayoutDpi;
  int unitWidth = kDesignUnitWidth;
  int unitHeight = kDesignUnitHeight;
  int across(int pixels) const { return MulDiv(pixels, dpi * unitWidth, kLayoutDpi * kDesignUnitWidth); }
  int down(int pixels) const { return MulDiv(pixels, dpi * unitHeight, kLayoutDpi * kDesignUnitHeight); }
};

struct UiControl {
  UiWindow* window = nullptr;
  HWND hwnd = nullptr;
  ControlKind kind = ControlKind::Label;
  LayoutRect layout;
  bool readOnly = false;
  HBRUSH brush = nullptr;        // swatches
  int reportedSelection = -1;    // drop-downs: the selection the editor last heard of
  int selectionAtDrop = -1;      // drop-downs: the selection when the list opened
  bool dropped = false;          // drop-downs: the list is open
};

struct UiWindow {
  HWND hwnd = nullptr;  // null once the window was destroyed from outside
  int innerWidth = 0, innerHeight = 0;  // 96-DPI pixels
  DpiScale scale;                       // its DPI and its font's units
  std::vector<std::unique_ptr<UiControl>> controls;  // control IDs from kFirstControlId, in order
  std::deque<UiEvent> events;
  bool settingText = false;  // a text set from code raises no event
  HWND focus = nullptr;      // the control that gets the focus back on activation
  UiControl* defaultButton = nullptr;
  HWND tooltip = nullptr;    // made when a text first needs one, after the window is topmost
  bool tipsStale = false;    // a text, place or visibility changed since the tooltips were made
  bool tabOrderStale = false;
};

namespace {
const wchar_t kWindowClass[] = L"ZuvoCompanionDialog";
constexpr int kFirstControlId = 100;
constexpr UINT kWakeMessage = WM_APP + 1;  // lets GetMessage return after a sent notification
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kDropListHeight = 240;  // the opened list below a drop-down, 96-DPI pixels
constexpr int kTipWidth = 400;        // longer tooltips wrap, 96-DPI pixels
constexpr int kHintGapLimit = 4;      // a hint line stands at most this far below its field
constexpr int kHintLineHeight = 14;   // hint and information lines: one line of text, no taller
constexpr int kOpenFileBuffer = 32768;

HINSTANCE moduleInstance = nullptr;
bool classRegistered = false;
bool commonControlsReady = false;
HANDLE activationContext = INVALID_HANDLE_VALUE;
bool activationContextTried = false;

// ---- DPI ----

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

template <typename Function>
void lookUp(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

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

int usableDpi(int dpi) { return dpi > 0 ? dpi : kLayoutDpi; }

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

// ---- The dialog font: the system's message font, one per DPI ----

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

// ---- The library's activation context ----

HINSTANCE instanceHandle() { return moduleInstance ? moduleInstance : GetModuleHandleW(nullptr); }

// Made from the manifest among the module's own resources, at first use.
HANDLE ownActivationContext() {
  if (!activationContextTried) {
    activationContextTried = true;
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = instanceHandle();
    request.lpResourceName = MAKEINTRESOURCEW(2);  // the manifest of a library
    activationContext = CreateActCtxW(&request);
  }
  return activationContext;
}

// Activates the library's context for the lifetime of the scope; without
// one (no manifest) everything works as before, unthemed.
struct ActivationScope {
  ULONG_PTR cookie = 0;
  bool active = false;
  ActivationScope() {
    HANDLE context = ownActivationContext();
    active = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie);
  }
  ~ActivationScope() {
    if (active) DeactivateActCtx(0, cookie);
  }
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;
};

// ---- Small helpers ----

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string windowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  int copied = GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(&text[0]), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

// A control whose window was not destroyed from outside.
bool live(const UiControl* control) { return control && control->hwnd; }

UiWindow* windowOf(HWND hwnd) { return reinterpret_cast<UiWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

UiControl* controlWithId(UiWindow* window, int id) {
  int index = id - kFirstControlId;
  if (!window || index < 0 || index >= static_cast<int>(window->controls.size())) return nullptr;
  return window->controls[index].get();
}

int controlId(const UiControl* control) { return GetDlgCtrlID(control->hwnd); }

bool isShown(const UiControl* control) { return (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// Runs inside the window procedure, which no exception can leave through
// the system's frames: an event that finds no memory is dropped.
void record(UiWindow* window, UiEvent event) {
  if (!window->hwnd) return;
  try {
    window->events.push_back(event);
  } catch (...) {
    return;
  }
  PostMessageW(window->hwnd, kWakeMessage, 0, 0);
}

int comboSelection(HWND combo) {
  LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

// ---- Geometry ----

// A closed drop-down is as high as its selection field; make that field the
// height the caller asked for (measured back, as the border depends on the
// theme and the font).
void setDropDownHeight(HWND combo, int height) {
  int asked = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT frame;
    GetWindowRect(combo, &frame);
    int difference = height - (frame.bottom - frame.top);
    if (difference == 0 || asked + difference <= 0) return;
    asked += difference;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
}

// Puts a control where its layout says, at its window's DPI.
void placeControl(UiControl* control) {
  const DpiScale& scale = control->window->scale;
  const LayoutRect& at = control->layout;
  bool dropDown = control->kind == ControlKind::DropDown;
  int height = scale.down(at.height) + (dropDown ? scale.down(kDropListHeight) : 0);
  MoveWindow(control->hwnd, scale.across(at.x), scale.down(at.y), scale.across(at.width), height, TRUE);
  if (dropDown) setDropDownHeight(control->hwnd, scale.down(at.height));
}

// A monitor's whole area and the part of it that windows may use (without
// the task bar).
struct MonitorArea {
  RECT whole, work;
};

// The monitor that holds `anchor` (the primary one for none); the screen
// where the monitor cannot be asked.
MonitorArea monitorOf(HWND anchor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromWindow(anchor, MONITOR_DEFAULTTOPRIMARY);
  if (monitor && GetMonitorInfoW(monitor, &info)) return {info.rcMonitor, info.rcWork};
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {screen, screen};
}

// Centred on the monitor, then moved into its work area; a window larger
// than that keeps its top left corner in it, so its caption can always be
// reached and the window moved.
void placeOnMonitor(RECT& frame, const MonitorArea& monitor) {
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const RECT &whole = monitor.whole, &work = monitor.work;
  int left = whole.left + (whole.right - whole.left - width) / 2;
  int top = whole.top + (whole.bottom - whole.top - height) / 2;
  left = std::max(std::min(left, static_cast<int>(work.right) - width), static_cast<int>(work.left));
  top = std::max(std::min(top, static_cast<int>(work.bottom) - height), static_cast<int>(work.top));
  frame = {left, top, left + width, top + height};
}

// Sizes the window for its inner size at its DPI and places it on the
// monitor; measured back once, since the frame's real thickness is the
// window manager's.
void sizeAndPlace(UiWindow* window, const MonitorArea& monitor) {
  const DpiScale& scale = window->scale;
  int width = scale.across(window->innerWidth), height = scale.down(window->innerHeight);
  RECT frame = frameAround(width, height, scale.dpi);
  for (int attempt = 0; attempt < 2; ++attempt) {
    placeOnMonitor(frame, monitor);
    SetWindowPos(window->hwnd, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window->hwnd, &client);
    int dx = width - client.right, dy = height - client.bottom;
    if (dx == 0 && dy == 0) return;
    frame.right += dx;
    frame.bottom += dy;
  }
}

// The window moved to a display of another DPI: take the frame Windows
// suggests, and lay out every control and the font again for the new DPI.
void changeDpi(UiWindow* window, int dpi, const RECT* suggested) {
  window->scale.dpi = usableDpi(dpi);
  if (suggested)
    SetWindowPos(window->hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  else
    sizeAndPlace(window, monitorOf(window->hwnd));
  HFONT font = dialogFont(window->scale.dpi);
  for (auto& control : window->controls) {
    SendMessageW(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    placeControl(control.get());
  }
  if (window->tooltip) SendMessageW(window->tooltip, TTM_SETMAXTIPWIDTH, 0, window->scale.across(kTipWidth));
  window->tipsStale = true;
  InvalidateRect(window->hwnd, nullptr, TRUE);
}

bool takesInput(const UiControl* control) {
  return control->kind == ControlKind::TextField || control->kind == ControlKind::DropDown;
}

// Whether a label names the field: it stands left of the field, its top
// within the field's height (a row's label sits a little lower than its
// field).
bool names(const UiControl* label, const UiControl* field) {
  if (label->kind != ControlKind::Label || !takesInput(field)) return false;
  const LayoutRect &l = label->layout, &f = field->layout;
  return l.x + l.width <= f.x && l.y >= f.y && l.y < f.y + f.height;
}

// The top of the row a control belongs to: its own, except for a label,
// whose row is that of the field it names.
int rowTop(const UiWindow* window, const UiControl* control) {
  for (auto& field : window->controls)
    if (names(control, field.get())) return field->layout.y;
  return control->layout.y;
}

// Tab and Shift+Tab follow the z-order, and so do screen readers, which
// name a field by the label just before it: put the controls in row order,
// top to bottom and left to right within a row, each label in its field's
// row, so that it comes right before its field and the hint line after.
// Of controls sharing a place (the value area's field and choice list) the
// shown one comes first, right after the label.
void orderTabs(UiWindow* window) {
  struct Placed {
    UiControl* control;
    int row;
    bool hidden;
  };
  std::vector<Placed> order;
  for (auto& control : window->controls)
    order.push_back({control.get(), rowTop(window, control.get()), !isShown(control.get())});
  std::stable_sort(order.begin(), order.end(), [](const Placed& a, const Placed& b) {
    if (a.row != b.row) return a.row < b.row;
    if (a.control->layout.x != b.control->layout.x) return a.control->layout.x < b.control->layout.x;
    return !a.hidden && b.hidden;
  });
  HWND after = HWND_TOP;
  for (const Placed& placed : order) {
    UiControl* control = placed.control;
    SetWindowPos(control->hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = control->hwnd;
  }
  window->tabOrderStale = false;
}

// ---- Texts that do not fit: ellipsis and tooltip ----

// Whether a control's text fits its room, measured to the end of the last
// glyph's ink (a glyph's advance may leave space after it that the room need
// not hold).
bool textFits(const UiControl* control) {
  std::u16string text = windowText(control->hwnd);
  if (text.empty()) return true;
  RECT client;
  GetClientRect(control->hwnd, &client);
  int room = client.right;
  if (control->kind == ControlKind::TextField) {
    DWORD margins = static_cast<DWORD>(SendMessageW(control->hwnd, EM_GETMARGINS, 0, 0));
    room -= LOWORD(margins) + HIWORD(margins);
  }
  HDC dc = GetDC(control->hwnd);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control->hwnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, wide(text), static_cast<int>(text.size()), &size);
  ABC last{};
  if (GetCharABCWidthsW(dc, text.back(), text.back(), &last) && last.abcC > 0) size.cx -= last.abcC;
  SelectObject(dc, previous);
  ReleaseDC(control->hwnd, dc);
  return size.cx <= room;
}

// A hint line is the one-line text directly under the field it explains.
bool explains(const UiControl* hint, const UiControl* field) {
  if (hint->kind != ControlKind::Label) return false;
  if (field->kind != ControlKind::TextField && field->kind != ControlKind::DropDown) return false;
  const LayoutRect &h = hint->layout, &f = field->layout;
  int gap = h.y - (f.y + f.height);
  return gap >= 0 && gap <= kHintGapLimit && h.x >= f.x && h.x < f.x + f.width;
}

void appendLine(std::u16string& text, const std::u16string& line) {
  if (!text.empty()) text += u"\r\n";
  text += line;
}

// What the pointer resting on a control shows: a label's or a read-only
// field's own text when it does not fit, and for a field the text of its
// hint line when that does not fit.
std::u16string tipText(UiWindow* window, const UiControl* control) {
  std::u16string tip;
  if (!isShown(control)) return tip;
  bool showsOwnText = control->kind == ControlKind::Label || (control->kind == ControlKind::TextField && control->readOnly);
  if (showsOwnText && !textFits(control)) tip = windowText(control->hwnd);
  for (auto& hint : window->controls)
    if (explains(hint.get(), control) && isShown(hint.get()) && !textFits(hint.get()))
      appendLine(tip, windowText(hint->hwnd));
  return tip;
}

HWND ensureTooltip(UiWindow* window) {
  if (window->tooltip) return window->tooltip;
  window->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window->hwnd, nullptr,
                                    instanceHandle(), nullptr);
  if (window->tooltip) SendMessageW(window->tooltip, TTM_SETMAXTIPWIDTH, 0, window->scale.across(kTipWidth));
  return window->tooltip;
}

void removeTools(HWND tooltip) {
  for (LRESULT left = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0); left > 0; --left) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) return;
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

// Labels and disabled fields take no mouse input of their own: their tool is
// their rectangle on the dialog. Other controls are tools themselves.
void addTool(HWND tooltip, UiControl* control, const std::u16string& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = control->window->hwnd;
  tool.lpszText = const_cast<wchar_t*>(wide(text));
  if (control->kind != ControlKind::Label && IsWindowEnabled(control->hwnd)) {
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.uId = reinterpret_cast<UINT_PTR>(control->hwnd);
  } else {
    tool.uFlags = TTF_SUBCLASS;
    tool.uId = static_cast<UINT_PTR>(controlId(control));
    GetWindowRect(control->hwnd, &tool.rect);
    MapWindowPoints(nullptr, control->window->hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
  }
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void refreshTips(UiWindow* window) {
  window->tipsStale = false;
  if (window->tooltip) removeTools(window->tooltip);
  for (auto& control : window->controls) {
    std::u16string tip = tipText(window, control.get());
    if (!tip.empty() && ensureTooltip(window)) addTool(window->tooltip, control.get(), tip);
  }
}

// ---- Events ----

// A drop-down's selection as the editor last heard of it may differ from
// the shown one after its open list was closed: cancelling the list brings
// back the entry chosen before it opened, and reports nothing itself.
void reportSelectionChange(UiControl* dropDown) {
  int shown = comboSelection(dropDown->hwnd);
  if (shown == dropDown->reportedSelection) return;
  dropDown->reportedSelection = shown;
  record(dropDown->window, {UiEventKind::Control, dropDown});
}

void onDropDownNotice(UiControl* dropDown, WORD code) {
  switch (code) {
    case CBN_DROPDOWN:
      dropDown->dropped = true;
      dropDown->selectionAtDrop = comboSelection(dropDown->hwnd);
      break;
    case CBN_SELCHANGE:
      dropDown->reportedSelection = comboSelection(dropDown->hwnd);
      record(dropDown->window, {UiEventKind::Control, dropDown});
      break;
    case CBN_SELENDCANCEL:
      if (dropDown->dropped && comboSelection(dropDown->hwnd) != dropDown->selectionAtDrop)
        SendMessageW(dropDown->hwnd, CB_SETCURSEL, static_cast<WPARAM>(dropDown->selectionAtDrop), 0);
      reportSelectionChange(dropDown);
      break;
    case CBN_CLOSEUP:
      dropDown->dropped = false;
      reportSelectionChange(dropDown);
      break;
    default:
      break;
  }
}

void onCommand(UiWindow* window, WPARAM wParam, LPARAM lParam) {
  WORD id = LOWORD(wParam), code = HIWORD(wParam);
  if (lParam == 0 && id == IDCANCEL) {  // Escape, through the dialog keyboard handling
    record(window, {UiEventKind::CloseBox, nullptr});
    return;
  }
  UiControl* control = controlWithId(window, id);
  if (!control || reinterpret_cast<HWND>(lParam) != control->hwnd) return;
  switch (control->kind) {
    case ControlKind::TextField:
      if (code == EN_CHANGE && !window->settingText) record(window, {UiEventKind::Control, control});
      break;
    case ControlKind::DropDown: onDropDownNotice(control, code); break;
    case ControlKind::Button:
      if (code == BN_CLICKED) record(window, {UiEventKind::Control, control});
      break;
    default: break;
  }
}

// Enter in the dialog's keyboard handling clicks the default button.
LRESULT defaultButtonId(UiWindow* window) {
  UiControl* button = window->defaultButton;
  if (!button || !isShown(button) || !IsWindowEnabled(button->hwnd)) return 0;
  return MAKELRESULT(controlId(button), DC_HASDEFID);
}

void paintSwatch(UiWindow* window, const DRAWITEMSTRUCT* item) {
  UiControl* control = controlWithId(window, static_cast<int>(item->CtlID));
  if (control && control->brush) FillRect(item->hDC, &item->rcItem, control->brush);
}

// The window was destroyed from outside: Kesto destroyed the window that
// owns it, and with it every window it owned. Its handles are forgotten, so
// that nothing touches them again (Windows may give them to new windows),
// and the editor's wait ends with the close box, whatever else was queued.
void forgetDestroyedWindow(UiWindow* window) {
  SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, 0);
  window->hwnd = nullptr;
  window->tooltip = nullptr;
  window->focus = nullptr;
  for (auto& control : window->controls) control->hwnd = nullptr;
  window->events.clear();
  try {
    window->events.push_back({UiEventKind::CloseBox, nullptr});
  } catch (...) {
    // uiWaitEvent reports the close box of a destroyed window anyway.
  }
}

LRESULT handleDialogMessage(UiWindow* window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(window, wParam, lParam);
      return 0;
    case DM_GETDEFID:
      return defaultButtonId(window);
    case WM_CLOSE:  // the close box: the editor decides, the window stays
      record(window, {UiEventKind::CloseBox, nullptr});
      return 0;
    case WM_DRAWITEM:
      paintSwatch(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DPICHANGED:
      changeDpi(window, LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) window->focus = focus;
      } else if (window->focus && IsWindow(window->focus)) {
        SetFocus(window->focus);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      forgetDestroyedWindow(window);
      break;
    case kWakeMessage:
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Windows calls this from its own frames, which no exception can pass: a
// message whose handling runs out of memory is answered as handled.
LRESULT CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    UiWindow* window = windowOf(hwnd);
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return handleDialogMessage(window, hwnd, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

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

UiControl* addControl(UiWindow* window, ControlKind kind, const wchar_t* className, const std::u16string& text,
                      DWORD style, DWORD exStyle, LayoutRect layout) {
  if (!window || !window->hwnd) return nullptr;
  ActivationScope context;
  auto control = std::make_unique<UiControl>();
  control->window = window;
  control->kind = kind;
  control->layout = layout;
  // Room for the control first, so that once its handle exists nothing can
  // fail before the window holds it (its ID is its place in the list).
  window->controls.reserve(window->controls.size() + 1);
  int id = kFirstControlId + static_cast<int>(window->controls.size());
  const DpiScale& scale = window->scale;
  window->settingText = true;
  control->hwnd = CreateWindowExW(exStyle, className, wide(text), WS_CHILD | WS_VISIBLE | style,
                                  scale.across(layout.x), scale.down(layout.y), scale.across(layout.width),
                                  scale.down(layout.height), window->hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instanceHandle(), nullptr);
  window->settingText = false;
  if (!control->hwnd) return nullptr;
  SendMessageW(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont(window->scale.dpi)), FALSE);
  placeControl(control.get());
  window->tipsStale = window->tabOrderStale = true;
  window->controls.push_back(std::move(control));
  return window->controls.back().get();
}

// The filter list of the open-file dialog: "|" between the texts becomes
// NUL, and the list ends with two NULs.
std::u16string nulSeparated(const std::u16string& filters) {
  std::u16string list = filters;
  for (char16_t& c : list)
    if (c == u'|') c = u'\0';
  list.push_back(u'\0');
  list.push_back(u'\0');
  return list;
}

bool runOpenFileDialog(HWND owner, const std::u16string& title, const std::u16string& filters, int filterIndex,
                       const std::u16string& proposed, std::u16string& chosen) {
  std::u16string filterList = nulSeparated(filters);
  std::vector<wchar_t> file(kOpenFileBuffer, L'\0');
  if (proposed.size() < file.size()) std::copy(proposed.begin(), proposed.end(), file.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.empty() ? nullptr : wide(filterList);
  dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.empty() ? nullptr : wide(title);
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  BOOL picked = GetOpenFileNameW(&dialog);
  if (!picked && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    // A proposed text that is no file name (a URL, a host path variable)
    // would keep the dialog from opening at all: open it without one.
    std::fill(file.begin(), file.end(), L'\0');
    picked = GetOpenFileNameW(&dialog);
  }
  if (!picked) return false;
  chosen.assign(reinterpret_cast<const char16_t*>(file.data()));
  return true;
}
// A platform dialog leaves the keyboard focus where it found it, also where
// the reactivation of its owner has not put it back yet.
void restoreFocus(UiWindow* owner, HWND focus) {
  if (!owner || !focus || !IsWindow(focus) || !IsChild(owner->hwnd, focus)) return;
  if (GetActiveWindow() != owner->hwnd) SetActiveWindow(owner->hwnd);
  if (GetFocus() != focus) SetFocus(focus);
}
}  // namespace

void uiRuntimeStart(void* instance) { moduleInstance = static_cast<HINSTANCE>(instance); }

void uiRuntimeStop() {
  if (classRegistered) UnregisterClassW(kWindowClass, instanceHandle());
  classRegistered = false;
  for (const DpiFont& known : dialogFonts) DeleteObject(known.font);
  dialogFonts.clear();
  if (activationContext != INVALID_HANDLE_VALUE) ReleaseActCtx(activationContext);
  activationContext = INVALID_HANDLE_VALUE;
  activationContextTried = false;
}

// The window is made hidden on the owner's monitor, whose DPI it then
// reports, and is sized and placed for that DPI before it is shown. It
// points at its UiWindow only once that is whole.
UiWindow* uiCreateWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner) {
  ActivationScope context;
  if (!ensureRuntime()) return nullptr;
  auto window = std::make_unique<UiWindow>();
  window->innerWidth = innerWidth;
  window->innerHeight = innerHeight;
  MonitorArea monitor = monitorOf(static_cast<HWND>(owner));
  HWND hwnd = CreateWindowExW(kWindowExStyle, kWindowClass, wide(title), kWindowStyle, monitor.work.left,
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

// A hint or information line that does not fit ends in an ellipsis (and
// shows its whole text as a tooltip); other labels are drawn as they come.
UiControl* uiAddLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height) {
  DWORD ellipsis = height <= kHintLineHeight ? SS_ENDELLIPSIS : 0;
  return addControl(window, ControlKind::Label, L"STATIC", text, SS_LEFT | SS_NOPREFIX | ellipsis, 0,
                    {x, y, width, height});
}

UiControl* uiAddTextField(UiWindow* window, const std::u16string& text, int x, int y, int width, int height,
                          bool readOnly) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? WS_DISABLED : 0);
  UiControl* field = addControl(window, ControlKind::TextField, L"EDIT", text, style, WS_EX_CLIENTEDGE,
                                {x, y, width, height});
  if (!field) return nullptr;
  field->readOnly = readOnly;
  SendMessageW(field->hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as the author needs
  return field;
}

UiControl* uiAddDropDown(UiWindow* window, int x, int y, int width, int height) {
  return addControl(window, ControlKind::DropDown, L"COMBOBOX", u"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                    {x, y, width, height});
}

UiControl* uiAddButton(UiWindow* window, const std::u16string& caption, int x, int y, int width, int height) {
  return addControl(window, ControlKind::Button, L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, 0,
                    {x, y, width, height});
}

void uiSetDefaultButton(UiControl* button) {
  if (!live(button) || button->kind != ControlKind::Button) return;
  button->window->defaultButton = button;
  SendMessageW(button->hwnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

UiControl* uiAddSwatch(UiWindow* window, UiColor color, int x, int y, int width, int height) {
  UiControl* swatch = addControl(window, ControlKind::Swatch, L"STATIC", u"", SS_OWNERDRAW, 0, {x, y, width, height});
  if (swatch) swatch->brush = CreateSolidBrush(RGB(color.red, color.green, color.blue));
  return swatch;
}

void uiSetText(UiControl* control, const std::u16string& text) {
  if (!live(control)) return;
  control->window->settingText = true;
  SetWindowTextW(control->hwnd, wide(text));
  control->window->settingText = false;
  control->window->tipsStale = true;
}

std::u16string uiGetText(UiControl* control) {
  if (!live(control)) return {};
  return control->kind == ControlKind::DropDown ? uiDropSelectedText(control) : windowText(control->hwnd);
}

void uiShow(UiControl* control, bool visible) {
  if (!live(control)) return;
  ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
  control->window->tipsStale = control->window->tabOrderStale = true;
}

bool uiIsVisible(UiControl* control) { return live(control) && isShown(control); }

void uiMove(UiControl* control, int x, int y, int width, int height) {
  if (!live(control)) return;
  control->layout = {x, y, width, height};
  placeControl(control);
  control->window->tipsStale = control->window->tabOrderStale = true;
}

void uiFocus(UiControl* control) {
  if (!live(control)) return;
  control->window->focus = control->hwnd;
  SetFocus(control->hwnd);
}

void uiSetSwatchColor(UiControl* swatch, UiColor color) {
  if (!live(swatch) || swatch->kind != ControlKind::Swatch) return;
  if (swatch->brush) DeleteObject(swatch->brush);
  swatch->brush = CreateSolidBrush(RGB(color.red, color.green, color.blue));
  InvalidateRect(swatch->hwnd, nullptr, TRUE);
}

void uiDropClear(UiControl* dropDown) {
  if (!live(dropDown)) return;
  SendMessageW(dropDown->hwnd, CB_RESETCONTENT, 0, 0);
  dropDown->reportedSelection = -1;
}

void uiDropAppend(UiControl* dropDown, const std::u16string& entry) {
  if (live(dropDown)) SendMessageW(dropDown->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry)));
}

void uiDropSelect(UiControl* dropDown, int position) {
  if (!live(dropDown)) return;
  bool inRange = position >= 0 && position < uiDropCount(dropDown);
  SendMessageW(dropDown->hwnd, CB_SETCURSEL, static_cast<WPARAM>(inRange ? position : -1), 0);
  dropDown->reportedSelection = comboSelection(dropDown->hwnd);
}

int uiDropSelected(UiControl* dropDown) { return live(dropDown) ? comboSelection(dropDown->hwnd) : -1; }

std::u16string uiDropSelectedText(UiControl* dropDown) { return uiDropEntry(dropDown, uiDropSelected(dropDown)); }

int uiDropCount(UiControl* dropDown) {
  if (!live(dropDown)) return 0;
  LRESULT count = SendMessageW(dropDown->hwnd, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::u16string uiDropEntry(UiControl* dropDown, int position) {
  if (!live(dropDown) || position < 0 || position >= uiDropCount(dropDown)) return {};
  LRESULT length = SendMessageW(dropDown->hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR) return {};
  std::u16string entry(static_cast<size_t>(length) + 1, u'\0');
  SendMessageW(dropDown->hwnd, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&entry[0]));
  entry.resize(static_cast<size_t>(length));
  return entry;
}

// The loop dispatches Kesto's messages as well as the dialog's, so the
// library's activation context is active only while the dialog's own
// controls are arranged, never while a message is dispatched. A window
// destroyed from outside ends the wait with its close box at once.
UiEvent uiWaitEvent(UiWindow* window) {
  if (!window || !window->hwnd) return {UiEventKind::CloseBox, nullptr};
  if (window->tabOrderStale || window->tipsStale) {
    ActivationScope context;
    if (window->tabOrderStale) orderTabs(window);
    if (window->tipsStale) refreshTips(window);
  }
  while (window->events.empty()) {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {  // the application is quitting: hand the quit on and close
      PostQuitMessage(static_cast<int>(message.wParam));
      return {UiEventKind::CloseBox, nullptr};
    }
    if (got == -1) return {UiEventKind::CloseBox, nullptr};
    if (!IsDialogMessageW(window->hwnd, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!window->hwnd) return {UiEventKind::CloseBox, nullptr};
  }
  UiEvent event = window->events.front();
  window->events.pop_front();
  return event;
}

namespace {
// A platform dialog over a window destroyed from outside is not shown: the
// editor under it is ending.
bool ownerGone(const UiWindow* owner) { return owner && !owner->hwnd; }
}  // namespace

void uiWarningBox(UiWindow* owner, const std::u16string& title, const std::u16string& text) {
  if (ownerGone(owner)) return;
  ActivationScope context;
  HWND focus = GetFocus();
  MessageBoxW(owner ? owner->hwnd : nullptr, wide(text), wide(title), MB_ICONWARNING | MB_OK);
  restoreFocus(owner, focus);
}

bool uiChooseColor(UiWindow* owner, UiColor initial, UiColor& chosen) {
  if (ownerGone(owner)) return false;
  ActivationScope context;
  COLORREF custom[16];
  for (COLORREF& slot : custom) slot = RGB(255, 255, 255);
  custom[0] = RGB(initial.red, initial.green, initial.blue);
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner ? owner->hwnd : nullptr;
  dialog.rgbResult = custom[0];
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT;
  HWND focus = GetFocus();
  BOOL picked = ChooseColorW(&dialog);
  restoreFocus(owner, focus);
  if (!picked) return false;
  chosen = {GetRValue(dialog.rgbResult), GetGValue(dialog.rgbResult), GetBValue(dialog.rgbResult)};
  return true;
}

bool uiChooseOpenFile(UiWindow* owner, const std::u16string& title, const std::u16string& filters, int filterIndex,
                      const std::u16string& proposed, std::u16string& chosen) {
  if (ownerGone(owner)) return false;
  ActivationScope context;
  // The explorer-style dialog needs OLE on this thread; initialise it for
  // the call only, on Kesto's thread, and balance it however the call ends.
  struct OleForThisCall {
    HRESULT started = OleInitialize(nullptr);
    ~OleForThisCall() {
      if (SUCCEEDED(started)) OleUninitialize();
    }
  } ole;
  HWND focus = GetFocus();
  bool picked = runOpenFileDialog(owner ? owner->hwnd : nullptr, title, filters, filterIndex, proposed, chosen);
  restoreFocus(owner, focus);
  return picked;
}
