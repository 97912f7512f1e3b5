#pragma once
// Texts that do not fit their room end in an ellipsis, and the pointer
// resting on them (or on the field a hint line explains) shows them whole.
#include "ui/win32/dialog_state_win32.h"

// Makes the dialog's tooltips anew for its texts as they stand now.
void refreshTips(UiWindow* window);
