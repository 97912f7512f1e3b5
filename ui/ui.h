#pragma once
// The thin layer over the platform's windows and controls that the editors
// and the catalogue's drop-down operations use. Two backends implement it:
// Win32 in the DLL, and a headless one for native tests and tools.
//
// Controls report only what the author does: setting a text, a selection or
// a colour from code raises no event.
#include <cstdint>
#include <string>

using NativeWindow = void*;  // an HWND on Windows

struct UiWindow;   // a top-level dialog window
struct UiControl;  // a control of a UiWindow, released with its window

struct UiColor {
  uint8_t red = 0, green = 0, blue = 0;
};

enum class UiEventKind { CloseBox, Control };
struct UiEvent {
  UiEventKind kind = UiEventKind::CloseBox;
  UiControl* control = nullptr;  // the control that reported, for kind Control
};

// Runtime start and stop, called at library attach and detach. Start only
// records the instance; the heavier set-up happens before the first window.
void uiRuntimeStart(void* instance);
void uiRuntimeStop();

// A window with caption, system menu and close box, no resize border and no
// minimise or maximise box, of the given inner size, centred on the screen,
// topmost, owned by `owner`. Null when it cannot be created.
//
// Sizes and positions, here and for controls, are in pixels of a 96-DPI
// display; a backend on a display of another DPI scales them. Escape in a
// window reports its close box.
//
// `layout` says how the window lays out texts other than the ones its
// layout was drawn for (ui/text_layout.h).
struct UiTextLayout {
  // Mirrored, as the platform lays out a language written right to left:
  // x counts from the right edge, and texts read right to left.
  bool rightToLeft = false;
  // Where a label or a button's caption is wider than its place, that
  // column of the window widens: the controls right of it move, those
  // across it grow, and the window grows with them. Each drop-down's open
  // list is as wide as its widest entry.
  bool widenToTexts = false;
};
UiWindow* uiCreateWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner,
                         UiTextLayout layout = {});
// Destroys the window and every control on it.
//
// A window that something else destroys (Kesto, destroying the window that
// owns it) reports its close box at once; from then on the calls below do
// nothing with it, and uiDestroyWindow only releases what is left.
void uiDestroyWindow(UiWindow* window);
// Enables or disables the whole window for the author's input.
void uiEnableWindow(UiWindow* window, bool enabled);
NativeWindow uiNativeWindow(UiWindow* window);
// The window active on the calling thread, or null.
NativeWindow uiActiveWindow();

UiControl* uiAddLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height);
// A label that names the field after it: an "&" in its text marks the
// access key that moves to that field (ui/caption_marks.h). So does an "&"
// in a button's caption, which then clicks the button.
UiControl* uiAddFieldLabel(UiWindow* window, const std::u16string& text, int x, int y, int width, int height);
UiControl* uiAddTextField(UiWindow* window, const std::u16string& text, int x, int y, int width, int height,
                          bool readOnly);
// A non-editable drop-down list, empty and with nothing selected.
UiControl* uiAddDropDown(UiWindow* window, int x, int y, int width, int height);
UiControl* uiAddButton(UiWindow* window, const std::u16string& caption, int x, int y, int width, int height);
// Makes the button the window's default: Enter in any of its controls acts
// as a click on it (except in an open drop-down list, which Enter closes).
void uiSetDefaultButton(UiControl* button);
// An area filled with one solid colour.
UiControl* uiAddSwatch(UiWindow* window, UiColor color, int x, int y, int width, int height);

// A text field that holds code (an ID, a value, script) reads left to
// right even in a mirrored window.
void uiKeepLeftToRight(UiControl* field);

void uiSetText(UiControl* control, const std::u16string& text);
std::u16string uiGetText(UiControl* control);
void uiShow(UiControl* control, bool visible);
bool uiIsVisible(UiControl* control);
void uiMove(UiControl* control, int x, int y, int width, int height);
void uiFocus(UiControl* control);
void uiSetSwatchColor(UiControl* swatch, UiColor color);

void uiDropClear(UiControl* dropDown);
void uiDropAppend(UiControl* dropDown, const std::u16string& entry);
// Selects the entry at `position` (from 0); -1 selects nothing.
void uiDropSelect(UiControl* dropDown, int position);
// The selected position, or -1 when nothing is selected.
int uiDropSelected(UiControl* dropDown);
// The selected entry's text, or empty text when nothing is selected.
std::u16string uiDropSelectedText(UiControl* dropDown);
int uiDropCount(UiControl* dropDown);
std::u16string uiDropEntry(UiControl* dropDown, int position);

// Blocks until the author closes the window or acts on one of its controls.
UiEvent uiWaitEvent(UiWindow* window);

// The platform's message box with a warning icon and one OK button.
void uiWarningBox(UiWindow* owner, const std::u16string& title, const std::u16string& text);
// The standard colour dialog in its basic form, `initial` preselected and in
// the first custom slot. False when cancelled.
bool uiChooseColor(UiWindow* owner, UiColor initial, UiColor& chosen);
// The open-file dialog. `filters` alternates description and pattern,
// separated by "|"; `filterIndex` counts from 1. False when cancelled.
bool uiChooseOpenFile(UiWindow* owner, const std::u16string& title, const std::u16string& filters, int filterIndex,
                      const std::u16string& proposed, std::u16string& chosen);
