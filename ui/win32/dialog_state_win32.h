#pragma once
// The Win32 backend's own picture of a dialog: the window, its controls in
// creation order and what the editor has not yet taken of their events,
// shared by the backend's modules (one per concern: DPI and font, the
// activation context, placement, controls, tab order, tooltips, events,
// the platform dialogs).
#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/column_stretch.h"
#include "ui/ui.h"

enum class ControlKind { Label, TextField, DropDown, Button, Swatch };

// A rectangle in the 96-DPI pixels the editors lay their dialogs out in.
struct LayoutRect {
  int x = 0, y = 0, width = 0, height = 0;
};

constexpr int kLayoutDpi = 96;
// The dialog base units of the design font the layouts were drawn for
// (Tahoma 8 pt at 96 DPI): average character width and cell height.
constexpr int kDesignUnitWidth = 6;
constexpr int kDesignUnitHeight = 13;

// Layout pixels on a dialog, the way dialog templates size themselves:
// across by the dialog font's average character width, down by its cell
// height, each relative to the design font, and both by the DPI. The font's
// units are measured at 96 DPI, so the font and the DPI scale independently
// and the design font leaves the DPI scale alone.
struct DpiScale {
  int dpi = kLayoutDpi;
  int unitWidth = kDesignUnitWidth;
  int unitHeight = kDesignUnitHeight;
  int across(int pixels) const { return MulDiv(pixels, dpi * unitWidth, kLayoutDpi * kDesignUnitWidth); }
  int down(int pixels) const { return MulDiv(pixels, dpi * unitHeight, kLayoutDpi * kDesignUnitHeight); }
};

struct UiControl {
  UiWindow* window = nullptr;
  HWND hwnd = nullptr;
  ControlKind kind = ControlKind::Label;
  LayoutRect layout;
  bool readOnly = false;
  bool leftToRight = false;      // holds code: left to right in a mirrored window too
  HBRUSH brush = nullptr;        // swatches
  int reportedSelection = -1;    // drop-downs: the selection the editor last heard of
  int selectionAtDrop = -1;      // drop-downs: the selection when the list opened
  bool dropped = false;          // drop-downs: the list is open
};

struct UiWindow {
  HWND hwnd = nullptr;  // null once the window was destroyed from outside
  int innerWidth = 0, innerHeight = 0;  // 96-DPI pixels
  DpiScale scale;                       // its DPI and its font's units
  std::vector<std::unique_ptr<UiControl>> controls;  // control IDs from kFirstControlId, in order
  std::deque<UiEvent> events;
  bool settingText = false;  // a text set from code raises no event
  HWND focus = nullptr;      // the control that gets the focus back on activation
  UiControl* defaultButton = nullptr;
  HWND tooltip = nullptr;    // made when a text first needs one, after the window is topmost
  bool tipsStale = false;    // a text, place or visibility changed since the tooltips were made
  bool tabOrderStale = false;
  bool hintKeyed = false;    // the dialog keyboard handling took a hint's "&" for an access key
  UiTextLayout textLayout;
  // Where the texts of another language than the layout's widened it, and
  // whether they must be measured again (a text, entry or control added).
  ColumnStretch stretch;
  bool fitStale = false;
  bool fitted = false;  // measured once: the author has the dialog in front of them
};

constexpr int kFirstControlId = 100;
constexpr UINT kWakeMessage = WM_APP + 1;  // lets GetMessage return after a sent notification
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kTipWidth = 400;  // longer tooltips wrap, 96-DPI pixels

const wchar_t* wide(const std::u16string& text);
std::u16string windowText(HWND hwnd);
// A control's text as it is drawn: without the access-key marks of a field
// label or a button.
std::u16string shownText(const UiControl* control);
// A control whose window was not destroyed from outside.
bool live(const UiControl* control);
UiWindow* windowOf(HWND hwnd);
UiControl* controlWithId(UiWindow* window, int id);
int controlId(const UiControl* control);
bool isShown(const UiControl* control);
// The window's inner width once stretched for its texts, in layout pixels.
int stretchedInnerWidth(const UiWindow* window);
int comboSelection(HWND combo);
