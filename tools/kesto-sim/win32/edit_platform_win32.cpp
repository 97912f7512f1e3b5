// Win32 build: Kesto's thread opens the editor through the real DLL; a
// second thread plays the author with the messages a person's typing and
// clicking produce, and answers the platform dialogs by operating them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/kesto-sim/edit_platform.h"
#include "tools/kesto-sim/edit_png.h"
#include "tools/kesto-sim/text.h"
#include "ui/caption_marks.h"

namespace {
constexpr UINT kSettleMessage = WM_APP + 7;
constexpr DWORD kSettleTimeout = 20000;
constexpr DWORD kFirstWindowTimeout = 30000;
// Controls of the standard dialogs, as their templates number them.
constexpr int kColorRedEdit = 706, kColorGreenEdit = 707, kColorBlueEdit = 708;
constexpr int kFileNameCombo = 1148, kFileNameEdit = 1152;
constexpr int kMessageText = 0xFFFF;
const wchar_t kStandardDialogClass[] = L"#32770";
const wchar_t kTooltipClass[] = L"tooltips_class32";
const wchar_t kOpenListClass[] = L"ComboLBox";

struct KeyName {
  const char16_t* name;
  WPARAM key;
};
constexpr KeyName kKeys[] = {{u"enter", VK_RETURN}, {u"escape", VK_ESCAPE}, {u"tab", VK_TAB},
                             {u"up", VK_UP},        {u"down", VK_DOWN},     {u"f4", VK_F4}};

DWORD kestoThread = 0;
HWND settleWindow = nullptr;
HANDLE settled = nullptr;   // set when Kesto's thread reaches the settle message
HANDLE finished = nullptr;  // set when ksEditAction has returned
HWND kestoActiveWindow = nullptr;

std::u16string textOf(HWND hwnd) {
  wchar_t buffer[8192];
  LRESULT length = SendMessageW(hwnd, WM_GETTEXT, sizeof buffer / sizeof buffer[0], reinterpret_cast<LPARAM>(buffer));
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring classOf(HWND hwnd) {
  wchar_t name[64] = {0};
  GetClassNameW(hwnd, name, 64);
  return name;
}

LRESULT CALLBACK settleProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSettleMessage) {
    SetEvent(settled);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void createSettleWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = settleProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KestoSimSettle";
  RegisterClassW(&windowClass);
  settleWindow = CreateWindowExW(0, L"KestoSimSettle", L"", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
}

// Posted messages reach Kesto's thread in order, so once it has handled one
// posted after an action, it has handled the action and what followed from
// it, and waits again (in the editor's loop or in a dialog it opened).
bool settleOnce() {
  ResetEvent(settled);
  PostMessageW(settleWindow, kSettleMessage, 0, 0);
  HANDLE handles[2] = {settled, finished};
  DWORD woke = WaitForMultipleObjects(2, handles, FALSE, kSettleTimeout);
  if (woke == WAIT_TIMEOUT) std::fprintf(stderr, "kesto-sim: Kesto's thread did not settle\n");
  return woke == WAIT_OBJECT_0;
}

// A standard dialog shows itself only once its loop has run dry, which is
// after the first settle message; the second one finds it shown.
bool settle() { return settleOnce() && settleOnce(); }

struct ThreadWindows {
  std::vector<HWND> found;
  bool standardDialogs;
};

std::vector<HWND> answeredDialogs;  // closing ones may linger, hidden, for a moment

bool isAnswered(HWND hwnd) {
  return std::find(answeredDialogs.begin(), answeredDialogs.end(), hwnd) != answeredDialogs.end();
}

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM data) {
  auto* windows = reinterpret_cast<ThreadWindows*>(data);
  if (hwnd == static_cast<HWND>(kestoMainWindow()) || hwnd == kestoActiveWindow) return TRUE;
  // A dialog's tooltip and a drop-down's open list are parts of the dialog.
  if (classOf(hwnd) == kTooltipClass || classOf(hwnd) == kOpenListClass) return TRUE;
  bool standard = classOf(hwnd) == kStandardDialogClass;
  if (standard != windows->standardDialogs) return TRUE;
  // A standard dialog is created hidden and shows itself a moment later;
  // it counts from its creation, until it has been answered.
  bool counts = standard ? !isAnswered(hwnd) : IsWindowVisible(hwnd) != FALSE;
  if (counts) windows->found.push_back(hwnd);
  return TRUE;
}

// Top-level windows of Kesto's thread, owners before what they own.
std::vector<HWND> kestoThreadWindows(bool standardDialogs) {
  ThreadWindows windows{{}, standardDialogs};
  EnumThreadWindows(kestoThread, collectWindow, reinterpret_cast<LPARAM>(&windows));
  auto depth = [](HWND hwnd) {
    int levels = 0;
    for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) ++levels;
    return levels;
  };
  std::stable_sort(windows.found.begin(), windows.found.end(),
                   [&](HWND a, HWND b) { return depth(a) < depth(b); });
  return windows.found;
}

// Waits until a new standard dialog has shown itself; false when the editor
// has returned meanwhile.
bool waitUntilShown(HWND dialog) {
  for (int rounds = 0; rounds < 500 && IsWindow(dialog) && !IsWindowVisible(dialog); ++rounds) {
    if (!settleOnce()) return false;
    Sleep(10);
  }
  return settleOnce();
}

const char* kindOf(HWND control) {
  std::wstring name = classOf(control);
  LONG style = GetWindowLongW(control, GWL_STYLE);
  if (lstrcmpiW(name.c_str(), L"Static") == 0) return (style & SS_TYPEMASK) == SS_OWNERDRAW ? "swatch" : "label";
  if (lstrcmpiW(name.c_str(), L"Edit") == 0) return "field";
  if (lstrcmpiW(name.c_str(), L"ComboBox") == 0) return "dropdown";
  if (lstrcmpiW(name.c_str(), L"Button") == 0) return "button";
  return "other";
}

// A picture of a window's area on the screen, as three bytes a pixel.
// A control draws itself into the bitmap; a whole window is taken from the
// screen, where it stands on top of everything.
bool capture(HWND hwnd, RECT area, bool drawsItself, std::vector<uint8_t>& rgb) {
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = bitmap != nullptr;
  if (ok) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool printed = drawsItself && PrintWindow(hwnd, memory, 0);
    if (!printed) BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const uint8_t*>(bits);
    rgb.resize(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
      rgb[i * 3] = pixels[i * 4 + 2];
      rgb[i * 3 + 1] = pixels[i * 4 + 1];
      rgb[i * 3 + 2] = pixels[i * 4];
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

// A swatch's colour as the author sees it: the pixel in its middle.
std::u16string swatchColor(HWND swatch) {
  RECT area;
  GetWindowRect(swatch, &area);
  std::vector<uint8_t> rgb;
  if (!capture(swatch, area, true, rgb)) return u"";
  int width = area.right - area.left, height = area.bottom - area.top;
  size_t middle = (static_cast<size_t>(height / 2) * width + width / 2) * 3;
  static const char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text = u"#";
  for (int k = 0; k < 3; ++k) {
    text.push_back(kDigits[rgb[middle + k] >> 4]);
    text.push_back(kDigits[rgb[middle + k] & 15]);
  }
  return text;
}

SeenControl seeControl(HWND control, HWND focus) {
  SeenControl seen;
  seen.kind = kindOf(control);
  RECT frame;
  GetWindowRect(control, &frame);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&frame), 2);
  seen.x = frame.left;
  seen.y = frame.top;
  seen.width = frame.right - frame.left;
  seen.height = frame.bottom - frame.top;
  seen.visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  seen.enabled = IsWindowEnabled(control) != FALSE;
  seen.focused = focus == control || (focus && GetParent(focus) == control);
  seen.handle = control;
  if (seen.kind == std::string("dropdown")) {
    int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t entry[4096] = {0};
      if (SendMessageW(control, CB_GETLBTEXTLEN, i, 0) < 4096) SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      seen.entries.emplace_back(reinterpret_cast<const char16_t*>(entry));
    }
    LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
    seen.selected = selected == CB_ERR ? -1 : static_cast<int>(selected);
    if (seen.selected >= 0 && seen.selected < count) seen.text = seen.entries[seen.selected];
  } else if (seen.kind == std::string("swatch")) {
    seen.text = swatchColor(control);
  } else {
    seen.text = textOf(control);
    // Field labels and buttons show their access key underlined, not its mark.
    LONG style = GetWindowLongW(control, GWL_STYLE);
    bool marked = seen.kind == std::string("button") || (seen.kind == std::string("label") && !(style & SS_NOPREFIX));
    if (marked) {
      seen.accessKey = accessKeyOf(seen.text);
      seen.text = withoutAccessKey(seen.text);
    }
  }
  return seen;
}

std::vector<std::string> styleNames(HWND hwnd) {
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  ULONG_PTR classStyle = GetClassLongPtrW(hwnd, GCL_STYLE);
  std::vector<std::string> names;
  if ((style & WS_CAPTION) == WS_CAPTION) names.push_back("caption");
  if (style & WS_SYSMENU) names.push_back("sysmenu");
  if ((style & WS_SYSMENU) && !(classStyle & CS_NOCLOSE)) names.push_back("closebox");
  if (style & WS_THICKFRAME) names.push_back("thickframe");
  if (style & WS_MINIMIZEBOX) names.push_back("minimizebox");
  if (style & WS_MAXIMIZEBOX) names.push_back("maximizebox");
  return names;
}

bool isCentred(HWND hwnd) {
  RECT frame;
  GetWindowRect(hwnd, &frame);
  int dx = frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN);
  int dy = frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN);
  return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
}

std::string ownerName(HWND owner, const std::vector<HWND>& windows) {
  if (!owner) return "none";
  if (owner == static_cast<HWND>(kestoMainWindow())) return "kesto";
  if (owner && owner == kestoActiveWindow) return "kesto-active";
  for (size_t i = 0; i < windows.size(); ++i)
    if (windows[i] == owner) return "window " + std::to_string(i + 1);
  return "other";
}

HWND focusOfKestoThread() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  bool known = GetGUIThreadInfo(kestoThread, &info) != FALSE;
  if (std::getenv("KESTO_SIM_TRACE"))
    std::fprintf(stderr, "kesto-sim: active %p focus %p\n", static_cast<void*>(info.hwndActive), static_cast<void*>(info.hwndFocus));
  return known ? info.hwndFocus : nullptr;
}

std::vector<HWND> childrenInOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  std::stable_sort(children.begin(), children.end(),
                   [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
  return children;
}

void postClick(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void setNumber(HWND dialog, int id, int value) {
  std::wstring text = std::to_wstring(value);
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void answerColorDialog(HWND dialog) {
  Answer answer = nextColorAnswer();
  if (answer.kind == AnswerKind::Color) {
    setNumber(dialog, kColorRedEdit, answer.red);
    setNumber(dialog, kColorGreenEdit, answer.green);
    setNumber(dialog, kColorBlueEdit, answer.blue);
  }
  postClick(dialog, answer.kind == AnswerKind::Cancel ? IDCANCEL : IDOK);
}

void answerOpenFileDialog(HWND dialog) {
  Answer answer = nextFileAnswer();
  if (answer.kind != AnswerKind::Name) {
    postClick(dialog, IDCANCEL);
    return;
  }
  HWND name = GetDlgItem(dialog, kFileNameCombo);
  if (!name) name = GetDlgItem(dialog, kFileNameEdit);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.text.c_str()));
  postClick(dialog, IDOK);
}

void answerMessageBox(HWND box) {
  printMessageBox(textOf(box), textOf(GetDlgItem(box, kMessageText)));
  postClick(box, IDOK);
}

// Waits until an answered dialog is gone, or has opened another one (a
// complaint about the file name, say).
bool settleAfterAnswer(HWND dialog) {
  answeredDialogs.push_back(dialog);
  for (int rounds = 0; rounds < 500; ++rounds) {
    if (!settleOnce()) return false;
    if (!IsWindow(dialog) || !IsWindowVisible(dialog) || !kestoThreadWindows(true).empty()) return settle();
    Sleep(10);
  }
  return true;
}

// Operates every standard dialog that is open on Kesto's thread, newest
// first, as the answers say. False when the editor has returned.
bool answerStandardDialogs() {
  for (int rounds = 0; rounds < 100; ++rounds) {
    std::vector<HWND> dialogs = kestoThreadWindows(true);
    if (dialogs.empty()) return true;
    HWND dialog = dialogs.back();
    if (!waitUntilShown(dialog)) return false;
    if (!IsWindow(dialog)) continue;
    if (GetDlgItem(dialog, kColorRedEdit)) answerColorDialog(dialog);
    else if (GetDlgItem(dialog, kFileNameCombo) || GetDlgItem(dialog, kFileNameEdit)) answerOpenFileDialog(dialog);
    else answerMessageBox(dialog);
    if (!settleAfterAnswer(dialog)) return false;
  }
  return true;
}

bool waitForFirstWindow() {
  for (DWORD waited = 0; waited < kFirstWindowTimeout; waited += 20) {
    if (WaitForSingleObject(finished, 20) == WAIT_OBJECT_0) return false;
    if (!kestoThreadWindows(false).empty()) return true;
  }
  return false;
}

void playSteps() {
  if (!waitForFirstWindow() || !settle() || !answerStandardDialogs()) return;
  while (true) {
    bool acted = runStepsUntilEvent();
    if (!settle() || !answerStandardDialogs()) return;
    if (!acted && WaitForSingleObject(finished, kSettleTimeout) != WAIT_TIMEOUT) return;
  }
}

// When Kesto's thread stops answering, close what is open as an author
// would give up, so that the session ends instead of hanging.
void giveUp() {
  printLine("error\tsession\tthe dialog stopped answering; closing it");
  for (int tries = 0; tries < 120 && WaitForSingleObject(finished, 500) == WAIT_TIMEOUT; ++tries) {
    for (HWND dialog : kestoThreadWindows(true)) postClick(dialog, IDCANCEL);
    for (HWND window : kestoThreadWindows(false)) PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(finished, 0) == WAIT_TIMEOUT) ExitProcess(3);
}

DWORD WINAPI playAuthor(void*) {
  playSteps();
  bool editorOpen = WaitForSingleObject(finished, 0) == WAIT_TIMEOUT;
  if (editorOpen && (!kestoThreadWindows(false).empty() || !kestoThreadWindows(true).empty())) giveUp();
  return 0;
}
}  // namespace

int32_t playEditor(int32_t action, HostParameterList& parameters) {
  kestoThread = GetCurrentThreadId();
  settled = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  createSettleWindow();
  HANDLE author = CreateThread(nullptr, 0, playAuthor, nullptr, 0, nullptr);
  int32_t result = kesto.plugin.editAction(action, parameters.entries.data());
  SetEvent(finished);
  // Keep answering what the author sends until it has stopped.
  while (author && MsgWaitForMultipleObjects(1, &author, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  if (author) CloseHandle(author);
  DestroyWindow(settleWindow);
  CloseHandle(settled);
  CloseHandle(finished);
  return result;
}

void activateKestoWindow() {
  kestoActiveWindow = CreateWindowExW(0, L"STATIC", L"Kesto publication", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                      300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(kestoActiveWindow);
  SetActiveWindow(kestoActiveWindow);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

int windowsLeftOpen() {
  kestoThread = GetCurrentThreadId();
  int open = static_cast<int>(kestoThreadWindows(false).size() + kestoThreadWindows(true).size());
  if (kestoActiveWindow) DestroyWindow(kestoActiveWindow);
  return open;
}

std::vector<SeenWindow> seeWindows() {
  std::vector<HWND> windows = kestoThreadWindows(false);
  HWND focus = focusOfKestoThread();
  std::vector<SeenWindow> seen;
  for (HWND hwnd : windows) {
    SeenWindow w;
    w.title = textOf(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    w.innerWidth = client.right;
    w.innerHeight = client.bottom;
    w.styles = styleNames(hwnd);
    w.topmost = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    w.mirrored = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    w.centred = isCentred(hwnd);
    w.owner = ownerName(GetWindow(hwnd, GW_OWNER), windows);
    for (HWND control : childrenInOrder(hwnd)) w.controls.push_back(seeControl(control, focus));
    w.handle = hwnd;
    seen.push_back(w);
  }
  return seen;
}

// WM_SETTEXT: the edit changes its text and reports EN_CHANGE itself.
void typeInto(const SeenControl& field, const std::u16string& text) {
  SendMessageW(static_cast<HWND>(field.handle), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A drop-down reports a change of selection only for the author's choice;
// select the entry and send that notification as the list would.
void chooseEntry(const SeenControl& dropDown, int position) {
  HWND combo = static_cast<HWND>(dropDown.handle);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void clickButton(const SeenControl& button) {
  HWND hwnd = static_cast<HWND>(button.handle);
  PostMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void pressCloseBox(const SeenWindow& window) { PostMessageW(static_cast<HWND>(window.handle), WM_CLOSE, 0, 0); }

// A key press posted to the focused control, as the keyboard would deliver
// it; the dialog's own keyboard handling takes it from Kesto's queue.
bool pressKey(const SeenWindow& window, const std::u16string& key, std::string& error) {
  for (const KeyName& known : kKeys) {
    if (key != known.name) continue;
    HWND focus = focusOfKestoThread();
    HWND target = focus ? focus : static_cast<HWND>(window.handle);
    PostMessageW(target, WM_KEYDOWN, known.key, 1);
    PostMessageW(target, WM_KEYUP, known.key, 0xC0000001);
    return true;
  }
  error = "no key " + utf16ToUtf8(key);
  return false;
}

bool useDisplayDpi(int dpi, std::string& error) {
  SetProcessDPIAware();
  HDC screen = GetDC(nullptr);
  int seen = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (seen == dpi) return true;
  error = "the display runs at " + std::to_string(seen) + " DPI, not " + std::to_string(dpi) +
          " (bin/kesto-sim --dpi arranges a Wine prefix for it)";
  return false;
}

bool takeShot(const SeenWindow& window, const std::string& file, std::string& error) {
  HWND hwnd = static_cast<HWND>(window.handle);
  // Painting waits behind every posted message, so a window that has just
  // changed may not be drawn yet: have its thread paint it (frame and
  // controls) now, and give the display a moment to show the result.
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  settle();
  Sleep(200);
  RECT frame;
  GetWindowRect(hwnd, &frame);
  std::vector<uint8_t> rgb;
  if (!capture(hwnd, frame, false, rgb)) {
    error = "cannot capture the window";
    return false;
  }
  if (writePng(file, frame.right - frame.left, frame.bottom - frame.top, rgb)) return true;
  error = "cannot write " + file;
  return false;
}
