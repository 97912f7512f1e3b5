#pragma once
// Dialogs in a language other than the one their layout was drawn for:
// every label, button and drop-down measured in the dialog's font, and the
// dialog widened where a text needs more room than its place (a cut of the
// window's ColumnStretch), each drop-down's open list as wide as its
// widest entry.
#include "ui/win32/dialog_state_win32.h"

// Measures the window's texts again and widens it where they need it.
// Does nothing for a window whose layout fits its texts as drawn.
void fitToTexts(UiWindow* window);
