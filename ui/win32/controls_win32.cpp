// The controls of a dialog: labels, text fields, drop-down lists, buttons
// and colour swatches, each a standard control (a swatch is owner-drawn)
// in the dialog font, made inside the library's activation context.
#include <windows.h>

#include "ui/win32/activation_context_win32.h"
#include "ui/win32/dialog_state_win32.h"
#include "ui/win32/dpi_win32.h"
#include "ui/win32/placement_win32.h"

namespace {
constexpr int kHintLineHeight = 14;  // hint and information lines: one line of text, no taller

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
  window->tipsStale = window->tabOrderStale = window->fitStale = true;
  window->controls.push_back(std::move(control));
  return window->controls.back().get();
}

}  // namespace

// A hint or information line that does not fit ends in an ellipsis (and
// shows its whole text as a tooltip); other labels are drawn as they come.
UiControl* uiAddLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height) {
  DWORD ellipsis = height <= kHintLineHeight ? SS_ENDELLIPSIS : 0;
  return addControl(window, ControlKind::Label, L"STATIC", text, SS_LEFT | SS_NOPREFIX | ellipsis, 0,
                    {x, y, width, height});
}

UiControl* uiAddFieldLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height) {
  return addControl(window, ControlKind::Label, L"STATIC", text, SS_LEFT, 0, {x, y, width, height});
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

// In a mirrored window the field keeps its place, counted from the right,
// but its own text runs left to right from its left edge.
void uiKeepLeftToRight(UiControl* field) {
  if (!live(field) || field->kind != ControlKind::TextField) return;
  field->leftToRight = true;
  LONG_PTR exStyle = GetWindowLongPtrW(field->hwnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYOUTRTL)) return;
  SetWindowLongPtrW(field->hwnd, GWL_EXSTYLE, exStyle & ~(WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_RIGHT));
  InvalidateRect(field->hwnd, nullptr, TRUE);
}

void uiSetText(UiControl* control, const std::u16string& text) {
  if (!live(control)) return;
  control->window->settingText = true;
  SetWindowTextW(control->hwnd, wide(text));
  control->window->settingText = false;
  control->window->tipsStale = control->window->fitStale = true;
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
  if (!live(dropDown)) return;
  SendMessageW(dropDown->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry)));
  dropDown->window->fitStale = true;
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
