#pragma once
// The order in which Tab, Shift+Tab and screen readers go through a
// dialog's controls.
#include "ui/win32/dialog_state_win32.h"

// Puts the controls in row order, each label right before its field.
void orderTabs(UiWindow* window);
