// Win32 backend of the UI layer: real top-level windows and standard
// controls on Kesto's thread. Each window records the notifications its
// window procedure receives; uiWaitEvent pumps messages until one is there.
#include <windows.h>
#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>
#include <ole2.h>

#include <deque>
#include <memory>
#include <vector>

#include "ui/ui.h"

enum class ControlKind { Label, TextField, DropDown, Button, Swatch };

struct UiControl {
  UiWindow* window = nullptr;
  HWND hwnd = nullptr;
  ControlKind kind = ControlKind::Label;
  HBRUSH brush = nullptr;  // swatches
};

struct UiWindow {
  HWND hwnd = nullptr;
  std::vector<std::unique_ptr<UiControl>> controls;  // control IDs from kFirstControlId, in order
  std::deque<UiEvent> events;
  bool settingText = false;  // a text set from code raises no event
  HWND focus = nullptr;      // the control that gets the focus back on activation
};

namespace {
const wchar_t kWindowClass[] = L"ZuvoCompanionDialog";
constexpr int kFirstControlId = 100;
constexpr UINT kWakeMessage = WM_APP + 1;  // lets GetMessage return after a sent notification
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kDropListHeight = 240;  // the opened list below a drop-down
constexpr int kOpenFileBuffer = 32768;

HINSTANCE moduleInstance = nullptr;
bool classRegistered = false;
bool commonControlsReady = false;

HINSTANCE instanceHandle() { return moduleInstance ? moduleInstance : GetModuleHandleW(nullptr); }

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string windowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  int copied = GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(&text[0]), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

UiWindow* windowOf(HWND hwnd) { return reinterpret_cast<UiWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

UiControl* controlWithId(UiWindow* window, int id) {
  int index = id - kFirstControlId;
  if (!window || index < 0 || index >= static_cast<int>(window->controls.size())) return nullptr;
  return window->controls[index].get();
}

// Runs inside the window procedure, which no exception can leave through
// the system's frames: an event that finds no memory is dropped.
void record(UiWindow* window, UiEvent event) {
  try {
    window->events.push_back(event);
  } catch (...) {
    return;
  }
  PostMessageW(window->hwnd, kWakeMessage, 0, 0);
}

// Which notification counts as the author's action, per kind of control.
bool isAuthorAction(ControlKind kind, WORD code) {
  switch (kind) {
    case ControlKind::TextField: return code == EN_CHANGE;
    case ControlKind::DropDown: return code == CBN_SELCHANGE;
    case ControlKind::Button: return code == BN_CLICKED;
    default: return false;
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
  if (control->kind == ControlKind::TextField && window->settingText) return;
  if (isAuthorAction(control->kind, code)) record(window, {UiEventKind::Control, control});
}

void paintSwatch(UiWindow* window, const DRAWITEMSTRUCT* item) {
  UiControl* control = controlWithId(window, static_cast<int>(item->CtlID));
  if (control && control->brush) FillRect(item->hDC, &item->rcItem, control->brush);
}

LRESULT CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  UiWindow* window = windowOf(hwnd);
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      onCommand(window, wParam, lParam);
      return 0;
    case WM_CLOSE:  // the close box: the editor decides, the window stays
      record(window, {UiEventKind::CloseBox, nullptr});
      return 0;
    case WM_DRAWITEM:
      paintSwatch(window, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) window->focus = focus;
      } else if (window->focus && IsWindow(window->focus)) {
        SetFocus(window->focus);
        return 0;
      }
      break;
    case kWakeMessage:
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Class registration and common controls wait for the first window, so
// that library attach does nothing but record the instance.
bool ensureRuntime() {
  if (!commonControlsReady) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
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
                      DWORD style, DWORD exStyle, int x, int y, int width, int height) {
  if (!window) return nullptr;
  auto control = std::make_unique<UiControl>();
  control->window = window;
  control->kind = kind;
  int id = kFirstControlId + static_cast<int>(window->controls.size());
  window->settingText = true;
  control->hwnd = CreateWindowExW(exStyle, className, wide(text), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                  window->hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instanceHandle(),
                                  nullptr);
  window->settingText = false;
  if (!control->hwnd) return nullptr;
  SendMessageW(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  window->controls.push_back(std::move(control));
  return window->controls.back().get();
}

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

COLORREF colorRef(UiColor color) { return RGB(color.red, color.green, color.blue); }

void centreOnScreen(RECT& frame) {
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  frame = {left, top, left + width, top + height};
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
}

UiWindow* uiCreateWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner) {
  if (!ensureRuntime()) return nullptr;
  RECT frame = {0, 0, innerWidth, innerHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  centreOnScreen(frame);
  auto window = std::make_unique<UiWindow>();
  window->hwnd = CreateWindowExW(kWindowExStyle, kWindowClass, wide(title), kWindowStyle, frame.left, frame.top,
                                 frame.right - frame.left, frame.bottom - frame.top, static_cast<HWND>(owner),
                                 nullptr, instanceHandle(), nullptr);
  if (!window->hwnd) return nullptr;
  SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
  ShowWindow(window->hwnd, SW_SHOW);
  SetWindowPos(window->hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return window.release();
}

void uiDestroyWindow(UiWindow* window) {
  if (!window) return;
  SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, 0);
  DestroyWindow(window->hwnd);
  for (auto& control : window->controls)
    if (control->brush) DeleteObject(control->brush);
  // Wake-ups posted for events nobody took are of no use now.
  MSG stale;
  while (PeekMessageW(&stale, window->hwnd, kWakeMessage, kWakeMessage, PM_REMOVE)) {
  }
  delete window;
}

NativeWindow uiNativeWindow(UiWindow* window) { return window ? window->hwnd : nullptr; }
NativeWindow uiActiveWindow() { return GetActiveWindow(); }

UiControl* uiAddLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height) {
  return addControl(window, ControlKind::Label, L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, x, y, width, height);
}

UiControl* uiAddTextField(UiWindow* window, const std::u16string& text, int x, int y, int width, int height,
                          bool readOnly) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? WS_DISABLED : 0);
  UiControl* field = addControl(window, ControlKind::TextField, L"EDIT", text, style, WS_EX_CLIENTEDGE, x, y, width,
                                height);
  if (field) SendMessageW(field->hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as the author needs
  return field;
}

UiControl* uiAddDropDown(UiWindow* window, int x, int y, int width, int height) {
  UiControl* dropDown = addControl(window, ControlKind::DropDown, L"COMBOBOX", u"",
                                   WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, x, y, width,
                                   height + kDropListHeight);
  if (dropDown) setDropDownHeight(dropDown->hwnd, height);
  return dropDown;
}

UiControl* uiAddButton(UiWindow* window, const std::u16string& caption, int x, int y, int width, int height) {
  return addControl(window, ControlKind::Button, L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, width,
                    height);
}

UiControl* uiAddSwatch(UiWindow* window, UiColor color, int x, int y, int width, int height) {
  UiControl* swatch = addControl(window, ControlKind::Swatch, L"STATIC", u"", SS_OWNERDRAW, 0, x, y, width, height);
  if (swatch) swatch->brush = CreateSolidBrush(colorRef(color));
  return swatch;
}

void uiSetText(UiControl* control, const std::u16string& text) {
  if (!control) return;
  control->window->settingText = true;
  SetWindowTextW(control->hwnd, wide(text));
  control->window->settingText = false;
}

std::u16string uiGetText(UiControl* control) {
  if (!control) return {};
  return control->kind == ControlKind::DropDown ? uiDropSelectedText(control) : windowText(control->hwnd);
}

void uiShow(UiControl* control, bool visible) {
  if (control) ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool uiIsVisible(UiControl* control) {
  return control && (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void uiMove(UiControl* control, int x, int y, int width, int height) {
  if (!control) return;
  bool dropDown = control->kind == ControlKind::DropDown;
  MoveWindow(control->hwnd, x, y, width, dropDown ? height + kDropListHeight : height, TRUE);
  if (dropDown) setDropDownHeight(control->hwnd, height);
}

void uiFocus(UiControl* control) {
  if (!control) return;
  control->window->focus = control->hwnd;
  SetFocus(control->hwnd);
}

void uiSetSwatchColor(UiControl* swatch, UiColor color) {
  if (!swatch || swatch->kind != ControlKind::Swatch) return;
  if (swatch->brush) DeleteObject(swatch->brush);
  swatch->brush = CreateSolidBrush(colorRef(color));
  InvalidateRect(swatch->hwnd, nullptr, TRUE);
}

void uiDropClear(UiControl* dropDown) {
  if (dropDown) SendMessageW(dropDown->hwnd, CB_RESETCONTENT, 0, 0);
}

void uiDropAppend(UiControl* dropDown, const std::u16string& entry) {
  if (dropDown) SendMessageW(dropDown->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry)));
}

void uiDropSelect(UiControl* dropDown, int position) {
  if (!dropDown) return;
  bool inRange = position >= 0 && position < uiDropCount(dropDown);
  SendMessageW(dropDown->hwnd, CB_SETCURSEL, static_cast<WPARAM>(inRange ? position : -1), 0);
}

int uiDropSelected(UiControl* dropDown) {
  if (!dropDown) return -1;
  LRESULT selected = SendMessageW(dropDown->hwnd, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

std::u16string uiDropSelectedText(UiControl* dropDown) { return uiDropEntry(dropDown, uiDropSelected(dropDown)); }

int uiDropCount(UiControl* dropDown) {
  if (!dropDown) return 0;
  LRESULT count = SendMessageW(dropDown->hwnd, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::u16string uiDropEntry(UiControl* dropDown, int position) {
  if (!dropDown || position < 0 || position >= uiDropCount(dropDown)) return {};
  LRESULT length = SendMessageW(dropDown->hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR) return {};
  std::u16string entry(static_cast<size_t>(length) + 1, u'\0');
  SendMessageW(dropDown->hwnd, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&entry[0]));
  entry.resize(static_cast<size_t>(length));
  return entry;
}

UiEvent uiWaitEvent(UiWindow* window) {
  if (!window) return {UiEventKind::CloseBox, nullptr};
  while (window->events.empty()) {
    MSG message;
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {  // the application is quitting: hand the quit on and close
      PostQuitMessage(static_cast<int>(message.wParam));
      return {UiEventKind::CloseBox, nullptr};
    }
    if (got == -1) return {UiEventKind::CloseBox, nullptr};
    if (IsDialogMessageW(window->hwnd, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  UiEvent event = window->events.front();
  window->events.pop_front();
  return event;
}

void uiWarningBox(UiWindow* owner, const std::u16string& title, const std::u16string& text) {
  HWND focus = GetFocus();
  MessageBoxW(owner ? owner->hwnd : nullptr, wide(text), wide(title), MB_ICONWARNING | MB_OK);
  restoreFocus(owner, focus);
}

bool uiChooseColor(UiWindow* owner, UiColor initial, UiColor& chosen) {
  COLORREF custom[16];
  for (COLORREF& slot : custom) slot = RGB(255, 255, 255);
  custom[0] = colorRef(initial);
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner ? owner->hwnd : nullptr;
  dialog.rgbResult = colorRef(initial);
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
