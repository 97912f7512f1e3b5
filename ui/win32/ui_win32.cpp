// Win32 backend of the UI layer.
#include <windows.h>

#include "ui/ui.h"

void uiRuntimeStart(void*) {}
void uiRuntimeStop() {}
UiWindow* uiCreateWindow(const std::u16string&, int, int, NativeWindow) { return nullptr; }
void uiDestroyWindow(UiWindow*) {}
NativeWindow uiNativeWindow(UiWindow* w) { return w; }
NativeWindow uiActiveWindow() { return GetActiveWindow(); }
UiControl* uiAddLabel(UiWindow*, const std::u16string&, int, int, int, int) { return nullptr; }
UiControl* uiAddTextField(UiWindow*, const std::u16string&, int, int, int, int, bool) { return nullptr; }
UiControl* uiAddDropDown(UiWindow*, int, int, int, int) { return nullptr; }
UiControl* uiAddButton(UiWindow*, const std::u16string&, int, int, int, int) { return nullptr; }
UiControl* uiAddSwatch(UiWindow*, UiColor, int, int, int, int) { return nullptr; }
void uiSetText(UiControl*, const std::u16string&) {}
std::u16string uiGetText(UiControl*) { return {}; }
void uiShow(UiControl*, bool) {}
bool uiIsVisible(UiControl*) { return false; }
void uiMove(UiControl*, int, int, int, int) {}
void uiFocus(UiControl*) {}
void uiSetSwatchColor(UiControl*, UiColor) {}
void uiDropClear(UiControl*) {}
void uiDropAppend(UiControl*, const std::u16string&) {}
void uiDropSelect(UiControl*, int) {}
int uiDropSelected(UiControl*) { return -1; }
std::u16string uiDropSelectedText(UiControl*) { return {}; }
int uiDropCount(UiControl*) { return 0; }
std::u16string uiDropEntry(UiControl*, int) { return {}; }
UiEvent uiWaitEvent(UiWindow*) { return {}; }
void uiWarningBox(UiWindow*, const std::u16string&, const std::u16string&) {}
bool uiChooseColor(UiWindow*, UiColor, UiColor&) { return false; }
bool uiChooseOpenFile(UiWindow*, const std::u16string&, const std::u16string&, int, const std::u16string&,
                      std::u16string&) {
  return false;
}
