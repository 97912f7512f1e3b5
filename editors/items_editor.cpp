#include "editors/items_editor.h"

#include "catalogue/control_types.h"
#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_Items";
constexpr char16_t kAddItem[] = u"AddItem";
constexpr char16_t kSetText[] = u"SetText";

// textLabel null: the operation takes no text, and the Text row is hidden
// with its label and hint left as they were.
struct Operation {
  const char16_t* entry;
  const char16_t* word;
  const char16_t* hint;
  const char16_t* textLabel;
  const char16_t* textHint;
};
constexpr Operation kOperations[] = {
    {u"Add Item  (ComboBox / ListBox)", kAddItem,
     u"Append one item to the list - call multiple times to add multiple items", u"New Item:",
     u"Text of the item to add  e.g. Red  or  Option 1"},
    {u"Clear All Items  (ComboBox / ListBox)", u"ClearItems", u"Remove all items from the ComboBox or ListBox",
     nullptr, nullptr},
    {u"Set Text  (TextArea / RichText)", kSetText,
     u"Replace all text content - plain text for TextArea, HTML for RichText", u"Content:",
     u"TextArea: plain text   |   RichText: HTML  e.g. <b>Hello</b> World  (empty = clear)"},
};

struct SteeringRule {
  const char16_t* controlType;
  const char16_t* from;
  const char16_t* to;
};
constexpr SteeringRule kSteering[] = {
    {u"textArea", kAddItem, kSetText},
    {u"richText", kAddItem, kSetText},
    {u"comboBox", kSetText, kAddItem},
    {u"listBox", kSetText, kAddItem},
};

constexpr int kHintWidth = 400;
constexpr RectangleRowLayout kRectangleLayout{8, 272, 378, 122, u"The Tavix rectangle in your Kesto publication",
                                              kHintWidth};
constexpr ControlRowsLayout kControlLayout{
    56, 400,
    u"ComboBox / ListBox for items  |  TextArea / RichText for text  e.g. cbo_color  lst_files  txa_notes",
    102, 240, u"Auto-detected from ID prefix - or choose manually.  Drives the Action list below.",
    kHintWidth};

struct ItemsDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  ControlRows control;
  DialogRow operation;
  DialogRow text;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

const Operation& currentOperation(const ItemsDialog& d) { return selectedChoice(d.operation.field, kOperations); }
bool takesText(const Operation& operation) { return operation.textLabel != nullptr; }

void steerOperation(const ItemsDialog& d, const std::u16string& judgedWord) {
  std::u16string steered = steeredItemsOperation(d.control.currentType, judgedWord);
  if (steered != judgedWord) uiDropSelect(d.operation.field, choicePosition(kOperations, steered));
}

void applyOperation(const ItemsDialog& d) {
  const Operation& operation = currentOperation(d);
  uiSetText(d.operation.hint, localized(operation.hint));
  showRow(d.text, takesText(operation));
  if (!takesText(operation)) return;
  setFieldLabel(d.window, d.text.label, operation.textLabel);
  uiSetText(d.text.hint, localized(operation.textHint));
}

void refreshPreview(const ItemsDialog& d) {
  const Operation& operation = currentOperation(d);
  std::u16string text = takesText(operation) ? trimSpaces(uiGetText(d.text.field)) : std::u16string();
  showPreview(d.preview, kActionName, {d.rectangle.name, controlIdText(d.control), operation.word, text});
}

void buildRows(ItemsDialog& d, const std::u16string& controlId, const std::u16string& word,
               const std::u16string& text) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.control = addControlRows(d.window, kControlLayout, controlId, detectControlType(trimSpaces(controlId)));
  d.operation = addDropDownRow(d.window, 148, u"Action:", 270, u"", kHintWidth);
  fillChoiceList(d.operation.field, kOperations, word);
  d.text = addTextRow(d.window, 194, u"Text:", 400, text, u"", kHintWidth);
  d.preview = addPreviewRow(d.window, 240, 400, kLabelHeight);
  d.buttons = addButtonRow(d.window, 278, 170, 266, 80);
}

EventOutcome confirm(ItemsDialog& d, ParameterList parameters) {
  const Operation& operation = currentOperation(d);
  std::u16string controlId = controlIdText(d.control);
  std::u16string text = uiGetText(d.text.field);
  if (controlId.empty()) {
    showValidationMessage(d.window, kActionName,
                          u"Please enter the Control ID.\r\nExample:  cbo_color  or  lst_files  or  txa_notes");
    return EventOutcome::Stay;
  }
  if (operation.word == std::u16string(kAddItem) && trimSpaces(text).empty()) {
    showValidationMessage(d.window, kActionName,
                          u"Please enter the item text.\r\nTo clear a TextArea or RichText use SetText with an "
                          u"empty value.");
    return EventOutcome::Stay;
  }
  // The text goes out as typed, leading and trailing spaces included.
  return writeParameters(parameters, {d.rectangle.name, controlId, operation.word, text});
}

EventOutcome react(ItemsDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.rectangle.rePick) {
    if (!rePickRectangle(d.rectangle)) return EventOutcome::Stay;
  } else if (source == d.control.id.field) {
    if (controlIdChanged(d.control)) steerOperation(d, currentOperation(d).word);
    applyOperation(d);
  } else if (source == d.control.type.field) {
    controlTypeChosen(d.control);
    steerOperation(d, currentOperation(d).word);
    applyOperation(d);
  } else if (source == d.operation.field) {
    applyOperation(d);
  } else if (source != d.text.field) {
    return EventOutcome::Stay;
  }
  refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

std::u16string steeredItemsOperation(const std::u16string& controlType, const std::u16string& word) {
  for (const SteeringRule& rule : kSteering)
    if (controlType == rule.controlType && word == rule.from) return rule.to;
  return word;
}

int32_t editItemsAction(ParameterList parameters) {
  DialogLanguage language;
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string controlId = controlIdOfReference(getHostParam(parameters, 1));
  std::u16string word = getHostParam(parameters, 2);
  std::u16string text = getHostParam(parameters, 3);
  if (word.empty()) word = kAddItem;

  ItemsDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.window = openEditorWindow(editorTitle(kActionName, u"Add items or set text content"), 510, 316);
  if (!d.window) return 0;
  buildRows(d, controlId, word, text);
  // At load the stored word is judged, not the row it selected: a word the
  // list does not know stays unsteered.
  steerOperation(d, word);
  applyOperation(d);
  refreshPreview(d);
  uiFocus(d.control.id.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
