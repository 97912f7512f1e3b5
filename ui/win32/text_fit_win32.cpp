#include "ui/win32/text_fit_win32.h"

#include <algorithm>

#include "ui/win32/dpi_win32.h"
#include "ui/win32/placement_win32.h"

namespace {
// The room a button leaves around its caption, and a drop-down around its
// entry besides the arrow, in 96-DPI pixels of the design font.
constexpr int kButtonMargin = 12;
constexpr int kEntryMargin = 8;
// A hint or information line ends in "..." where it does not fit, and
// shows its whole text as a tooltip: it widens nothing.
bool endsInEllipsis(HWND label) { return (GetWindowLongW(label, GWL_STYLE) & SS_ELLIPSISMASK) == SS_ENDELLIPSIS; }

// Measures texts in the dialog's font at its DPI.
struct TextMeasure {
  HDC dc;
  HGDIOBJ previous;
  explicit TextMeasure(int dpi) : dc(CreateCompatibleDC(nullptr)), previous(nullptr) {
    if (dc) previous = SelectObject(dc, dialogFont(dpi));
  }
  ~TextMeasure() {
    if (!dc) return;
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
  int width(const std::u16string& text) const {
    SIZE size{};
    if (!dc || text.empty() || !GetTextExtentPoint32W(dc, wide(text), static_cast<int>(text.size()), &size)) return 0;
    return size.cx;
  }
};

// Device pixels across, back in layout pixels, rounded up.
int layoutAcross(const DpiScale& scale, int pixels) {
  int per = scale.dpi * scale.unitWidth, layout = kLayoutDpi * kDesignUnitWidth;
  return static_cast<int>((static_cast<long long>(pixels) * layout + per - 1) / per);
}

int widestEntry(UiControl* dropDown, const TextMeasure& measure) {
  int widest = 0;
  int count = uiDropCount(dropDown);
  for (int i = 0; i < count; ++i) widest = std::max(widest, measure.width(uiDropEntry(dropDown, i)));
  return widest;
}

// The open list shows every entry whole.
void widenDroppedList(const UiControl* dropDown, int widest) {
  RECT frame;
  GetWindowRect(dropDown->hwnd, &frame);
  int wanted = widest + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
  SendMessageW(dropDown->hwnd, CB_SETDROPPEDWIDTH, std::max<int>(frame.right - frame.left, wanted), 0);
}

// The room each control's text needs, in layout pixels.
void measureNeeds(UiWindow* window, ColumnStretch& needs) {
  TextMeasure measure(window->scale.dpi);
  const DpiScale& scale = window->scale;
  int arrow = layoutAcross(scale, GetSystemMetrics(SM_CXVSCROLL));
  for (auto& control : window->controls) {
    if (!live(control.get())) continue;
    const LayoutRect& at = control->layout;
    switch (control->kind) {
      case ControlKind::Label:
        if (!endsInEllipsis(control->hwnd))
          needRoom(needs, at.x, at.width, layoutAcross(scale, measure.width(shownText(control.get()))));
        break;
      case ControlKind::Button:
        needRoom(needs, at.x, at.width, layoutAcross(scale, measure.width(shownText(control.get()))) + kButtonMargin);
        break;
      case ControlKind::DropDown: {
        int widest = widestEntry(control.get(), measure);
        widenDroppedList(control.get(), widest);
        needRoom(needs, at.x, at.width, layoutAcross(scale, widest) + arrow + kEntryMargin);
        break;
      }
      default:
        break;
    }
  }
}
}  // namespace

void fitToTexts(UiWindow* window) {
  window->fitStale = false;
  if (!window->textLayout.widenToTexts || !window->hwnd) return;
  ColumnStretch needs;
  measureNeeds(window, needs);
  ColumnStretch wider = widerOf(window->stretch, needs);
  if (wider == window->stretch) {
    window->fitted = true;
    return;
  }
  bool first = !window->fitted;
  window->fitted = true;
  window->stretch = wider;
  // The first widening happens before the author has seen the dialog: it is
  // centred again. A later one keeps it where the author may have moved it.
  if (first)
    sizeAndPlace(window, monitorOf(GetWindow(window->hwnd, GW_OWNER)));
  else
    resizeInPlace(window);
  for (auto& control : window->controls)
    if (live(control.get())) placeControl(control.get());
  window->tipsStale = window->tabOrderStale = true;
  InvalidateRect(window->hwnd, nullptr, TRUE);
}
