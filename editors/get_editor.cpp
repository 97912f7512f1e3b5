#include "editors/get_editor.h"

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_Get";
constexpr char16_t kDescription[] = u"Read a control property or runtime value";
constexpr int kInnerWidth = 510;
constexpr int kInnerHeight = 352;
constexpr int kHintWidth = 400;
constexpr int kReadY = 56;
constexpr int kPropertyY = 196;
constexpr int kResultY = 244;

// What the "Read:" drop-down offers. Position 0 reads a control property
// and has no key: parameter 1 then holds the control reference.
struct ReadMode {
  const char16_t* entry;
  const char16_t* key;
  const char16_t* hint;
};
constexpr ReadMode kReadModes[] = {
    {u"Control Property", u"", u"Read any property of a control - result arrives in [ZUVO.PropValue]"},
    {u"Current Page Name", u"PAGE", u"Returns the name of the currently active page  e.g. Home  or  Settings"},
    {u"Current Page Index", u"PAGE_INDEX", u"Returns the active page index as a number  (0 = first page)"},
    {u"Page Count", u"PAGE_COUNT", u"Returns the total number of pages in the layout"},
    {u"Screen Width (px)", u"SCREEN_W", u"Returns the WebView2 window inner width in pixels"},
    {u"Screen Height (px)", u"SCREEN_H", u"Returns the WebView2 window inner height in pixels"},
    {u"Current Time  (HH:MM:SS)", u"ZUVO_TIME", u"Returns the current time as HH:MM:SS  e.g. 14:35:02"},
    {u"Current Date  (YYYY-MM-DD)", u"ZUVO_DATE", u"Returns the current date as YYYY-MM-DD  e.g. 2025-06-15"},
};
constexpr int kReadModeCount = sizeof kReadModes / sizeof kReadModes[0];
constexpr int kPropertyMode = 0;

constexpr RectangleRowLayout kRectangleLayout{
    8, 270, 376, 124, u"The Tavix rectangle in your Kesto publication  (click Re-Pick to change)", kHintWidth};
constexpr ControlRowsLayout kControlLayout{
    104, 400, u"The control ID from ZUVO Zezovadu  e.g. txt_name  -  prefix auto-selects the type below",
    150, 280, u"Auto-detected from ID prefix - or choose manually if your ID has no prefix",
    kHintWidth};

constexpr char16_t kDefaultResult[] = u"[Result]";
constexpr char16_t kNoTypeYet[] = u"-- select a Control Type first --";
constexpr char16_t kPropertyHintBeforeType[] = u"Choose a Control Type above to see its properties";
constexpr char16_t kPropertyHintAfterType[] = u"Choose a property from the list above";

constexpr char16_t kMissingResult[] = u"Please enter a Result Variable name.\r\nExample:  [MyVar]  or  [PageName]";
constexpr char16_t kMissingId[] = u"Please enter the Control ID.\r\nExample:  txt_name  or  sld_vol";
constexpr char16_t kMissingType[] =
    u"Please select a Control Type.\r\nChoose from the dropdown, or use a prefixed ID like  txt_  sld_  chk_";
constexpr char16_t kMissingProperty[] = u"Please choose a Property from the list.";

struct GetDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  DialogRow read;
  ControlRows control;
  DialogRow property;
  DialogRow result;
  UiControl* preview = nullptr;
  ButtonRow buttons;
  int mode = kPropertyMode;  // position in kReadModes
};

// The read mode that parameter 1 names: a key (exact letter case), else
// the control-property mode.
int readModeOfTarget(const std::u16string& target) {
  for (int position = 1; position < kReadModeCount; ++position)
    if (target == kReadModes[position].key) return position;
  return kPropertyMode;
}

// "type:id" gives both; anything without a colon is the ID alone.
void decodeControlReference(const std::u16string& target, std::u16string& type, std::u16string& controlId) {
  size_t colon = target.find(u':');
  if (colon == std::u16string::npos) {
    controlId = target;
    return;
  }
  type = target.substr(0, colon);
  controlId = target.substr(colon + 1);
}

// The placeholders read back in English, so that the preview and the
// checks are the same in every language.
std::u16string selectedProperty(const GetDialog& d) {
  return propertyFromChooserLine(englishOf(uiDropSelectedText(d.property.field)));
}

std::u16string resultText(const GetDialog& d) { return trimSpaces(uiGetText(d.result.field)); }

void refreshPreview(const GetDialog& d) {
  if (d.mode == kPropertyMode)
    showPreview(d.preview, kActionName,
                {d.rectangle.name, controlIdText(d.control), selectedProperty(d), resultText(d)});
  else
    showPreview(d.preview, kActionName, {d.rectangle.name, kReadModes[d.mode].key, u"", resultText(d)});
}

// The control rows stay filled while hidden, so switching back shows them
// as they were.
void showReadMode(const GetDialog& d) {
  bool propertyMode = d.mode == kPropertyMode;
  showRow(d.control.id, propertyMode);
  showRow(d.control.type, propertyMode);
  showRow(d.property, propertyMode);
  uiSetText(d.read.hint, localized(kReadModes[d.mode].hint));
}

void buildRows(GetDialog& d, const std::u16string& controlId, const std::u16string& type,
               const std::u16string& resultVar) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.read = addDropDownRow(d.window, kReadY, u"Read:", 280, u"", kHintWidth);
  for (const ReadMode& mode : kReadModes) uiDropAppend(d.read.field, localized(mode.entry));
  uiDropSelect(d.read.field, d.mode);
  d.control = addControlRows(d.window, kControlLayout, controlId, type);
  d.property = addDropDownRow(d.window, kPropertyY, u"Property:", 400, kPropertyHintBeforeType, kHintWidth);
  uiDropAppend(d.property.field, localized(kNoTypeYet));
  d.result = addTextRow(d.window, kResultY, u"Result Var:", 230, resultVar,
                        u"Result arrives in [ZUVO.PropValue] inside your :ZUVO_OnPropValue subroutine", kHintWidth);
  uiKeepLeftToRight(d.result.field);
  uiAddLabel(d.window, localizedExample(u"e.g. [MyVar]"), 338, kResultY + kLabelDrop, 164, kLabelHeight);
  d.preview = addPreviewRow(d.window, 290, 400, kLabelHeight);
  d.buttons = addButtonRow(d.window, 314, 166, 260, 80);
}

// A type decoded from the stored reference is kept as it is; only without
// one is it detected from the ID's prefix.
void loadStoredProperty(GetDialog& d, const std::u16string& property) {
  if (d.control.currentType.empty()) d.control.currentType = detectControlType(controlIdText(d.control));
  const std::u16string& type = d.control.currentType;
  if (type.empty()) return;
  uiDropSelect(d.control.type.field, controlTypePosition(type));
  fillPropertyChooser(d.property.field, type, property);
  if (property.empty()) return;
  int record = findPropertyRecord(type, property);
  if (record >= 0) uiSetText(d.property.hint, localized(propertyRecordAt(record).description));
}

void offerPropertiesOfCurrentType(GetDialog& d) {
  fillPropertyChooser(d.property.field, d.control.currentType, u"");
  uiSetText(d.property.hint, localized(kPropertyHintAfterType));
}

void readModeChosen(GetDialog& d) {
  int position = uiDropSelected(d.read.field);
  if (position >= 0 && position < kReadModeCount) d.mode = position;
  showReadMode(d);
}

void propertyChosen(GetDialog& d) {
  int record = findPropertyRecord(d.control.currentType, selectedProperty(d));
  if (record >= 0) uiSetText(d.property.hint, localized(propertyRecordAt(record).description));
}

// A result variable is a bracketed Kesto variable: a name typed without
// the opening bracket gets both.
std::u16string completedResultVariable(const GetDialog& d) {
  std::u16string text = resultText(d);
  if (!text.empty() && text[0] != u'[') text = u"[" + text + u"]";
  return text;
}

// The first failing check's message, or null when the input may be written.
const char16_t* problemWith(const GetDialog& d, const std::u16string& resultVar) {
  if (resultVar.empty()) return kMissingResult;
  if (d.mode != kPropertyMode) return nullptr;  // the hidden rows do not matter
  std::u16string property = selectedProperty(d);
  if (controlIdText(d.control).empty()) return kMissingId;
  if (d.control.currentType.empty()) return kMissingType;
  if (property.empty() || property.compare(0, 2, u"--") == 0) return kMissingProperty;
  return nullptr;
}

EventOutcome confirm(GetDialog& d, ParameterList parameters) {
  std::u16string resultVar = completedResultVariable(d);
  if (const char16_t* problem = problemWith(d, resultVar)) {
    showValidationMessage(d.window, kActionName, problem);
    return EventOutcome::Stay;
  }
  if (d.mode == kPropertyMode)
    return writeParameters(parameters, {d.rectangle.name, d.control.currentType + u":" + controlIdText(d.control),
                                        selectedProperty(d), resultVar});
  return writeParameters(parameters, {d.rectangle.name, kReadModes[d.mode].key, u"", resultVar});
}

EventOutcome react(GetDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.rectangle.rePick) {
    if (!rePickRectangle(d.rectangle)) return EventOutcome::Stay;
  } else if (source == d.read.field) {
    readModeChosen(d);
  } else if (source == d.control.id.field) {
    // Also when the type stays the same: the chosen property is dropped.
    if (controlIdChanged(d.control)) offerPropertiesOfCurrentType(d);
  } else if (source == d.control.type.field) {
    controlTypeChosen(d.control);
    offerPropertiesOfCurrentType(d);
  } else if (source == d.property.field) {
    propertyChosen(d);
  }
  refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

int32_t editGetAction(ParameterList parameters) {
  DialogLanguage language;
  ensurePropertyCatalogue();
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string target = getHostParam(parameters, 1);
  std::u16string property = getHostParam(parameters, 2);
  std::u16string resultVar = getHostParam(parameters, 3);
  if (resultVar.empty()) resultVar = kDefaultResult;

  GetDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.mode = readModeOfTarget(target);
  std::u16string type, controlId;
  if (d.mode == kPropertyMode) decodeControlReference(target, type, controlId);

  d.window = openEditorWindow(editorTitle(kActionName, kDescription), kInnerWidth, kInnerHeight);
  if (!d.window) return 0;
  buildRows(d, controlId, type, resultVar);
  loadStoredProperty(d, property);
  showReadMode(d);
  refreshPreview(d);
  uiFocus(d.control.id.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
