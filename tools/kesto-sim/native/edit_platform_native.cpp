// Native build: the editor runs over the headless backend; the author acts
// through its driver whenever the dialog waits, and answers the platform
// dialogs through its callbacks.
#include <cstdio>

#include "tools/kesto-sim/edit_platform.h"
#include "tools/kesto-sim/edit_png.h"
#include "ui/caption_marks.h"
#include "ui/headless/ui_headless.h"

namespace {
const char* kindName(HeadlessKind kind) {
  static const char* const kNames[] = {"label", "field", "dropdown", "button", "swatch"};
  return kNames[static_cast<int>(kind)];
}

std::u16string colorText(UiColor color) {
  static const char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text = u"#";
  for (uint8_t part : {color.red, color.green, color.blue}) {
    text.push_back(kDigits[part >> 4]);
    text.push_back(kDigits[part & 15]);
  }
  return text;
}

int kestoActiveWindow;  // stands for the window of Kesto's that is active

std::string ownerName(NativeWindow owner, const std::vector<UiWindow*>& windows) {
  if (!owner) return "none";
  if (owner == &kestoActiveWindow) return "kesto-active";
  if (owner == kestoMainWindow()) return "kesto";
  for (size_t i = 0; i < windows.size(); ++i)
    if (uiNativeWindow(windows[i]) == owner) return "window " + std::to_string(i + 1);
  return "other";
}

// The keyboard focus is one per thread on Windows: only the newest window,
// the active one, shows its focused control.
SeenControl seeControl(UiControl* control, const HeadlessWindow& window, bool active) {
  const HeadlessControl& state = headlessControl(control);
  SeenControl seen;
  seen.kind = kindName(state.kind);
  seen.x = state.x;
  seen.y = state.y;
  seen.width = state.width;
  seen.height = state.height;
  seen.visible = state.visible;
  seen.enabled = !state.readOnly;
  seen.focused = active && window.focus == control;
  seen.text = state.kind == HeadlessKind::Swatch ? colorText(state.color) : state.text;
  if (state.accessKeyed) {
    seen.accessKey = accessKeyOf(seen.text);
    seen.text = withoutAccessKey(seen.text);
  }
  if (state.kind == HeadlessKind::DropDown) {
    seen.entries = state.entries;
    seen.selected = state.selected;
    seen.text = state.selected >= 0 ? state.entries[state.selected] : u"";
  }
  seen.handle = control;
  return seen;
}

bool answerColor(UiColor initial, UiColor& chosen) {
  Answer answer = nextColorAnswer();
  if (answer.kind == AnswerKind::Ok) chosen = initial;
  else if (answer.kind == AnswerKind::Color) chosen = {answer.red, answer.green, answer.blue};
  return answer.kind == AnswerKind::Ok || answer.kind == AnswerKind::Color;
}

bool answerOpenFile(const std::u16string&, const std::u16string&, int, const std::u16string&, std::u16string& chosen) {
  Answer answer = nextFileAnswer();
  if (answer.kind != AnswerKind::Name) return false;
  chosen = answer.text;
  return true;
}

// A plain picture of the window's client area: a grey face, white fields
// and drop-downs, darker buttons, swatches in their colour, outlines for
// labels; texts are not drawn.
struct Canvas {
  int width, height;
  std::vector<uint8_t> rgb;
  void fill(int x0, int y0, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    for (int y = y0 < 0 ? 0 : y0; y < y0 + h && y < height; ++y)
      for (int x = x0 < 0 ? 0 : x0; x < x0 + w && x < width; ++x) {
        uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        p[0] = r, p[1] = g, p[2] = b;
      }
  }
  void frame(int x, int y, int w, int h, uint8_t shade) {
    fill(x, y, w, 1, shade, shade, shade);
    fill(x, y + h - 1, w, 1, shade, shade, shade);
    fill(x, y, 1, h, shade, shade, shade);
    fill(x + w - 1, y, 1, h, shade, shade, shade);
  }
};

void drawControl(Canvas& canvas, const HeadlessControl& c) {
  if (!c.visible) return;
  switch (c.kind) {
    case HeadlessKind::Label: canvas.frame(c.x, c.y, c.width, c.height, 200); break;
    case HeadlessKind::TextField:
    case HeadlessKind::DropDown: {
      uint8_t face = c.readOnly ? 240 : 255;
      canvas.fill(c.x, c.y, c.width, c.height, face, face, face);
      canvas.frame(c.x, c.y, c.width, c.height, 120);
      break;
    }
    case HeadlessKind::Button:
      canvas.fill(c.x, c.y, c.width, c.height, 225, 225, 225);
      canvas.frame(c.x, c.y, c.width, c.height, 90);
      break;
    case HeadlessKind::Swatch: canvas.fill(c.x, c.y, c.width, c.height, c.color.red, c.color.green, c.color.blue); break;
  }
}
}  // namespace

int32_t playEditor(int32_t action, HostParameterList& parameters) {
  headlessSetDriver([](UiWindow*) { runStepsUntilEvent(); });
  HeadlessDialogs dialogs;
  dialogs.warning = [](UiWindow*, const std::u16string& title, const std::u16string& text) {
    printMessageBox(title, text);
  };
  dialogs.color = answerColor;
  dialogs.openFile = answerOpenFile;
  headlessSetDialogs(dialogs);
  int32_t result = kesto.plugin.editAction(action, parameters.entries.data());
  return result;
}

void activateKestoWindow() { headlessSetActiveWindow(&kestoActiveWindow); }

int windowsLeftOpen() {
  int open = static_cast<int>(headlessWindows().size());
  headlessReset();
  return open;
}

std::vector<SeenWindow> seeWindows() {
  std::vector<UiWindow*> windows = headlessWindows();
  std::vector<SeenWindow> seen;
  for (UiWindow* window : windows) {
    const HeadlessWindow& state = headlessWindow(window);
    SeenWindow w;
    w.title = state.title;
    w.innerWidth = state.innerWidth;
    w.innerHeight = state.innerHeight;
    w.styles = {"caption", "sysmenu", "closebox"};  // what every headless window stands for
    w.topmost = state.topmost;
    w.mirrored = state.textLayout.rightToLeft;
    w.centred = true;
    w.owner = ownerName(state.owner, windows);
    bool active = window == windows.back();
    for (UiControl* control : state.controls) w.controls.push_back(seeControl(control, state, active));
    w.handle = window;
    seen.push_back(w);
  }
  return seen;
}

void typeInto(const SeenControl& field, const std::u16string& text) {
  headlessType(static_cast<UiControl*>(field.handle), text);
}

void chooseEntry(const SeenControl& dropDown, int position) {
  headlessChoose(static_cast<UiControl*>(dropDown.handle), position);
}

void clickButton(const SeenControl& button) { headlessClick(static_cast<UiControl*>(button.handle)); }

void pressCloseBox(const SeenWindow& window) { headlessCloseBox(static_cast<UiWindow*>(window.handle)); }

bool takeShot(const SeenWindow& window, const std::string& file, std::string& error) {
  const HeadlessWindow& state = headlessWindow(static_cast<UiWindow*>(window.handle));
  Canvas canvas{state.innerWidth, state.innerHeight, {}};
  canvas.rgb.assign(static_cast<size_t>(canvas.width) * canvas.height * 3, 0);
  canvas.fill(0, 0, canvas.width, canvas.height, 236, 236, 236);
  for (UiControl* control : state.controls) drawControl(canvas, headlessControl(control));
  if (writePng(file, canvas.width, canvas.height, canvas.rgb)) return true;
  error = "cannot write " + file;
  return false;
}

// The headless dialogs know their default button and their close box, not a
// keyboard: Enter clicks the one, Escape presses the other.
bool pressKey(const SeenWindow& window, const std::u16string& key, std::string& error) {
  auto* dialog = static_cast<UiWindow*>(window.handle);
  if (key == u"escape") {
    headlessCloseBox(dialog);
    return true;
  }
  UiControl* ok = headlessWindow(dialog).defaultButton;
  if (key == u"enter" && ok) {
    headlessClick(ok);
    return true;
  }
  error = key == u"enter" ? "the dialog has no default button" : "the native build presses only enter and escape";
  return false;
}

bool useDisplayDpi(int dpi, std::string& error) {
  if (dpi == 96) return true;  // the headless dialogs are laid out at 96 DPI
  error = "--dpi needs the win32 build (bin/kesto-sim), which runs the dialog under Wine";
  return false;
}
