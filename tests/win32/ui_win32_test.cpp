// The Win32 backend with real windows. Without an X display Wine makes no
// windows; tests/wine/edit_backend.sh runs these under a private one.
#include <algorithm>

#include "tests/win32/ui_win32_test_support.h"

namespace {
BOOL CALLBACK keepStandardDialog(HWND hwnd, LPARAM out) {
  wchar_t name[16];
  GetClassNameW(hwnd, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) *reinterpret_cast<HWND*>(out) = hwnd;
  return TRUE;
}

// The standard dialog (#32770) that the thread's window opens, or null.
HWND waitForStandardDialog(DWORD thread) {
  for (int tries = 0; tries < 500; ++tries) {
    HWND found = nullptr;
    EnumThreadWindows(thread, keepStandardDialog, reinterpret_cast<LPARAM>(&found));
    if (found) return found;
    Sleep(10);
  }
  return nullptr;
}

void clickIn(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
}  // namespace

TEST(UiWin32Window, HasTheDialogFrameExactInnerSizeAndStaysOnTop) {
  REQUIRE_DISPLAY();
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  UiWindow* window = uiCreateWindow(u"ZUVO_Set  -  Set a control property", 510, 316, owner);
  ASSERT_NE(window, nullptr);
  HWND hwnd = hwndOf(window);
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner);
  RECT client, frame;
  GetClientRect(hwnd, &client);
  int dpi = screenDpi();
  EXPECT_EQ(client.right, MulDiv(510, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(316, dpi, 96));
  GetWindowRect(hwnd, &frame);
  EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 2);
  EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 2);
  EXPECT_EQ(textOf(hwnd), L"ZUVO_Set  -  Set a control property");
  uiDestroyWindow(window);
  EXPECT_FALSE(IsWindow(hwnd));
  DestroyWindow(owner);
}

// At 96 DPI every control stands exactly where the layout puts it; all of
// them share the dialog's one font (its DPI's tests are in ui_dpi_win32_test).
TEST(UiWin32Window, ControlsStandWhereAskedInOneDialogFont) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 400, 200, nullptr);
  UiControl* label = uiAddLabel(window, u"Control ID:", 10, 48, 88, 18);
  UiControl* field = uiAddTextField(window, u"btn", 102, 44, 200, 24, false);
  UiControl* shown = uiAddTextField(window, u"Rect1", 102, 10, 200, 24, true);
  UiControl* drop = uiAddDropDown(window, 102, 78, 200, 24);
  UiControl* button = uiAddButton(window, u"OK", 200, 160, 90, 28);
  ASSERT_TRUE(label && field && shown && drop && button);
  HWND dialog = hwndOf(window);
  int expected[][4] = {{10, 48, 88, 18}, {102, 44, 200, 24}, {102, 10, 200, 24}, {102, 78, 200, 24}, {200, 160, 90, 28}};
  // Children in creation order carry increasing IDs.
  HWND children[5];
  int count = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child && count < 5; child = GetWindow(child, GW_HWNDNEXT))
    children[count++] = child;
  ASSERT_EQ(count, 5);
  std::sort(children, children + 5, [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(children[0], WM_GETFONT, 0, 0));
  EXPECT_NE(dialogFont, nullptr);
  int scale = screenDpi();
  for (int index = 0; index < 5; ++index) {
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(children[index], WM_GETFONT, 0, 0)), dialogFont) << index;
    if (scale != 96) continue;  // other DPIs: ui_dpi_win32_test
    RECT frame = frameInParent(children[index]);
    EXPECT_EQ(frame.left, expected[index][0]) << index;
    EXPECT_EQ(frame.top, expected[index][1]) << index;
    EXPECT_EQ(frame.right - frame.left, expected[index][2]) << index;
    EXPECT_EQ(frame.bottom - frame.top, expected[index][3]) << index;
  }
  EXPECT_TRUE(IsWindowEnabled(children[1]));
  EXPECT_FALSE(IsWindowEnabled(children[2]));  // read-only: a disabled edit
  uiMove(drop, 50, 100, 150, 24);
  RECT moved = frameInParent(children[3]);
  EXPECT_EQ(moved.bottom - moved.top, MulDiv(24, scale, 96));
  uiShow(button, false);
  EXPECT_FALSE(uiIsVisible(button));
  uiShow(button, true);
  EXPECT_TRUE(uiIsVisible(button));
  uiDestroyWindow(window);
}

TEST(UiWin32Events, TheAuthorsActionsAreReportedAndCodesOwnChangesAreNot) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 300, 120, nullptr);
  UiControl* field = uiAddTextField(window, u"", 10, 10, 100, 24, false);
  UiControl* drop = uiAddDropDown(window, 10, 40, 100, 24);
  UiControl* button = uiAddButton(window, u"Go", 10, 70, 60, 24);
  uiDropAppend(drop, u"one");
  uiDropAppend(drop, u"two");
  HWND fieldHwnd = FindWindowExW(hwndOf(window), nullptr, L"Edit", nullptr);
  HWND dropHwnd = FindWindowExW(hwndOf(window), nullptr, L"ComboBox", nullptr);
  HWND buttonHwnd = FindWindowExW(hwndOf(window), nullptr, L"Button", nullptr);

  uiSetText(field, u"from code");
  uiDropSelect(drop, 1);
  UiEvent typed = waitWhile(window, [&] {
    SendMessageW(fieldHwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
  });
  EXPECT_EQ(typed.kind, UiEventKind::Control);
  EXPECT_EQ(typed.control, field);  // the code's own change before it raised nothing
  EXPECT_EQ(uiGetText(field), u"typed");

  UiEvent chosen = waitWhile(window, [&] {
    SendMessageW(dropHwnd, CB_SETCURSEL, 0, 0);
    SendMessageW(hwndOf(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dropHwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dropHwnd));
  });
  EXPECT_EQ(chosen.control, drop);
  EXPECT_EQ(uiDropSelected(drop), 0);
  EXPECT_EQ(uiDropSelectedText(drop), u"one");

  UiEvent clicked = waitWhile(window, [&] {
    PostMessageW(hwndOf(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(buttonHwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(buttonHwnd));
  });
  EXPECT_EQ(clicked.control, button);

  UiEvent closed = waitWhile(window, [&] { PostMessageW(hwndOf(window), WM_CLOSE, 0, 0); });
  EXPECT_EQ(closed.kind, UiEventKind::CloseBox);
  EXPECT_TRUE(IsWindow(hwndOf(window)));  // the editor decides; the window stays until destroyed
  uiDestroyWindow(window);
}

TEST(UiWin32DropDown, SelectionOutsideTheEntriesMeansNone) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 200, 60, nullptr);
  UiControl* drop = uiAddDropDown(window, 10, 10, 100, 24);
  EXPECT_EQ(uiDropSelected(drop), -1);
  uiDropAppend(drop, u"a");
  uiDropAppend(drop, u"b");
  uiDropSelect(drop, 5);
  EXPECT_EQ(uiDropSelected(drop), -1);
  EXPECT_EQ(uiDropSelectedText(drop), u"");
  uiDropSelect(drop, 1);
  EXPECT_EQ(uiDropEntry(drop, 1), u"b");
  EXPECT_EQ(uiDropEntry(drop, 2), u"");
  uiDropClear(drop);
  EXPECT_EQ(uiDropCount(drop), 0);
  EXPECT_EQ(uiDropSelected(drop), -1);
  uiDestroyWindow(window);
}

TEST(UiWin32Dialogs, TheWarningIsOwnedByTheDialogWithItsTitleTextAndIcon) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 200, 60, nullptr);
  UiControl* field = uiAddTextField(window, u"", 10, 10, 100, 24, false);
  uiFocus(field);
  DWORD thread = GetCurrentThreadId();
  HWND owner = nullptr, icon = nullptr;
  std::wstring title, text;
  std::thread person([&] {
    HWND box = waitForStandardDialog(thread);
    if (!box) return;
    owner = GetWindow(box, GW_OWNER);
    title = textOf(box);
    text = textOf(GetDlgItem(box, 0xFFFF));
    icon = GetDlgItem(box, 1088);
    clickIn(box, IDOK);
  });
  uiWarningBox(window, u"ZUVO_Set", u"Please enter a Control ID.\r\nFor example btn_ok");
  person.join();
  EXPECT_EQ(owner, hwndOf(window));
  EXPECT_EQ(title, L"ZUVO_Set");
  EXPECT_EQ(text, L"Please enter a Control ID.\r\nFor example btn_ok");
  EXPECT_NE(icon, nullptr);
  uiDestroyWindow(window);
}

TEST(UiWin32Dialogs, TheColourDialogOpensAtTheColourAndReportsOkAndCancel) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 200, 60, nullptr);
  DWORD thread = GetCurrentThreadId();
  std::wstring red, green, blue;
  std::thread person([&] {
    HWND dialog = waitForStandardDialog(thread);
    if (!dialog) return;
    red = textOf(GetDlgItem(dialog, 706));
    green = textOf(GetDlgItem(dialog, 707));
    blue = textOf(GetDlgItem(dialog, 708));
    clickIn(dialog, IDOK);
  });
  UiColor chosen;
  EXPECT_TRUE(uiChooseColor(window, UiColor{204, 34, 68}, chosen));
  person.join();
  EXPECT_EQ(red + L"," + green + L"," + blue, L"204,34,68");
  EXPECT_EQ(chosen.red, 204);
  EXPECT_EQ(chosen.green, 34);
  EXPECT_EQ(chosen.blue, 68);

  std::thread cancel([&] {
    HWND dialog = waitForStandardDialog(thread);
    if (dialog) clickIn(dialog, IDCANCEL);
  });
  EXPECT_FALSE(uiChooseColor(window, UiColor{1, 2, 3}, chosen));
  cancel.join();
  uiDestroyWindow(window);
}

TEST(UiWin32Dialogs, TheOpenFileDialogShowsTitleFiltersAndProposedName) {
  REQUIRE_DISPLAY();
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + L"zuvo_ui_pick.png";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  UiWindow* window = uiCreateWindow(u"t", 200, 60, nullptr);
  DWORD thread = GetCurrentThreadId();
  std::wstring title, proposed, firstType, selectedType;
  std::thread person([&] {
    HWND dialog = waitForStandardDialog(thread);
    if (!dialog) return;
    Sleep(200);  // let it fill its lists
    title = textOf(dialog);
    HWND name = GetDlgItem(dialog, 1148);
    proposed = textOf(name);
    HWND types = GetDlgItem(dialog, 1136);
    wchar_t entry[256] = {0};
    SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
    firstType = entry;
    LRESULT selected = SendMessageW(types, CB_GETCURSEL, 0, 0);
    SendMessageW(types, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(entry));
    selectedType = entry;
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    clickIn(dialog, IDOK);
  });
  std::u16string chosen;
  bool picked = uiChooseOpenFile(window, u"Select File", u"Images (*.png)|*.png|Audio (*.mp3)|*.mp3|All Files (*.*)|*.*",
                                 2, u"photo.png", chosen);
  person.join();
  EXPECT_TRUE(picked);
  EXPECT_EQ(std::wstring(chosen.begin(), chosen.end()), path);
  EXPECT_EQ(title, L"Select File");
  EXPECT_EQ(proposed, L"photo.png");
  EXPECT_EQ(firstType, L"Images (*.png)");
  EXPECT_EQ(selectedType, L"Audio (*.mp3)");
  uiDestroyWindow(window);
  DeleteFileW(path.c_str());
}

TEST(UiWin32Dialogs, AProposedTextThatIsNoFileNameStillOpensTheDialog) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 200, 60, nullptr);
  DWORD thread = GetCurrentThreadId();
  bool opened = false;
  std::thread person([&] {
    HWND dialog = waitForStandardDialog(thread);
    opened = dialog != nullptr;
    if (dialog) clickIn(dialog, IDCANCEL);
  });
  std::u16string chosen;
  EXPECT_FALSE(uiChooseOpenFile(window, u"Select File", u"All Files (*.*)|*.*", 1,
                                u"https://example.com/a.png?x=<1>|2", chosen));
  person.join();
  EXPECT_TRUE(opened);
  uiDestroyWindow(window);
}

TEST(UiWin32Runtime, StopUnregistersTheWindowClassAndTheNextWindowRegistersItAgain) {
  REQUIRE_DISPLAY();
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  EXPECT_TRUE(GetClassInfoExW(instance, L"ZuvoCompanionDialog", &info));
  uiRuntimeStop();
  EXPECT_FALSE(GetClassInfoExW(instance, L"ZuvoCompanionDialog", &info));
  UiWindow* window = uiCreateWindow(u"again", 100, 50, nullptr);
  ASSERT_NE(window, nullptr);
  uiDestroyWindow(window);
}
