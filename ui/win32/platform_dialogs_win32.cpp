// The platform's own dialogs over an editor's: the warning message box, the
// colour dialog and the open-file dialog. Each is made inside the library's
// activation context and leaves the keyboard focus where it found it.
#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <ole2.h>

#include <algorithm>
#include <vector>

#include "ui/win32/activation_context_win32.h"
#include "ui/win32/dialog_state_win32.h"

namespace {
constexpr int kOpenFileBuffer = 32768;

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
// A platform dialog over a window destroyed from outside is not shown: the
// editor under it is ending.
bool ownerGone(const UiWindow* owner) { return owner && !owner->hwnd; }
}  // namespace


void uiWarningBox(UiWindow* owner, const std::u16string& title, const std::u16string& text) {
  if (ownerGone(owner)) return;
  ActivationScope context;
  HWND focus = GetFocus();
  // Over a mirrored dialog the message reads right to left, from the right.
  UINT direction = owner && owner->textLayout.rightToLeft ? MB_RTLREADING | MB_RIGHT : 0;
  MessageBoxW(owner ? owner->hwnd : nullptr, wide(text), wide(title), MB_ICONWARNING | MB_OK | direction);
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
