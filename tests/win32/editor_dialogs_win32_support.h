#pragma once
// Opens every editor through the editors themselves and hands each dialog
// it shows to a check, which runs on a second thread as a person would
// while the test's thread runs the editor. Shared by the tests of the
// dialogs' texts and of their keyboard.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "editors/action_editors.h"
#include "editors/dialog_texts.h"
#include "host/host_strings.h"
#include "tests/win32/ui_win32_test_support.h"

inline std::vector<HWND> childrenById(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  std::sort(children.begin(), children.end(), [](HWND a, HWND b) { return GetDlgCtrlID(a) < GetDlgCtrlID(b); });
  return children;
}

inline std::wstring classOf(HWND hwnd) {
  wchar_t name[64] = {0};
  GetClassNameW(hwnd, name, 64);
  return name;
}

inline bool isButton(HWND control) { return lstrcmpiW(classOf(control).c_str(), L"Button") == 0; }

// A window's text as it was set, access-key marks included.
inline std::u16string markedTextOf(HWND hwnd) {
  wchar_t buffer[4096] = {0};
  SendMessageW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
  return reinterpret_cast<const char16_t*>(buffer);
}

inline BOOL CALLBACK keepDialog(HWND hwnd, LPARAM data) {
  auto* dialogs = reinterpret_cast<std::vector<HWND>*>(data);
  if (classOf(hwnd) == L"ZuvoCompanionDialog" && IsWindowVisible(hwnd)) dialogs->push_back(hwnd);
  return TRUE;
}

inline std::vector<HWND> dialogsOf(DWORD thread) {
  std::vector<HWND> dialogs;
  EnumThreadWindows(thread, keepDialog, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

// Waits until the editor's thread shows `count` dialogs and has run dry.
inline std::vector<HWND> waitForDialogs(DWORD thread, size_t count) {
  for (int tries = 0; tries < 500; ++tries) {
    std::vector<HWND> dialogs = dialogsOf(thread);
    if (dialogs.size() >= count) {
      Sleep(100);
      return dialogsOf(thread);
    }
    Sleep(10);
  }
  return {};
}

// The shown button whose caption is `english` in the language the dialogs
// show now (the marks of access keys aside).
inline HWND buttonCalled(HWND dialog, const char16_t* english) {
  std::u16string caption = withoutAccessKey(localized(english));
  for (HWND control : childrenById(dialog))
    if (isButton(control) && IsWindowVisible(control) && withoutAccessKey(markedTextOf(control)) == caption)
      return control;
  return nullptr;
}

inline void clickButton(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The other dialog than `first` among `dialogs`, or null.
inline HWND otherDialog(const std::vector<HWND>& dialogs, HWND first) {
  for (HWND dialog : dialogs)
    if (dialog != first) return dialog;
  return nullptr;
}

using DialogCheck = std::function<void(HWND dialog)>;

// Opens the editor of `action` over `parameters` (the rectangle stored, as
// no pick request is answered here), hands its dialog to `check` (and the
// gradient builder's when `gradient`), then closes everything. COM is
// initialised on the checking thread for the accessibility layer.
inline void inspectEditor(ActionNumber action, std::vector<std::u16string> parameters, bool gradient,
                          const DialogCheck& check) {
  std::vector<HostString> list;
  for (const std::u16string& text : parameters) list.push_back(toHostString(text));
  DWORD thread = GetCurrentThreadId();
  std::thread person([&] {
    std::vector<HWND> dialogs = waitForDialogs(thread, 1);
    if (dialogs.empty()) return;
    HRESULT com = CoInitialize(nullptr);
    check(dialogs[0]);
    if (gradient) {
      if (HWND button = buttonCalled(dialogs[0], u"Gradient...")) clickButton(button);
      if (HWND builder = otherDialog(waitForDialogs(thread, 2), dialogs[0])) {
        check(builder);
        PostMessageW(builder, WM_CLOSE, 0, 0);
      }
      Sleep(100);
    }
    PostMessageW(dialogs[0], WM_CLOSE, 0, 0);
    if (SUCCEEDED(com)) CoUninitialize();
  });
  EXPECT_EQ(runActionEditor(action, list.data()), 0);
  person.join();
  for (HostString entry : list) freeHostString(entry);
}

// Every editor dialog, the ZUVO_Set one with a choice list, with
// "Browse...", and with the background buttons and the gradient builder:
// 11 dialogs.
inline void inspectEveryEditor(const DialogCheck& check) {
  inspectEditor(kZuvoSet, {u"Rect1", u"checkBox:chk_terms", u"checked", u"true"}, false, check);
  inspectEditor(kZuvoSet, {u"Rect1", u"mediaPlayer:mp_music", u"filename", u"[PubDir]music.mp3"}, false, check);
  inspectEditor(kZuvoSet, {u"Rect1", u"button:btn_ok", u"style.background", u"#336699"}, true, check);
  inspectEditor(kZuvoGet, {u"Rect1", u"label:lbl_status", u"caption", u"[Status]"}, false, check);
  inspectEditor(kZuvoVisibility, {u"Rect1", u"button:btn_ok", u"Hide"}, false, check);
  inspectEditor(kZuvoNavigate, {u"Rect1", u"GoToPage", u"Results"}, false, check);
  inspectEditor(kZuvoItems, {u"Rect1", u"combobox:cbo_color", u"AddItem", u"Red"}, false, check);
  inspectEditor(kZuvoGoSub, {u"OnSaveComplete"}, false, check);
  inspectEditor(kZuvoAddRow, {u"Rect1", u"tbl_staff", u"Alice Chen,Engineering"}, false, check);
  inspectEditor(kZuvoClearRows, {u"Rect1", u"tbl_staff"}, false, check);
}
