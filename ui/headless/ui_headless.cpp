// Headless backend: windows and controls kept in memory, events queued by
// the caller acting as the author.
#include "ui/headless/ui_headless.h"

#include <algorithm>
#include <deque>
#include <memory>

struct UiControl {
  UiWindow* window = nullptr;
  HeadlessControl state;
};

struct UiWindow {
  HeadlessWindow state;
  std::vector<std::unique_ptr<UiControl>> owned;
  std::deque<UiEvent> events;
};

namespace {
std::vector<std::unique_ptr<UiWindow>> openWindows;
std::function<void(UiWindow*)> driver;
HeadlessDialogs dialogs;
NativeWindow activeWindow = nullptr;

UiControl* addControl(UiWindow* window, HeadlessKind kind, const std::u16string& text, int x, int y, int width,
                      int height) {
  auto control = std::make_unique<UiControl>();
  control->window = window;
  control->state.kind = kind;
  control->state.text = text;
  control->state.x = x;
  control->state.y = y;
  control->state.width = width;
  control->state.height = height;
  UiControl* raw = control.get();
  window->owned.push_back(std::move(control));
  window->state.controls.push_back(raw);
  return raw;
}

void queue(UiControl* control) { control->window->events.push_back({UiEventKind::Control, control}); }
}  // namespace

void uiRuntimeStart(void*) {}
void uiRuntimeStop() { openWindows.clear(); }

UiWindow* uiCreateWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner,
                         UiTextLayout layout) {
  auto window = std::make_unique<UiWindow>();
  window->state.title = title;
  window->state.textLayout = layout;
  window->state.innerWidth = innerWidth;
  window->state.innerHeight = innerHeight;
  window->state.owner = owner;
  openWindows.push_back(std::move(window));
  return openWindows.back().get();
}

void uiDestroyWindow(UiWindow* window) {
  openWindows.erase(std::remove_if(openWindows.begin(), openWindows.end(),
                                   [&](const std::unique_ptr<UiWindow>& w) { return w.get() == window; }),
                    openWindows.end());
}

void uiEnableWindow(UiWindow* window, bool enabled) {
  if (window) window->state.enabled = enabled;
}

NativeWindow uiNativeWindow(UiWindow* window) { return window; }

NativeWindow uiActiveWindow() {
  if (!openWindows.empty()) return openWindows.back().get();
  return activeWindow;
}

UiControl* uiAddLabel(UiWindow* w, const std::u16string& text, int x, int y, int width, int height) {
  return addControl(w, HeadlessKind::Label, text, x, y, width, height);
}

UiControl* uiAddFieldLabel(UiWindow* w, const std::u16string& text, int x, int y, int width, int height) {
  UiControl* label = addControl(w, HeadlessKind::Label, text, x, y, width, height);
  label->state.accessKeyed = true;
  return label;
}

UiControl* uiAddTextField(UiWindow* w, const std::u16string& text, int x, int y, int width, int height,
                          bool readOnly) {
  UiControl* field = addControl(w, HeadlessKind::TextField, text, x, y, width, height);
  field->state.readOnly = readOnly;
  return field;
}

UiControl* uiAddDropDown(UiWindow* w, int x, int y, int width, int height) {
  return addControl(w, HeadlessKind::DropDown, u"", x, y, width, height);
}

UiControl* uiAddButton(UiWindow* w, const std::u16string& caption, int x, int y, int width, int height) {
  UiControl* button = addControl(w, HeadlessKind::Button, caption, x, y, width, height);
  button->state.accessKeyed = true;
  return button;
}

void uiSetDefaultButton(UiControl* button) {
  if (button) button->window->state.defaultButton = button;
}

UiControl* uiAddSwatch(UiWindow* w, UiColor color, int x, int y, int width, int height) {
  UiControl* swatch = addControl(w, HeadlessKind::Swatch, u"", x, y, width, height);
  swatch->state.color = color;
  return swatch;
}

void uiKeepLeftToRight(UiControl* c) {
  if (c) c->state.leftToRight = true;
}

void uiSetText(UiControl* c, const std::u16string& text) { c->state.text = text; }
std::u16string uiGetText(UiControl* c) { return c->state.text; }
// As with real windows, hiding the control that has the keyboard focus
// leaves the focus with the window itself.
void uiShow(UiControl* c, bool visible) {
  c->state.visible = visible;
  if (!visible && c->window->state.focus == c) c->window->state.focus = nullptr;
}
bool uiIsVisible(UiControl* c) { return c->state.visible; }

void uiMove(UiControl* c, int x, int y, int width, int height) {
  c->state.x = x;
  c->state.y = y;
  c->state.width = width;
  c->state.height = height;
}

void uiFocus(UiControl* c) { c->window->state.focus = c; }
void uiSetSwatchColor(UiControl* c, UiColor color) { c->state.color = color; }

void uiDropClear(UiControl* d) {
  d->state.entries.clear();
  d->state.selected = -1;
}

void uiDropAppend(UiControl* d, const std::u16string& entry) { d->state.entries.push_back(entry); }

void uiDropSelect(UiControl* d, int position) {
  bool inRange = position >= 0 && position < static_cast<int>(d->state.entries.size());
  d->state.selected = inRange ? position : -1;
}

int uiDropSelected(UiControl* d) { return d->state.selected; }

std::u16string uiDropSelectedText(UiControl* d) {
  return d->state.selected < 0 ? std::u16string() : d->state.entries[d->state.selected];
}

int uiDropCount(UiControl* d) { return static_cast<int>(d->state.entries.size()); }

std::u16string uiDropEntry(UiControl* d, int position) {
  if (position < 0 || position >= uiDropCount(d)) return {};
  return d->state.entries[position];
}

UiEvent uiWaitEvent(UiWindow* window) {
  if (window->state.destroyed) return {UiEventKind::CloseBox, nullptr};
  if (window->events.empty() && driver) driver(window);
  if (window->state.destroyed) return {UiEventKind::CloseBox, nullptr};
  if (window->events.empty()) return {UiEventKind::CloseBox, nullptr};
  UiEvent event = window->events.front();
  window->events.pop_front();
  return event;
}

void uiWarningBox(UiWindow* owner, const std::u16string& title, const std::u16string& text) {
  if (dialogs.warning) dialogs.warning(owner, title, text);
}

bool uiChooseColor(UiWindow*, UiColor initial, UiColor& chosen) {
  return dialogs.color ? dialogs.color(initial, chosen) : false;
}

bool uiChooseOpenFile(UiWindow*, const std::u16string& title, const std::u16string& filters, int filterIndex,
                      const std::u16string& proposed, std::u16string& chosen) {
  return dialogs.openFile ? dialogs.openFile(title, filters, filterIndex, proposed, chosen) : false;
}

std::vector<UiWindow*> headlessWindows() {
  std::vector<UiWindow*> windows;
  for (auto& w : openWindows) windows.push_back(w.get());
  return windows;
}

const HeadlessWindow& headlessWindow(UiWindow* window) { return window->state; }
const HeadlessControl& headlessControl(UiControl* control) { return control->state; }

void headlessSetDriver(std::function<void(UiWindow*)> d) { driver = std::move(d); }

void headlessType(UiControl* field, const std::u16string& text) {
  field->state.text = text;
  queue(field);
}

void headlessChoose(UiControl* dropDown, int position) {
  uiDropSelect(dropDown, position);
  queue(dropDown);
}

void headlessClick(UiControl* button) { queue(button); }

void headlessCloseBox(UiWindow* window) { window->events.push_back({UiEventKind::CloseBox, nullptr}); }

void headlessDestroyFromOutside(UiWindow* window) {
  window->state.destroyed = true;
  window->events.clear();
}

void headlessSetDialogs(HeadlessDialogs d) { dialogs = std::move(d); }
void headlessSetActiveWindow(NativeWindow window) { activeWindow = window; }

void headlessReset() {
  openWindows.clear();
  driver = nullptr;
  dialogs = HeadlessDialogs{};
  activeWindow = nullptr;
}
