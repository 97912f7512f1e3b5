#include "ui/win32/tooltips_win32.h"

#include <commctrl.h>

#include "ui/win32/activation_context_win32.h"

namespace {
constexpr int kHintGapLimit = 4;  // a hint line stands at most this far below its field

// Whether a control's text fits its room, measured to the end of the last
// glyph's ink (a glyph's advance may leave space after it that the room need
// not hold).
bool textFits(const UiControl* control) {
  std::u16string text = shownText(control);
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
  if (showsOwnText && !textFits(control)) tip = shownText(control);
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
  // A tip in a mirrored dialog reads right to left, but for code.
  UINT reading = control->window->textLayout.rightToLeft && !control->leftToRight ? TTF_RTLREADING : 0;
  if (control->kind != ControlKind::Label && IsWindowEnabled(control->hwnd)) {
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | reading;
    tool.uId = reinterpret_cast<UINT_PTR>(control->hwnd);
  } else {
    tool.uFlags = TTF_SUBCLASS | reading;
    tool.uId = static_cast<UINT_PTR>(controlId(control));
    GetWindowRect(control->hwnd, &tool.rect);
    MapWindowPoints(nullptr, control->window->hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
  }
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void refreshTips(UiWindow* window) {
  window->tipsStale = false;
  if (window->tooltip) removeTools(window->tooltip);
  for (auto& control : window->controls) {
    std::u16string tip = tipText(window, control.get());
    if (!tip.empty() && ensureTooltip(window)) addTool(window->tooltip, control.get(), tip);
  }
}
