#pragma once
// What the author does in a dialog, as events the editor waits for: the
// dialog's window procedure records the notifications of its controls and
// its close box, and uiWaitEvent pumps messages until one is there.
#include "ui/win32/dialog_state_win32.h"

// Queues an event of the window and wakes its wait.
void record(UiWindow* window, UiEvent event);
LRESULT CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
