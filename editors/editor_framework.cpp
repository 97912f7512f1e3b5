#include "editors/editor_framework.h"

#include "editors/access_keys.h"

#include "catalogue/control_types.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/codepage.h"
#include "platform/text_case.h"

std::u16string trimSpaces(const std::u16string& text) {
  size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

std::u16string controlIdOfReference(const std::u16string& stored) {
  size_t colon = stored.find(u':');
  return colon == std::u16string::npos ? stored : stored.substr(colon + 1);
}

std::u16string composeActionLine(const std::u16string& actionName, std::initializer_list<std::u16string> texts) {
  std::u16string line = actionName;
  for (const std::u16string& text : texts) {
    line += u" \"";
    line += text;
    line += u'"';
  }
  return line;
}

std::u16string editorTitle(const char16_t* actionName, const char16_t* description) {
  return std::u16string(actionName) + u"  -  " + localized(description);
}

std::u16string pickRectangle(const std::u16string& currentName) {
  InterfaceAccessProc access = hostState.interfaceAccess;
  if (!access) return currentName;
  HostString offered = toHostString(currentName);
  HostString slot = offered;
  int32_t answered = access(kPickRectangleRequest, &slot);
  // Kesto never frees our string: when it put its own reply in the slot,
  // ours is released here, and the reply (or ours, left in place) when
  // this returns, also when converting it runs out of memory.
  if (offered && slot != offered) freeHostString(offered);
  OwnedHostString reply(slot);
  if (!answered || !reply) return {};
  return ansiToUtf16(reply.get());
}

NativeWindow dialogOwner() {
  NativeWindow active = uiActiveWindow();
  return active ? active : static_cast<NativeWindow>(hostState.hostWindow);
}

namespace {
// No action has more parameters than this.
constexpr size_t kMostParameters = 4;
}  // namespace

EventOutcome writeParameters(ParameterList parameters, std::initializer_list<std::u16string> texts) {
  HostString made[kMostParameters] = {};
  size_t count = texts.size() < kMostParameters ? texts.size() : kMostParameters;
  bool complete = true;
  for (size_t i = 0; i < count && complete; ++i) {
    made[i] = toHostString(texts.begin()[i]);
    complete = made[i] != nullptr;
  }
  if (!complete) {
    for (HostString text : made) freeHostString(text);
    return EventOutcome::Abandoned;
  }
  for (size_t i = 0; i < count; ++i) {
    freeHostString(parameters[i]);
    parameters[i] = made[i];
  }
  return EventOutcome::Confirmed;
}

namespace {
// The dialog windows open, oldest first: an editor's own and a builder
// opened over it, and those of an edit that Kesto started while another
// edit's dialog was up. Each is tagged with the edit that opened it, so
// that an edit cleans up only its own.
struct OpenDialog {
  UiWindow* window = nullptr;
  NativeWindow native = nullptr;  // its handle as it was opened
  UiWindow* under = nullptr;      // the dialog it is modal to, disabled while it is open
  int edit = 0;                   // the nesting depth of the edit that opened it
  AccessKeys keys;                // the access keys its captions have taken
};
constexpr int kMostOpenDialogs = 16;
OpenDialog openDialogs[kMostOpenDialogs];
int openDialogCount = 0;
int editDepth = 0;

bool isOpen(const UiWindow* window) {
  for (int i = 0; i < openDialogCount; ++i)
    if (openDialogs[i].window == window) return true;
  return false;
}

// The access keys of a dialog's captions; a window opened some other way
// (by a test) gets a set of its own for each caption.
AccessKeys& keysOf(UiWindow* window) {
  for (int i = 0; i < openDialogCount; ++i)
    if (openDialogs[i].window == window) return openDialogs[i].keys;
  static AccessKeys unlisted;
  unlisted = {};
  return unlisted;
}

OpenDialog* openDialogOf(NativeWindow native) {
  if (!native) return nullptr;
  for (int i = 0; i < openDialogCount; ++i)
    if (openDialogs[i].native == native) return &openDialogs[i];
  return nullptr;
}

// English texts are the ones every layout was drawn for, so an English
// dialog stands exactly as drawn; another language's texts may need more
// room, and some read right to left.
UiTextLayout textLayoutOfLanguage() {
  const TextTable& language = dialogTextTable();
  UiTextLayout layout;
  layout.rightToLeft = language.rightToLeft;
  layout.widenToTexts = language.pairs[0].english != nullptr;
  return layout;
}

UiWindow* openWindowOfEdit(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner,
                           bool modalToOwner) {
  if (openDialogCount == kMostOpenDialogs) return nullptr;
  UiWindow* window = uiCreateWindow(title, innerWidth, innerHeight, owner, textLayoutOfLanguage());
  if (!window) return nullptr;
  OpenDialog* ownerDialog = modalToOwner ? openDialogOf(owner) : nullptr;
  UiWindow* under = ownerDialog && ownerDialog->edit == editDepth ? ownerDialog->window : nullptr;
  openDialogs[openDialogCount++] = {window, uiNativeWindow(window), under, editDepth, {}};
  if (under) uiEnableWindow(under, false);
  return window;
}
}  // namespace

EditCall::EditCall() : depth(++editDepth) {}

EditCall::~EditCall() {
  for (int i = openDialogCount; i-- > 0;)
    if (i < openDialogCount && openDialogs[i].edit >= depth) closeDialogWindow(openDialogs[i].window);
  --editDepth;
}

UiWindow* openDialogWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner) {
  return openWindowOfEdit(title, innerWidth, innerHeight, owner, true);
}

// A dialog it was modal to is enabled again before it goes, so that
// Windows gives that dialog the activation and its focus back.
void closeDialogWindow(UiWindow* window) {
  for (int i = openDialogCount; i-- > 0;) {
    if (openDialogs[i].window != window) continue;
    UiWindow* under = openDialogs[i].under;
    for (int j = i; j + 1 < openDialogCount; ++j) openDialogs[j] = std::move(openDialogs[j + 1]);
    openDialogs[--openDialogCount] = {};
    if (under && isOpen(under)) uiEnableWindow(under, true);
    break;
  }
  uiDestroyWindow(window);
}

UiWindow* openEditorWindow(const std::u16string& title, int innerWidth, int innerHeight) {
  return openWindowOfEdit(title, innerWidth, innerHeight, dialogOwner(), false);
}

void showValidationMessage(UiWindow* dialog, const std::u16string& actionName, const std::u16string& text) {
  uiWarningBox(dialog, actionName, localized(text));
}

UiControl* addFieldLabel(UiWindow* window, const std::u16string& english, int x, int y, int width, int height) {
  return uiAddFieldLabel(window, withAccessKey(localized(english), english, keysOf(window)), x, y, width, height);
}

UiControl* addReadOnlyFieldLabel(UiWindow* window, const std::u16string& english, int x, int y, int width,
                                 int height) {
  return uiAddFieldLabel(window, withNoAccessKey(localized(english)), x, y, width, height);
}

UiControl* addKeyedButton(UiWindow* window, const std::u16string& english, int x, int y, int width, int height) {
  return uiAddButton(window, withAccessKey(localized(english), english, keysOf(window)), x, y, width, height);
}

void setFieldLabel(UiWindow* window, UiControl* label, const std::u16string& english) {
  AccessKeys& keys = keysOf(window);
  char16_t previous = accessKeyOf(uiGetText(label));
  if (previous) {
    size_t at = keys.taken.find(lowerCaseText(std::u16string(1, previous)));
    if (at != std::u16string::npos) keys.taken.erase(at, 1);
  }
  uiSetText(label, withAccessKey(localized(english), english, keys));
}

UiControl* addRowLabel(UiWindow* window, int fieldY, const std::u16string& text) {
  return addFieldLabel(window, text, kLabelX, fieldY + kLabelDrop, kLabelWidth, kLabelHeight);
}

UiControl* addRowTextField(UiWindow* window, int y, int width, const std::u16string& text) {
  return uiAddTextField(window, text, kFieldX, y, width, kFieldHeight, false);
}

UiControl* addRowDropDown(UiWindow* window, int y, int width) {
  return uiAddDropDown(window, kFieldX, y, width, kFieldHeight);
}

UiControl* addHintLine(UiWindow* window, int fieldY, int width, const std::u16string& text) {
  return uiAddLabel(window, localized(text), kFieldX, fieldY + kHintGap, width, kHintHeight);
}

UiControl* addInfoLine(UiWindow* window, int y, int width, const std::u16string& text) {
  return uiAddLabel(window, localized(text), kLabelX, y, width, kHintHeight);
}

DialogRow addTextRow(UiWindow* window, int y, const std::u16string& label, int width, const std::u16string& text,
                     const char16_t* hint, int hintWidth) {
  DialogRow row;
  row.label = addRowLabel(window, y, label);
  row.field = addRowTextField(window, y, width, text);
  if (hint) row.hint = addHintLine(window, y, hintWidth, hint);
  return row;
}

DialogRow addDropDownRow(UiWindow* window, int y, const std::u16string& label, int width, const char16_t* hint,
                         int hintWidth) {
  DialogRow row;
  row.label = addRowLabel(window, y, label);
  row.field = addRowDropDown(window, y, width);
  if (hint) row.hint = addHintLine(window, y, hintWidth, hint);
  return row;
}

void showRow(const DialogRow& row, bool visible) {
  for (UiControl* control : {row.label, row.field, row.hint})
    if (control) uiShow(control, visible);
}

RectangleRow addRectangleRow(UiWindow* window, const RectangleRowLayout& layout, const std::u16string& name) {
  RectangleRow rectangle;
  rectangle.name = name;
  rectangle.row.label =
      addReadOnlyFieldLabel(window, u"Rectangle:", kLabelX, layout.y + kLabelDrop, kLabelWidth, kLabelHeight);
  rectangle.row.field = uiAddTextField(window, name, kFieldX, layout.y, layout.fieldWidth, kFieldHeight, true);
  uiKeepLeftToRight(rectangle.row.field);
  rectangle.rePick = addKeyedButton(window, u"Re-Pick...", layout.buttonX, layout.y, layout.buttonWidth, kFieldHeight);
  if (layout.hint) rectangle.row.hint = addHintLine(window, layout.y, layout.hintWidth, layout.hint);
  return rectangle;
}

bool rePickRectangle(RectangleRow& rectangle) {
  std::u16string chosen = pickRectangle(rectangle.name);
  if (chosen.empty()) return false;
  rectangle.name = chosen;
  uiSetText(rectangle.row.field, chosen);
  return true;
}

ControlRows addControlRows(UiWindow* window, const ControlRowsLayout& layout, const std::u16string& controlId,
                           const std::u16string& initialType) {
  ControlRows rows;
  rows.id = addTextRow(window, layout.idY, u"Control ID:", layout.idWidth, controlId, layout.idHint, layout.hintWidth);
  uiKeepLeftToRight(rows.id.field);
  rows.type = addDropDownRow(window, layout.typeY, u"Control Type:", layout.typeWidth, layout.typeHint,
                             layout.hintWidth);
  fillControlTypeChooser(rows.type.field, initialType);
  rows.currentType = initialType;
  return rows;
}

std::u16string controlIdText(const ControlRows& rows) { return trimSpaces(uiGetText(rows.id.field)); }

bool controlIdChanged(ControlRows& rows) {
  std::u16string detected = detectControlType(controlIdText(rows));
  if (detected.empty()) return false;
  uiDropSelect(rows.type.field, controlTypePosition(detected));
  rows.currentType = detected;
  return true;
}

void controlTypeChosen(ControlRows& rows) { rows.currentType = controlTypeAt(uiDropSelected(rows.type.field)); }

UiControl* addPreviewRow(UiWindow* window, int y, int width, int labelHeight) {
  addReadOnlyFieldLabel(window, u"Preview:", kLabelX, y + kLabelDrop, kLabelWidth, labelHeight);
  UiControl* preview = uiAddTextField(window, u"", kFieldX, y, width, kFieldHeight, true);
  uiKeepLeftToRight(preview);
  return preview;
}

void showPreview(UiControl* preview, const std::u16string& actionName, std::initializer_list<std::u16string> texts) {
  uiSetText(preview, composeActionLine(actionName, texts));
}

ButtonRow addButtonRow(UiWindow* window, int y, int okX, int cancelX, int width) {
  ButtonRow buttons;
  buttons.ok = uiAddButton(window, localized(u"OK"), okX, y, width, kButtonHeight);
  buttons.cancel = uiAddButton(window, localized(u"Cancel"), cancelX, y, width, kButtonHeight);
  uiSetDefaultButton(buttons.ok);
  return buttons;
}

int runEventLoop(UiWindow* window, const ButtonRow& buttons, const EventReaction& react) {
  EventOutcome outcome = EventOutcome::Stay;
  while (outcome == EventOutcome::Stay) {
    UiEvent event = uiWaitEvent(window);
    if (event.kind == UiEventKind::CloseBox || event.control == buttons.cancel) {
      outcome = EventOutcome::Abandoned;
    } else if (event.kind == UiEventKind::Control && event.control) {
      outcome = react(event.control);
    }
  }
  closeDialogWindow(window);
  return outcome == EventOutcome::Confirmed ? 1 : 0;
}
