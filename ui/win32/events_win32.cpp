#include "ui/win32/events_win32.h"

#include "ui/win32/activation_context_win32.h"
#include "ui/win32/placement_win32.h"
#include "ui/win32/tab_order_win32.h"
#include "ui/win32/text_fit_win32.h"
#include "ui/win32/tooltips_win32.h"

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

namespace {
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

// A hint or information line: a label drawn without access keys, whose "&"
// shows as itself ("100=B&W").
bool isHint(UiWindow* window, HWND control) {
  UiControl* label = controlWithId(window, GetDlgCtrlID(control));
  return label && label->hwnd == control && label->kind == ControlKind::Label &&
         (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX);
}

// Moves the focus as a dialog's own procedure does on WM_NEXTDLGCTL, which
// the dialog keyboard handling sends for a field label's access key (to the
// label, then on to the next tab item, its field) and may send for Tab:
// lParam nonzero names the control in wParam; otherwise wParam zero is the
// next tab item and nonzero the previous. The control is kept to get the
// focus back on activation, and a text field gets its whole text selected,
// so that typing replaces it.
//
// Wine's keyboard handling reads an "&" in a hint as an access key as well;
// a hint names no field, so neither it nor the step on from it is taken
// (the step comes within the same keyboard handling, see uiWaitEvent).
void moveFocus(UiWindow* window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  HWND target = reinterpret_cast<HWND>(wParam);
  if (LOWORD(lParam)) {
    window->hintKeyed = target && isHint(window, target);
    if (window->hintKeyed) return;
  } else {
    if (window->hintKeyed) {
      window->hintKeyed = false;
      return;
    }
    HWND from = GetFocus();
    target = GetNextDlgTabItem(hwnd, from && IsChild(hwnd, from) ? from : nullptr, wParam != 0);
  }
  if (!target || !IsChild(hwnd, target)) return;
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
  window->focus = target;
  SetFocus(target);
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
    case WM_NEXTDLGCTL:
      moveFocus(window, hwnd, wParam, lParam);
      return 0;
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

}  // namespace

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

// The loop dispatches Kesto's messages as well as the dialog's, so the
// library's activation context is active only while the dialog's own
// controls are arranged, never while a message is dispatched. A window
// destroyed from outside ends the wait with its close box at once.
UiEvent uiWaitEvent(UiWindow* window) {
  if (!window || !window->hwnd) return {UiEventKind::CloseBox, nullptr};
  if (window->tabOrderStale || window->tipsStale || window->fitStale) {
    ActivationScope context;
    if (window->fitStale) fitToTexts(window);
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
    window->hintKeyed = false;  // a hint's key is refused within one keyboard message only
    if (!window->hwnd) return {UiEventKind::CloseBox, nullptr};
  }
  UiEvent event = window->events.front();
  window->events.pop_front();
  return event;
}
