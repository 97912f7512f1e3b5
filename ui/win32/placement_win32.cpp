#include "ui/win32/placement_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/dpi_win32.h"

namespace {
constexpr int kDropListHeight = 240;  // the opened list below a drop-down, 96-DPI pixels

// A closed drop-down is as high as its selection field; make that field the
// height the caller asked for (measured back, as the border depends on the
// theme and the font).
void setDropDownHeight(HWND combo, int height) {
  int asked = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT frame;
    GetWindowRect(combo, &frame);
    int difference = height - (frame.bottom - frame.top);
    if (difference == 0 || asked + difference <= 0) return;
    asked += difference;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
}

}  // namespace

void placeControl(UiControl* control) {
  const DpiScale& scale = control->window->scale;
  const ColumnStretch& stretch = control->window->stretch;
  LayoutRect at = control->layout;
  int right = stretchedPosition(stretch, at.x + at.width);
  at.x = stretchedPosition(stretch, at.x);
  at.width = right - at.x;
  bool dropDown = control->kind == ControlKind::DropDown;
  int height = scale.down(at.height) + (dropDown ? scale.down(kDropListHeight) : 0);
  MoveWindow(control->hwnd, scale.across(at.x), scale.down(at.y), scale.across(at.width), height, TRUE);
  if (dropDown) setDropDownHeight(control->hwnd, scale.down(at.height));
}

MonitorArea monitorOf(HWND anchor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromWindow(anchor, MONITOR_DEFAULTTOPRIMARY);
  if (monitor && GetMonitorInfoW(monitor, &info)) return {info.rcMonitor, info.rcWork};
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {screen, screen};
}

void placeOnMonitor(RECT& frame, const MonitorArea& monitor) {
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const RECT &whole = monitor.whole, &work = monitor.work;
  int left = whole.left + (whole.right - whole.left - width) / 2;
  int top = whole.top + (whole.bottom - whole.top - height) / 2;
  left = std::max(std::min(left, static_cast<int>(work.right) - width), static_cast<int>(work.left));
  top = std::max(std::min(top, static_cast<int>(work.bottom) - height), static_cast<int>(work.top));
  frame = {left, top, left + width, top + height};
}

// Sizes the window for its inner size at its DPI and places it on the
// monitor; measured back once, since the frame's real thickness is the
// window manager's.
void sizeAndPlace(UiWindow* window, const MonitorArea& monitor) {
  const DpiScale& scale = window->scale;
  int width = scale.across(stretchedInnerWidth(window)), height = scale.down(window->innerHeight);
  RECT frame = frameAround(width, height, scale.dpi);
  for (int attempt = 0; attempt < 2; ++attempt) {
    placeOnMonitor(frame, monitor);
    SetWindowPos(window->hwnd, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window->hwnd, &client);
    int dx = width - client.right, dy = height - client.bottom;
    if (dx == 0 && dy == 0) return;
    frame.right += dx;
    frame.bottom += dy;
  }
}

void resizeInPlace(UiWindow* window) {
  const DpiScale& scale = window->scale;
  RECT frame = frameAround(scale.across(stretchedInnerWidth(window)), scale.down(window->innerHeight), scale.dpi);
  SetWindowPos(window->hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void changeDpi(UiWindow* window, int dpi, const RECT* suggested) {
  window->scale.dpi = usableDpi(dpi);
  if (suggested)
    SetWindowPos(window->hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  else
    sizeAndPlace(window, monitorOf(window->hwnd));
  HFONT font = dialogFont(window->scale.dpi);
  for (auto& control : window->controls) {
    SendMessageW(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    placeControl(control.get());
  }
  if (window->tooltip) SendMessageW(window->tooltip, TTM_SETMAXTIPWIDTH, 0, window->scale.across(kTipWidth));
  window->tipsStale = window->fitStale = true;
  InvalidateRect(window->hwnd, nullptr, TRUE);
}
