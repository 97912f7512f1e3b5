#pragma once
// The display's DPI as the process sees it, and the dialog font made for a
// DPI: the system's message font, whose dialog base units give a dialog's
// scale (DpiScale).
//
// The editors describe their dialogs in pixels of a 96-DPI display drawn for
// the design font. The backend gives the controls the message font made for
// the dialog's DPI and scales every rectangle by that DPI and by how much
// larger the font is than the design font, so geometry and text grow
// together.
#include "ui/win32/dialog_state_win32.h"

// Looks up a function of a system library that older Windows versions
// lack; null where it is missing.
template <typename Function>
void lookUp(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

int usableDpi(int dpi);
// A window's DPI: its monitor's where the thread follows monitors, else the
// system's.
int dpiOfWindow(HWND hwnd);
// The frame of a dialog window around an inner size, at a DPI.
RECT frameAround(int innerWidth, int innerHeight, int dpi);
// The message font made for the DPI, kept until releaseDialogFonts.
HFONT dialogFont(int dpi);
void releaseDialogFonts();
// The scale of a dialog at the DPI, in the message font.
DpiScale scaleFor(int dpi);
