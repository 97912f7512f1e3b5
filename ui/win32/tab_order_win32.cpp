#include "ui/win32/tab_order_win32.h"

#include <algorithm>

namespace {
bool takesInput(const UiControl* control) {
  return control->kind == ControlKind::TextField || control->kind == ControlKind::DropDown;
}

// Whether a label names the field: it stands left of the field, its top
// within the field's height (a row's label sits a little lower than its
// field).
bool names(const UiControl* label, const UiControl* field) {
  if (label->kind != ControlKind::Label || !takesInput(field)) return false;
  const LayoutRect &l = label->layout, &f = field->layout;
  return l.x + l.width <= f.x && l.y >= f.y && l.y < f.y + f.height;
}

// The top of the row a control belongs to: its own, except for a label,
// whose row is that of the field it names.
int rowTop(const UiWindow* window, const UiControl* control) {
  for (auto& field : window->controls)
    if (names(control, field.get())) return field->layout.y;
  return control->layout.y;
}

}  // namespace

// Tab and Shift+Tab follow the z-order, and so do screen readers, which
// name a field by the label just before it: put the controls in row order,
// top to bottom and left to right within a row, each label in its field's
// row, so that it comes right before its field and the hint line after.
// Of controls sharing a place (the value area's field and choice list) the
// shown one comes first, right after the label.
void orderTabs(UiWindow* window) {
  struct Placed {
    UiControl* control;
    int row;
    bool hidden;
  };
  std::vector<Placed> order;
  for (auto& control : window->controls)
    order.push_back({control.get(), rowTop(window, control.get()), !isShown(control.get())});
  std::stable_sort(order.begin(), order.end(), [](const Placed& a, const Placed& b) {
    if (a.row != b.row) return a.row < b.row;
    if (a.control->layout.x != b.control->layout.x) return a.control->layout.x < b.control->layout.x;
    return !a.hidden && b.hidden;
  });
  HWND after = HWND_TOP;
  for (const Placed& placed : order) {
    UiControl* control = placed.control;
    SetWindowPos(control->hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = control->hwnd;
  }
  window->tabOrderStale = false;
}
