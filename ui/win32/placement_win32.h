#pragma once
// Where a dialog and its controls stand: each control at its layout scaled
// for the dialog, the dialog centred on the monitor that holds its owner and
// kept inside that monitor's work area, and all of it laid out again when the
// dialog moves to a display of another DPI.
#include "ui/win32/dialog_state_win32.h"

// A monitor's whole area and the part of it that windows may use (without
// the task bar).
struct MonitorArea {
  RECT whole, work;
};

// The monitor that holds `anchor` (the primary one for none); the screen
// where the monitor cannot be asked.
MonitorArea monitorOf(HWND anchor);
// The frame centred on the monitor, then moved into its work area; a frame
// larger than that keeps its top left corner in it, so that the caption can
// always be reached and the window moved.
void placeOnMonitor(RECT& frame, const MonitorArea& monitor);
// Sizes the window for its inner size at its DPI and places it on the monitor.
void sizeAndPlace(UiWindow* window, const MonitorArea& monitor);
// Sizes the window for its inner size, keeping its place on the screen.
void resizeInPlace(UiWindow* window);
// Puts a control where its layout says, at its window's DPI.
void placeControl(UiControl* control);
// The window moved to a display of another DPI: take the frame Windows
// suggests (null: size and place it anew), and lay out every control and
// the font again for the new DPI.
void changeDpi(UiWindow* window, int dpi, const RECT* suggested);
