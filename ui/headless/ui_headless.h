#pragma once
// The headless backend's own side: what tests and the native tools use to
// look at the windows it keeps in memory and to act on them as an author.
#include <functional>
#include <string>
#include <vector>

#include "ui/ui.h"

enum class HeadlessKind { Label, TextField, DropDown, Button, Swatch };

struct HeadlessControl {
  HeadlessKind kind = HeadlessKind::Label;
  int x = 0, y = 0, width = 0, height = 0;
  bool visible = true;
  bool readOnly = false;
  bool accessKeyed = false;  // an "&" in the text marks an access key (field labels, buttons)
  bool leftToRight = false;  // kept left to right in a mirrored window
  std::u16string text;
  std::vector<std::u16string> entries;  // drop-downs
  int selected = -1;                    // drop-downs
  UiColor color;                        // swatches
};

struct HeadlessWindow {
  std::u16string title;
  int innerWidth = 0, innerHeight = 0;
  NativeWindow owner = nullptr;
  bool topmost = true;
  bool enabled = true;
  bool destroyed = false;  // destroyed from outside, as with its owner
  UiTextLayout textLayout;
  std::vector<UiControl*> controls;  // in creation order
  UiControl* focus = nullptr;
  UiControl* defaultButton = nullptr;  // what Enter clicks
};

// Every window that is open, oldest first.
std::vector<UiWindow*> headlessWindows();
const HeadlessWindow& headlessWindow(UiWindow* window);
const HeadlessControl& headlessControl(UiControl* control);

// Called whenever a window waits for an event and none is queued: the driver
// plays the author by queuing one (below). If it queues nothing the window
// receives its close box, so a driver that runs out of steps never hangs.
void headlessSetDriver(std::function<void(UiWindow*)> driver);

// Author actions: each changes the control as the author would and queues
// the event that control reports.
void headlessType(UiControl* field, const std::u16string& text);
void headlessChoose(UiControl* dropDown, int position);
void headlessClick(UiControl* button);
void headlessCloseBox(UiWindow* window);
// Destroys the window from outside, as Kesto destroying its owner does: it
// reports its close box from then on, whatever was queued.
void headlessDestroyFromOutside(UiWindow* window);

// Answers to the platform dialogs. Without an answerer a message box is
// accepted, and the colour and open-file dialogs are cancelled.
struct HeadlessDialogs {
  std::function<void(UiWindow* owner, const std::u16string& title, const std::u16string& text)> warning;
  std::function<bool(UiColor initial, UiColor& chosen)> color;
  std::function<bool(const std::u16string& title, const std::u16string& filters, int filterIndex,
                     const std::u16string& proposed, std::u16string& chosen)>
      openFile;
};
void headlessSetDialogs(HeadlessDialogs dialogs);

// The window handle that headlessActiveWindow reports (tests set it to
// stand for Kesto's active window).
void headlessSetActiveWindow(NativeWindow window);
// Destroys every window and forgets the driver, dialogs and active window.
void headlessReset();
