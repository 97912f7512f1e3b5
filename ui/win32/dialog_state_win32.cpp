#include "ui/win32/dialog_state_win32.h"

#include "ui/caption_marks.h"

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string windowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  int copied = GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(&text[0]), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

bool live(const UiControl* control) { return control && control->hwnd; }

UiWindow* windowOf(HWND hwnd) { return reinterpret_cast<UiWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

UiControl* controlWithId(UiWindow* window, int id) {
  int index = id - kFirstControlId;
  if (!window || index < 0 || index >= static_cast<int>(window->controls.size())) return nullptr;
  return window->controls[index].get();
}

int controlId(const UiControl* control) { return GetDlgCtrlID(control->hwnd); }

bool isShown(const UiControl* control) { return (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

int comboSelection(HWND combo) {
  LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

int stretchedInnerWidth(const UiWindow* window) { return stretchedPosition(window->stretch, window->innerWidth); }

std::u16string shownText(const UiControl* control) {
  std::u16string text = windowText(control->hwnd);
  bool marked = control->kind == ControlKind::Button ||
                (control->kind == ControlKind::Label && !(GetWindowLongW(control->hwnd, GWL_STYLE) & SS_NOPREFIX));
  return marked ? drawnCaption(text) : text;
}
