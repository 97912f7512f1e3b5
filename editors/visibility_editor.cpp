#include "editors/visibility_editor.h"

#include "catalogue/control_types.h"
#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_Visibility";

struct Operation {
  const char16_t* entry;
  const char16_t* word;
  const char16_t* hint;
};
constexpr Operation kOperations[] = {
    {u"Show", u"Show", u"Make the control visible on screen"},
    {u"Hide", u"Hide", u"Make the control invisible  (layout space is preserved)"},
    {u"Enable", u"Enable", u"Allow the user to interact with the control"},
    {u"Disable", u"Disable", u"Prevent interaction - control appears greyed out"},
    {u"Toggle  (Show if Hidden, Hide if Visible)", u"Toggle", u"If currently visible: hide it.  If hidden: show it."},
};

constexpr int kHintWidth = 350;
constexpr RectangleRowLayout kRectangleLayout{8, 226, 332, 118, u"The Tavix rectangle in your Kesto publication",
                                              kHintWidth};
constexpr ControlRowsLayout kControlLayout{
    104, 350, u"The ID of any ZUVO control  e.g. pnl_detail  btn_menu  lbl_status",
    150, 200, u"Optional - auto-detected from ID prefix, or choose manually",
    kHintWidth};

struct VisibilityDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  DialogRow operation;
  ControlRows control;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

const Operation& currentOperation(const VisibilityDialog& d) {
  return selectedChoice(d.operation.field, kOperations);
}

void refreshPreview(const VisibilityDialog& d) {
  showPreview(d.preview, kActionName, {d.rectangle.name, controlIdText(d.control), currentOperation(d).word});
}

void showOperationHint(const VisibilityDialog& d) {
  uiSetText(d.operation.hint, localized(currentOperation(d).hint));
}

void buildRows(VisibilityDialog& d, const std::u16string& controlId, const std::u16string& word) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.operation = addDropDownRow(d.window, 56, u"Action:", 200, u"", kHintWidth);
  fillChoiceList(d.operation.field, kOperations, word);
  d.control = addControlRows(d.window, kControlLayout, controlId, detectControlType(trimSpaces(controlId)));
  d.preview = addPreviewRow(d.window, 196, 350, kLabelHeight);
  d.buttons = addButtonRow(d.window, 224, 140, 236, 80);
}

// An empty control ID ends the dialog after its message: the action keeps
// the parameters it had.
EventOutcome confirm(VisibilityDialog& d, ParameterList parameters) {
  std::u16string controlId = controlIdText(d.control);
  if (controlId.empty()) {
    showValidationMessage(d.window, kActionName,
                          u"Please enter the Control ID.\r\nExample:  pnl_detail  or  btn_menu  or  lbl_status");
    return EventOutcome::Abandoned;
  }
  return writeParameters(parameters, {d.rectangle.name, controlId, currentOperation(d).word});
}

EventOutcome react(VisibilityDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.rectangle.rePick) {
    if (rePickRectangle(d.rectangle)) refreshPreview(d);
  } else if (source == d.operation.field) {
    showOperationHint(d);
    refreshPreview(d);
  } else if (source == d.control.id.field) {
    controlIdChanged(d.control);
    refreshPreview(d);
  } else if (source == d.control.type.field) {
    // The type only helps the author recognise the control; it is not stored.
    refreshPreview(d);
  }
  return EventOutcome::Stay;
}
}  // namespace

int32_t editVisibilityAction(ParameterList parameters) {
  DialogLanguage language;
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string controlId = controlIdOfReference(getHostParam(parameters, 1));
  std::u16string word = getHostParam(parameters, 2);
  if (word.empty()) word = u"Show";

  VisibilityDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.window = openEditorWindow(editorTitle(kActionName, u"Show, Hide, Enable or Disable a control"), 460, 262);
  if (!d.window) return 0;
  buildRows(d, controlId, word);
  showOperationHint(d);
  refreshPreview(d);
  uiFocus(d.control.id.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
