// The Win32 backend at the display's DPI, the keyboard in its dialogs, and
// every editor dialog's texts. tests/wine/edit_dpi.sh runs these in Wine
// prefixes at 144 and 192 DPI (EXPECT_DPI); the program is DPI-aware, so it
// sees the display's DPI as Kesto would when it is.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/editor_dialogs_win32_support.h"

namespace {
const bool dpiAware = SetProcessDPIAware() != FALSE;

int expectedDpi() {
  const char* wanted = std::getenv("EXPECT_DPI");
  return wanted ? std::atoi(wanted) : 96;
}

int scaled(int pixels, int dpi = expectedDpi()) { return MulDiv(pixels, dpi, 96); }

// The 96-DPI rectangle scaled to `dpi`, as the control stands, within a pixel.
void expectScaled(HWND control, int x, int y, int width, int height, int dpi = expectedDpi()) {
  RECT at = frameInParent(control);
  EXPECT_NEAR(at.left, scaled(x, dpi), 1);
  EXPECT_NEAR(at.top, scaled(y, dpi), 1);
  EXPECT_NEAR(at.right - at.left, scaled(width, dpi), 1);
  EXPECT_NEAR(at.bottom - at.top, scaled(height, dpi), 1);
}

// The message font Windows uses for dialogs, at `dpi`.
LOGFONTW messageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  auto forDpi = reinterpret_cast<ForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) return metrics.lfMessageFont;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, screenDpi());
  return metrics.lfMessageFont;
}

LOGFONTW fontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// A control's device context with the control's own font selected, for
// measuring its text as it is drawn.
struct ControlFontDc {
  HWND control;
  HDC dc;
  HGDIOBJ previous;
  explicit ControlFontDc(HWND c)
      : control(c), dc(GetDC(c)),
        previous(SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(c, WM_GETFONT, 0, 0)))) {}
  ~ControlFontDc() {
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
  }
  ControlFontDc(const ControlFontDc&) = delete;
  ControlFontDc& operator=(const ControlFontDc&) = delete;
};

int textWidth(HWND control) {
  std::wstring text = textOf(control);
  ControlFontDc measure(control);
  SIZE size{};
  GetTextExtentPoint32W(measure.dc, text.c_str(), static_cast<int>(text.size()), &size);
  ABC last{};  // to the end of the last glyph's ink
  if (!text.empty() && GetCharABCWidthsW(measure.dc, text.back(), text.back(), &last) && last.abcC > 0)
    size.cx -= last.abcC;
  return size.cx;
}

int clientWidth(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  return client.right;
}

bool isLabel(HWND control) {
  return lstrcmpiW(classOf(control).c_str(), L"Static") == 0 &&
         (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_OWNERDRAW;
}

struct Tool {
  HWND window;
  UINT_PTR id;
  RECT rect;
  std::wstring text;
};

BOOL CALLBACK keepTooltip(HWND hwnd, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(data);
  if (classOf(hwnd) == TOOLTIPS_CLASSW && GetWindow(hwnd, GW_OWNER) == found->first) found->second = hwnd;
  return TRUE;
}

// The tools of the tooltip the dialog owns (none without one).
std::vector<Tool> toolsOf(HWND dialog) {
  std::pair<HWND, HWND> found{dialog, nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), keepTooltip, reinterpret_cast<LPARAM>(&found));
  std::vector<Tool> tools;
  if (!found.second) return tools;
  LRESULT count = SendMessageW(found.second, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    static wchar_t text[8192];
    text[0] = 0;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = text;
    if (!SendMessageW(found.second, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool)))
      continue;
    tools.push_back({tool.hwnd, tool.uId, tool.rect, text});
  }
  return tools;
}

// The tooltip text the pointer finds resting on a control: its own tool, or
// the dialog's tool over its rectangle.
std::wstring tipOver(HWND dialog, HWND control) {
  RECT at = frameInParent(control);
  for (const Tool& tool : toolsOf(dialog)) {
    if (tool.id == reinterpret_cast<UINT_PTR>(control)) return tool.text;
    if (tool.id == static_cast<UINT_PTR>(GetDlgCtrlID(control)) && EqualRect(&tool.rect, &at)) return tool.text;
  }
  return L"";
}

// Lets the window apply what it does before it waits (tab order, tooltips).
void settle(UiWindow* window) {
  HWND hwnd = hwndOf(window);
  waitWhile(window, [hwnd] { PostMessageW(hwnd, WM_CLOSE, 0, 0); });
}

void pressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}
}  // namespace

TEST(UiWin32Dpi, TheProgramSeesTheDisplaysDpi) {
  EXPECT_TRUE(dpiAware);
  EXPECT_EQ(screenDpi(), expectedDpi()) << "run through a Wine prefix at EXPECT_DPI";
}

TEST(UiWin32Dpi, WindowControlsAndFontScaleWithTheDisplay) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 510, 316, nullptr);
  uiAddLabel(window, u"Control ID:", 10, 48, 88, 18);
  uiAddTextField(window, u"btn", 102, 44, 200, 24, false);
  UiControl* drop = uiAddDropDown(window, 102, 78, 400, 24);
  uiAddButton(window, u"Cancel", 260, 276, 80, 28);
  HWND dialog = hwndOf(window);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, scaled(510), 1);
  EXPECT_NEAR(client.bottom, scaled(316), 1);
  std::vector<HWND> controls = childrenById(dialog);
  ASSERT_EQ(controls.size(), 4u);
  expectScaled(controls[0], 10, 48, 88, 18);
  expectScaled(controls[1], 102, 44, 200, 24);
  expectScaled(controls[2], 102, 78, 400, 24);
  expectScaled(controls[3], 260, 276, 80, 28);
  uiMove(drop, 102, 112, 186, 24);
  expectScaled(controls[2], 102, 112, 186, 24);

  LOGFONTW wanted = messageFont(expectedDpi()), used = fontOf(controls[0]);
  EXPECT_EQ(used.lfHeight, wanted.lfHeight);
  EXPECT_EQ(std::wstring(used.lfFaceName), std::wstring(wanted.lfFaceName));
  uiDestroyWindow(window);
}

TEST(UiWin32Dpi, ADpiChangeLaysTheDialogOutAgain) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 380, 230, nullptr);
  uiAddLabel(window, u"Color 1:", 14, 50, 60, 18);
  uiAddTextField(window, u"#cc2244", 80, 46, 120, 24, false);
  uiAddDropDown(window, 80, 10, 120, 24);
  uiAddButton(window, u"OK", 110, 192, 80, 28);
  HWND dialog = hwndOf(window);
  int newDpi = expectedDpi() == 192 ? 144 : 192;
  RECT frame, client;
  GetWindowRect(dialog, &frame);
  GetClientRect(dialog, &client);
  // The frame Windows would suggest: the same borders around the new inside.
  RECT suggested = {frame.left, frame.top,
                    frame.right + scaled(380, newDpi) - client.right, frame.bottom + scaled(230, newDpi) - client.bottom};
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, scaled(380, newDpi), 1);
  EXPECT_NEAR(client.bottom, scaled(230, newDpi), 1);
  std::vector<HWND> controls = childrenById(dialog);
  expectScaled(controls[0], 14, 50, 60, 18, newDpi);
  expectScaled(controls[1], 80, 46, 120, 24, newDpi);
  expectScaled(controls[2], 80, 10, 120, 24, newDpi);
  expectScaled(controls[3], 110, 192, 80, 28, newDpi);
  for (HWND control : controls) EXPECT_EQ(fontOf(control).lfHeight, messageFont(newDpi).lfHeight);
  uiDestroyWindow(window);
}

TEST(UiWin32Dpi, LongHintLinesEndInAnEllipsisAndShowTheirTextOnLineAndField) {
  REQUIRE_DISPLAY();
  const std::u16string longHint =
      u"Type the ID of the control exactly as it appears in the layout; the prefix selects the control type";
  UiWindow* window = uiCreateWindow(u"t", 510, 200, nullptr);
  uiAddLabel(window, u"Control ID:", 10, 48, 88, 18);
  uiAddTextField(window, u"btn_ok", 102, 44, 200, 24, false);
  uiAddLabel(window, longHint, 102, 70, 400, 14);
  uiAddLabel(window, u"Short hint", 102, 104, 400, 14);
  UiControl* preview = uiAddTextField(window, u"", 102, 140, 120, 24, true);
  uiSetText(preview, u"ZUVO_Set \"Rect1\" \"btn_ok\" \"caption\" \"a value longer than the field\"");
  settle(window);
  HWND dialog = hwndOf(window);
  std::vector<HWND> controls = childrenById(dialog);
  HWND label = controls[0], field = controls[1], hint = controls[2], shortHint = controls[3], shown = controls[4];
  EXPECT_LE(textWidth(label), clientWidth(label));
  EXPECT_GT(textWidth(hint), clientWidth(hint));
  EXPECT_EQ(GetWindowLongW(hint, GWL_STYLE) & SS_ELLIPSISMASK, SS_ENDELLIPSIS);
  std::wstring whole(longHint.begin(), longHint.end());
  EXPECT_EQ(tipOver(dialog, hint), whole);
  EXPECT_EQ(tipOver(dialog, field), whole);
  EXPECT_EQ(tipOver(dialog, shortHint), L"");
  EXPECT_EQ(tipOver(dialog, label), L"");
  EXPECT_EQ(tipOver(dialog, shown), textOf(shown));
  uiDestroyWindow(window);
}

TEST(UiWin32Dpi, ButtonsAreThemedControlsAndOkIsTheDefault) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 300, 100, nullptr);
  UiControl* ok = uiAddButton(window, u"OK", 100, 60, 80, 28);
  uiAddButton(window, u"Cancel", 200, 60, 80, 28);
  uiSetDefaultButton(ok);
  std::vector<HWND> buttons = childrenById(hwndOf(window));
  SIZE ideal{};
  EXPECT_TRUE(SendMessageW(buttons[0], BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
      << "the common controls of version 6 answer this";
  EXPECT_LE(ideal.cx, scaled(80));
  EXPECT_EQ(GetWindowLongW(buttons[0], GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongW(buttons[1], GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  uiDestroyWindow(window);
}

// ---- The dialog font: layouts grow with it across and down ----

namespace {
// The message font's dialog base units the run expects (EXPECT_FONT_UNITS,
// "WxH"): those of the design font, Tahoma 8 pt, without it.
SIZE expectedFontUnits() {
  SIZE units{6, 13};
  if (const char* wanted = std::getenv("EXPECT_FONT_UNITS")) std::sscanf(wanted, "%ldx%ld", &units.cx, &units.cy);
  return units;
}

// The dialog base units of the message font made at its 96-DPI height, as
// Windows measures them for dialog templates.
SIZE measuredFontUnits() {
  LOGFONTW description = messageFont(96);
  HFONT font = CreateFontIndirectW(&description);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SIZE letters{};
  GetTextExtentPoint32W(screen, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

int across(int pixels, int dpi) { return MulDiv(pixels, dpi * expectedFontUnits().cx, 96 * 6); }
int down(int pixels, int dpi) { return MulDiv(pixels, dpi * expectedFontUnits().cy, 96 * 13); }

void expectGrown(HWND dialog, HWND field, int dpi) {
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, across(510, dpi), 1);
  EXPECT_NEAR(client.bottom, down(316, dpi), 1);
  RECT at = frameInParent(field);
  EXPECT_NEAR(at.left, across(102, dpi), 1);
  EXPECT_NEAR(at.top, down(44, dpi), 1);
  EXPECT_NEAR(at.right - at.left, across(200, dpi), 1);
  EXPECT_NEAR(at.bottom - at.top, down(24, dpi), 1);
}
}  // namespace

TEST(UiWin32Fonts, TheMessageFontMeasuresAsTheRunExpects) {
  SIZE wanted = expectedFontUnits(), measured = measuredFontUnits();
  EXPECT_EQ(measured.cx, wanted.cx) << "average character width at 96 DPI";
  EXPECT_EQ(measured.cy, wanted.cy) << "cell height at 96 DPI";
}

TEST(UiWin32Fonts, ADialogGrowsWithItsFontAndKeepsItThroughADpiChange) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 510, 316, nullptr);
  uiAddTextField(window, u"btn", 102, 44, 200, 24, false);
  HWND dialog = hwndOf(window), field = childrenById(dialog)[0];
  expectGrown(dialog, field, expectedDpi());
  int newDpi = expectedDpi() == 192 ? 144 : 192;
  RECT frame, client;
  GetWindowRect(dialog, &frame);
  GetClientRect(dialog, &client);
  RECT suggested = {frame.left, frame.top, frame.right + across(510, newDpi) - client.right,
                    frame.bottom + down(316, newDpi) - client.bottom};
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
  expectGrown(dialog, field, newDpi);
  uiDestroyWindow(window);
}

TEST(UiWin32Keys, EnterClicksTheDefaultButtonAndEscapeIsTheCloseBox) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 300, 100, nullptr);
  UiControl* field = uiAddTextField(window, u"", 10, 10, 100, 24, false);
  UiControl* ok = uiAddButton(window, u"OK", 100, 60, 80, 28);
  UiControl* cancel = uiAddButton(window, u"Cancel", 200, 60, 80, 28);
  uiSetDefaultButton(ok);
  uiFocus(field);
  HWND fieldHwnd = childrenById(hwndOf(window))[0], cancelHwnd = childrenById(hwndOf(window))[2];
  UiEvent entered = waitWhile(window, [&] { pressKey(fieldHwnd, VK_RETURN); });
  EXPECT_EQ(entered.kind, UiEventKind::Control);
  EXPECT_EQ(entered.control, ok);
  uiFocus(cancel);
  UiEvent onCancel = waitWhile(window, [&] { pressKey(cancelHwnd, VK_RETURN); });
  EXPECT_EQ(onCancel.control, ok) << "Enter in any control is OK";
  UiEvent escaped = waitWhile(window, [&] { pressKey(fieldHwnd, VK_ESCAPE); });
  EXPECT_EQ(escaped.kind, UiEventKind::CloseBox);
  uiDestroyWindow(window);
}

TEST(UiWin32Keys, AnOpenListTakesEnterAndEscapeItselfAndEscapeBringsBackTheEntry) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 300, 200, nullptr);
  UiControl* drop = uiAddDropDown(window, 10, 10, 150, 24);
  UiControl* ok = uiAddButton(window, u"OK", 100, 160, 80, 28);
  uiSetDefaultButton(ok);
  for (const char16_t* entry : {u"zero", u"one", u"two", u"three"}) uiDropAppend(drop, entry);
  uiDropSelect(drop, 1);
  uiFocus(drop);
  HWND combo = childrenById(hwndOf(window))[0];
  // Arrowing through the open list reports each entry it passes.
  UiEvent passed = waitWhile(window, [&] {
    pressKey(combo, VK_F4);
    pressKey(combo, VK_DOWN);
  });
  EXPECT_EQ(passed.control, drop);
  EXPECT_EQ(uiDropSelected(drop), 2);
  EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  // Escape closes the list, brings back "one" and reports it; the window
  // stays open.
  UiEvent back = waitWhile(window, [&] { pressKey(combo, VK_ESCAPE); });
  EXPECT_EQ(back.kind, UiEventKind::Control);
  EXPECT_EQ(back.control, drop);
  EXPECT_EQ(uiDropSelected(drop), 1);
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  // Enter in the open list only closes it, keeping the entry reached.
  UiEvent moved = waitWhile(window, [&] {
    pressKey(combo, VK_F4);
    pressKey(combo, VK_DOWN);
  });
  EXPECT_EQ(moved.control, drop);
  UiEvent after = waitWhile(window, [&] {
    pressKey(combo, VK_RETURN);
    PostMessageW(hwndOf(window), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(after.kind, UiEventKind::CloseBox) << "Enter in the list clicked nothing";
  EXPECT_EQ(uiDropSelected(drop), 2);
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  uiDestroyWindow(window);
}

TEST(UiWin32Keys, TabMovesThroughTheEnabledVisibleControlsInRowOrder) {
  REQUIRE_DISPLAY();
  UiWindow* window = uiCreateWindow(u"t", 400, 200, nullptr);
  // Made out of row order, as the value area's controls are.
  uiAddButton(window, u"OK", 100, 160, 80, 28);
  UiControl* second = uiAddTextField(window, u"", 102, 44, 200, 24, false);
  uiAddTextField(window, u"Rect1", 102, 10, 200, 24, true);  // read-only: skipped
  UiControl* first = uiAddButton(window, u"Re-Pick...", 306, 10, 80, 24);
  UiControl* hidden = uiAddButton(window, u"Browse...", 306, 44, 80, 24);
  uiAddDropDown(window, 102, 78, 200, 24);
  uiShow(hidden, false);
  uiFocus(first);
  settle(window);
  std::vector<HWND> byId = childrenById(hwndOf(window));
  std::vector<HWND> expected = {byId[3], byId[1], byId[5], byId[0]};
  HWND at = byId[3];
  for (size_t step = 1; step <= expected.size(); ++step) {
    at = GetNextDlgTabItem(hwndOf(window), at, FALSE);
    EXPECT_EQ(at, expected[step % expected.size()]) << "Tab " << step;
  }
  EXPECT_EQ(GetNextDlgTabItem(hwndOf(window), byId[3], TRUE), byId[0]) << "Shift+Tab from the first";
  (void)second;
  uiDestroyWindow(window);
}

// ---- Every editor dialog, through the editors themselves ----

namespace {
struct Inspection {
  std::vector<std::wstring> problems;
  std::vector<std::wstring> sizes;  // each dialog's inner size, for the log
  int dialogs = 0;
  int texts = 0;  // the controls whose text was measured
  int fields = 0;  // the fields and drop-downs whose label was checked
  std::vector<std::wstring> names;  // what the accessibility layer called them
};

// The cell height of the control's own font.
int cellHeight(HWND control) {
  ControlFontDc measure(control);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure.dc, &metrics);
  return metrics.tmHeight;
}

int clientHeight(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  return client.bottom;
}

bool isField(HWND control) { return lstrcmpiW(classOf(control).c_str(), L"Edit") == 0; }
bool isDropDown(HWND control) { return lstrcmpiW(classOf(control).c_str(), L"ComboBox") == 0; }

// A drop-down's selection field: the room its entry text is drawn in.
RECT selectionField(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info.rcItem;
}

// The room a caption leaves in its button, across and down: 6 pixels in
// the design font at 96 DPI, growing with the font.
int buttonMargin(HWND button) { return MulDiv(6, cellHeight(button), 13); }

// Whether a label's text fits across, or ends in "..." on a one-line hint
// with the whole text as its tooltip.
bool labelFitsAcross(HWND dialog, HWND label) {
  if (textWidth(label) <= clientWidth(label)) return true;
  bool ellipsis = (GetWindowLongW(label, GWL_STYLE) & SS_ELLIPSISMASK) == SS_ENDELLIPSIS;
  return ellipsis && tipOver(dialog, label) == textOf(label);
}

// Every shown text fits its control in the control's own font, across and
// down: labels, hint lines and fields are at least the font's cell high, a
// hint or information line too long for its place ends in an ellipsis and
// shows its whole text as a tooltip, a drop-down's chosen entry fits its
// selection field, and a button's caption keeps a margin all round.
void inspectDialog(HWND dialog, Inspection& found) {
  ++found.dialogs;
  std::wstring title = textOf(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  found.sizes.push_back(title + L": " + std::to_wstring(client.right) + L" x " + std::to_wstring(client.bottom));
  for (HWND control : childrenById(dialog)) {
    if (!IsWindowVisible(control)) continue;
    std::wstring what = title + L": " + textOf(control);
    int cell = cellHeight(control);
    if (isButton(control)) {
      ++found.texts;
      int margin = buttonMargin(control);
      if (textWidth(control) > clientWidth(control) - margin) found.problems.push_back(what + L" (button, across)");
      if (cell + margin > clientHeight(control)) found.problems.push_back(what + L" (button, down)");
    } else if (isLabel(control)) {
      if (textOf(control).empty()) continue;
      ++found.texts;
      if (!labelFitsAcross(dialog, control)) found.problems.push_back(what + L" (across)");
      if (cell > clientHeight(control)) found.problems.push_back(what + L" (down)");
    } else if (isField(control)) {
      ++found.texts;
      if (cell > clientHeight(control)) found.problems.push_back(what + L" (field, down)");
    } else if (isDropDown(control)) {
      ++found.texts;
      RECT room = selectionField(control);
      std::wstring entry = textOf(control);
      if (cell > room.bottom - room.top) found.problems.push_back(what + L" (drop-down, down)");
      if (!entry.empty() && textWidth(control) > room.right - room.left)
        found.problems.push_back(what + L" (drop-down, across)");
    }
  }
}

// The shown controls of a dialog in z-order, the order screen readers and
// the Tab key follow.
std::vector<HWND> shownInZOrder(HWND dialog) {
  std::vector<HWND> shown;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child)) shown.push_back(child);
  return shown;
}

// The label of a field's row, by where it stands: the nearest label on its
// left whose top lies within the field's height.
HWND rowLabelOf(const std::vector<HWND>& shown, HWND field) {
  RECT at = frameInParent(field);
  HWND nearest = nullptr;
  int nearestRight = -1;
  for (HWND label : shown) {
    if (!isLabel(label)) continue;
    RECT l = frameInParent(label);
    if (l.right <= at.left && l.top >= at.top && l.top < at.bottom && l.right > nearestRight)
      nearest = label, nearestRight = l.right;
  }
  return nearest;
}

// The hint line directly under a field, or null.
HWND hintLineOf(const std::vector<HWND>& shown, HWND field) {
  RECT at = frameInParent(field);
  for (HWND hint : shown) {
    RECT h = frameInParent(hint);
    if (isLabel(hint) && h.top >= at.bottom && h.top <= at.bottom + scaled(4) && h.left >= at.left && h.left < at.right)
      return hint;
  }
  return nullptr;
}

// What Windows' accessibility layer calls a control (its client object's
// accName), or a note of why there is no name.
std::wstring accessibleName(HWND control) {
  IAccessible* object = nullptr;
  HRESULT made = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object));
  if (FAILED(made) || !object) return L"(no accessible object)";
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  HRESULT asked = object->get_accName(self, &name);
  std::wstring result = asked == S_OK && name ? std::wstring(name, SysStringLen(name)) : L"(no name)";
  if (name) SysFreeString(name);
  object->Release();
  return result;
}

// Each shown field and drop-down comes right after its own row's label in
// z-order, and its hint line after it; the accessibility layer names each
// text field by that label.
void inspectLabels(HWND dialog, Inspection& found) {
  ++found.dialogs;
  std::wstring title = textOf(dialog);
  std::vector<HWND> shown = shownInZOrder(dialog);
  for (size_t at = 0; at < shown.size(); ++at) {
    HWND field = shown[at];
    if (!isField(field) && !isDropDown(field)) continue;
    ++found.fields;
    HWND label = rowLabelOf(shown, field);
    std::wstring what = title + L": the field of " + (label ? textOf(label) : L"(no label)");
    if (!label) {
      found.problems.push_back(what);
      continue;
    }
    HWND before = GetWindow(field, GW_HWNDPREV);  // hidden ones included: not every reader skips them
    if (before != label) found.problems.push_back(what + L" follows " + (before ? textOf(before) : L"nothing"));
    HWND hint = hintLineOf(shown, field);
    if (hint && std::find(shown.begin() + at, shown.end(), hint) == shown.end())
      found.problems.push_back(what + L": its hint line comes before it");
    // Wine names a text field by the label before it, as Windows does, but
    // a drop-down by its chosen entry; Windows names both by the label.
    std::wstring name = accessibleName(field);
    found.names.push_back(textOf(label) + L" -> " + name);
    if (isField(field) && name != textOf(label)) found.problems.push_back(what + L" is named " + name);
  }
}

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::string utf8(const std::wstring& text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], length, nullptr, nullptr);
  return out;
}

std::wstring entryOf(HWND combo, int position) {
  std::wstring entry(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, position, 0)) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(&entry[0]));
  entry.resize(entry.size() - 1);
  return entry;
}

// Every entry of the drop-down fits across its open list.
void inspectEntries(HWND combo, const std::wstring& what, Inspection& found) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  RECT list;
  GetClientRect(info.hwndList, &list);
  int room = static_cast<int>(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0)) - GetSystemMetrics(SM_CXVSCROLL) -
             2 * GetSystemMetrics(SM_CXEDGE);
  ControlFontDc measure(combo);
  int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring entry = entryOf(combo, i);
    SIZE size{};
    GetTextExtentPoint32W(measure.dc, entry.c_str(), static_cast<int>(entry.size()), &size);
    if (size.cx > room) found.problems.push_back(what + L": entry " + entry + L" (open list, across)");
  }
}

// In a mirrored dialog, a field that holds code or a name a script uses
// runs left to right; the author's own words run right to left. A field's
// label is the control before it.
void inspectFieldDirections(HWND dialog, Inspection& found) {
  static const std::u16string codeFields[] = {u"Rectangle:", u"Control ID:", u"Value:",   u"Preview:", u"Result Var:",
                                              u"Table ID:",  u"Subroutine:", u"Color 1:", u"Color 2:", u"Angle:"};
  for (HWND field : childrenById(dialog)) {
    if (!isField(field) || !IsWindowVisible(field)) continue;
    HWND label = GetWindow(field, GW_HWNDPREV);
    std::u16string english = label ? englishOf(withoutAccessKey(markedTextOf(label))) : u"";
    bool code = std::find(std::begin(codeFields), std::end(codeFields), english) != std::end(codeFields);
    bool mirrored = (GetWindowLongW(field, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    if (mirrored == code) found.problems.push_back(textOf(dialog) + L": the field after " + textOf(label) + L" runs the wrong way");
  }
}

// In a dialog of another language than English: the checks of every
// dialog, every drop-down entry in its open list, an access key on every
// field label and button but OK and Cancel, no key twice, and the dialog
// mirrored exactly when its language is written right to left.
void inspectLanguageDialog(HWND dialog, Inspection& found) {
  inspectDialog(dialog, found);
  std::wstring title = textOf(dialog);
  bool mirrored = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  if (mirrored != dialogTextTable().rightToLeft) found.problems.push_back(title + L": mirrored wrongly");
  if (mirrored) inspectFieldDirections(dialog, found);
  std::wstring keys;
  for (HWND control : childrenById(dialog)) {
    if (isDropDown(control)) inspectEntries(control, title, found);
    bool marked = isButton(control) || (isLabel(control) && !(GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX));
    if (!marked) continue;
    std::u16string caption = markedTextOf(control);
    std::u16string english = englishOf(caption);
    if (english == u"OK" || english == u"Cancel" || caption.empty()) continue;
    HWND next = GetWindow(control, GW_HWNDNEXT);
    if (isLabel(control) && next && isField(next) && !IsWindowEnabled(next)) continue;  // read-only: no key
    wchar_t key = static_cast<wchar_t>(accessKeyOf(caption));
    std::wstring what = title + L": " + textOf(control);
    if (!key) {
      found.problems.push_back(what + L" (no access key)");
      continue;
    }
    CharLowerBuffW(&key, 1);
    if (keys.find(key) != std::wstring::npos) found.problems.push_back(what + L" (access key taken twice)");
    keys += key;
  }
}
}  // namespace

TEST(UiWin32Editors, EveryDialogsTextsFitAtTheDisplaysDpi) {
  REQUIRE_DISPLAY();
  Inspection found;
  inspectEveryEditor([&](HWND dialog) { inspectDialog(dialog, found); });
  EXPECT_EQ(found.dialogs, 11);
  std::printf("%d texts measured in %d dialogs\n", found.texts, found.dialogs);
  for (const std::wstring& size : found.sizes) std::printf("  %s\n", narrow(size).c_str());
  for (const std::wstring& problem : found.problems) ADD_FAILURE() << narrow(problem);
}

// Every built-in language in turn, played to the editors whatever the
// thread's languages are: tests/wine/edit_languages.sh runs this at 96 and
// 144 DPI (the whole suite leaves it out: it opens 132 dialogs).
TEST(UiWin32Languages, EveryLanguagesTextsFitWithUniqueAccessKeys) {
  REQUIRE_DISPLAY();
  for (int i = 0; i < textTableCount(); ++i) {
    const TextTable& language = textTableAt(i);
    playDialogLanguage(&language);
    Inspection found;
    inspectEveryEditor([&](HWND dialog) { inspectLanguageDialog(dialog, found); });
    playDialogLanguage(nullptr);
    std::u16string names = language.names;
    std::printf("%s: %d texts measured in %d dialogs\n", narrow(std::wstring(names.begin(), names.end())).c_str(),
                found.texts, found.dialogs);
    for (const std::wstring& size : found.sizes) std::printf("  %s\n", utf8(size).c_str());
    EXPECT_EQ(found.dialogs, 11);
    for (const std::wstring& problem : found.problems)
      ADD_FAILURE() << narrow(std::wstring(names.begin(), names.end())) << ": " << utf8(problem);
  }
}

TEST(UiWin32Editors, EveryFieldComesRightAfterItsOwnLabel) {
  REQUIRE_DISPLAY();
  Inspection found;
  inspectEveryEditor([&](HWND dialog) { inspectLabels(dialog, found); });
  EXPECT_EQ(found.dialogs, 11);
  std::printf("%d fields and drop-downs checked; the accessibility layer named them:\n", found.fields);
  for (const std::wstring& name : found.names) std::printf("  %s\n", narrow(name).c_str());
  for (const std::wstring& problem : found.problems) ADD_FAILURE() << narrow(problem);
}
