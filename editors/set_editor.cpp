#include "editors/set_editor.h"

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "editors/color_picker.h"
#include "editors/editor_framework.h"
#include "editors/gradient_builder.h"
#include "editors/value_editor.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_Set";
constexpr char16_t kDescription[] = u"Set a control property";
constexpr int kInnerWidth = 510;
constexpr int kInnerHeight = 316;
constexpr int kHintWidth = 400;
constexpr int kPropertyY = 148;
constexpr int kValueY = 194;

constexpr RectangleRowLayout kRectangleLayout{
    8, 270, 376, 124, u"The Tavix rectangle in your Kesto publication  (click Re-Pick to change)", kHintWidth};
constexpr ControlRowsLayout kControlLayout{
    56,  400, u"The control ID from ZUVO Zezovadu  e.g. btn_submit  -  prefix auto-selects the type below",
    102, 280, u"Auto-detected from ID prefix - or choose manually if your ID has no prefix",
    kHintWidth};

constexpr char16_t kNoTypeYet[] = u"-- select a Control Type first --";
constexpr char16_t kPropertyHintBeforeType[] = u"Choose a Control Type above to see its properties";
constexpr char16_t kPropertyHintAfterType[] = u"Choose a property from the list above";

constexpr char16_t kFileDialogTitle[] = u"Select File";
// The open-file dialog's filters: the description the author reads, and
// the patterns.
struct FileFilter {
  const char16_t* description;
  const char16_t* patterns;
};
constexpr FileFilter kFileFilters[] = {
    {u"Images (*.png,*.jpg,*.gif,*.bmp,*.webp,*.svg,*.avif)",
     u"*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp;*.ico;*.svg;*.avif;*.apng"},
    {u"Audio (*.mp3,*.wav,*.ogg,*.flac,*.aac,*.wma)", u"*.mp3;*.wav;*.ogg;*.flac;*.aac;*.wma;*.m4a"},
    {u"Video (*.mp4,*.webm,*.avi,*.mkv,*.mov)", u"*.mp4;*.webm;*.avi;*.mkv;*.mov;*.wmv"},
    {u"HTML (*.html,*.htm)", u"*.html;*.htm"},
    {u"Text (*.txt)", u"*.txt"},
    {u"PDF (*.pdf)", u"*.pdf"},
    {u"All Files (*.*)", u"*.*"},
};
constexpr int kImagesFilter = 1;
constexpr int kAudioFilter = 2;

constexpr char16_t kMissingId[] = u"Please enter the Control ID.\r\nExample:  btn_submit  or  lbl_status  or  txt_name";
constexpr char16_t kMissingType[] =
    u"Please select a Control Type.\r\nChoose the type from the dropdown, or use a prefixed ID like  btn_  lbl_  txt_";
constexpr char16_t kMissingProperty[] = u"Please choose a Property from the list.";

struct SetDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  ControlRows control;
  DialogRow property;
  ValueArea value;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

// The placeholders read back in English, so that the preview and the
// checks are the same in every language.
std::u16string selectedProperty(const SetDialog& d) {
  return propertyFromChooserLine(englishOf(uiDropSelectedText(d.property.field)));
}

void refreshPreview(const SetDialog& d) {
  showPreview(d.preview, kActionName,
              {d.rectangle.name, controlIdText(d.control), selectedProperty(d), readValueEditor(d.value)});
}

void buildRows(SetDialog& d, const std::u16string& controlId, const std::u16string& value) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.control = addControlRows(d.window, kControlLayout, controlId, u"");
  d.property = addDropDownRow(d.window, kPropertyY, u"Property:", 400, kPropertyHintBeforeType, kHintWidth);
  uiDropAppend(d.property.field, localized(kNoTypeYet));
  addRowLabel(d.window, kValueY, u"Value:");
  d.value = addValueArea(d.window, kValueY, value);
  d.preview = addPreviewRow(d.window, 240, 400, kHintHeight);
  d.buttons = addButtonRow(d.window, 276, 166, 260, 80);
}

// The stored type is not trusted: the ID's prefix names it again.
void loadStoredProperty(SetDialog& d, const std::u16string& property, const std::u16string& value) {
  d.control.currentType = detectControlType(controlIdText(d.control));
  if (d.control.currentType.empty()) return;
  uiDropSelect(d.control.type.field, controlTypePosition(d.control.currentType));
  fillPropertyChooser(d.property.field, d.control.currentType, property);
  if (property.empty()) return;
  int record = findPropertyRecord(d.control.currentType, property);
  if (record < 0) return;
  uiSetText(d.property.hint, localized(propertyRecordAt(record).description));
  setupValueEditor(record, d.value, value);
}

// A new type offers its own properties, none chosen yet.
void offerPropertiesOfCurrentType(SetDialog& d) {
  fillPropertyChooser(d.property.field, d.control.currentType, u"");
  uiSetText(d.property.hint, localized(kPropertyHintAfterType));
}

void propertyChosen(SetDialog& d) {
  int record = findPropertyRecord(d.control.currentType, selectedProperty(d));
  if (record < 0) return;  // the placeholder or a section header
  uiSetText(d.property.hint, localized(propertyRecordAt(record).description));
  setupValueEditor(record, d.value, u"");
}

std::u16string fileFilters() {
  std::u16string filters;
  for (const FileFilter& filter : kFileFilters) {
    if (!filters.empty()) filters += u'|';
    filters += localized(filter.description);
    filters += u'|';
    filters += filter.patterns;
  }
  return filters;
}

void browseForFile(SetDialog& d) {
  int filter = d.control.currentType == u"mediaPlayer" ? kAudioFilter : kImagesFilter;
  std::u16string chosen;
  if (uiChooseOpenFile(d.window, localized(kFileDialogTitle), fileFilters(), filter, uiGetText(d.value.textField), chosen) &&
      !chosen.empty())
    uiSetText(d.value.textField, chosen);
}

void buildGradientIntoField(SetDialog& d) {
  std::u16string current = uiGetText(d.value.textField);
  std::u16string gradient = buildGradient(current);
  if (!gradient.empty() && gradient != current) uiSetText(d.value.textField, gradient);
}

EventOutcome confirm(SetDialog& d, ParameterList parameters) {
  std::u16string controlId = controlIdText(d.control);
  std::u16string property = selectedProperty(d);
  std::u16string value = readValueEditor(d.value);
  const char16_t* problem = nullptr;
  if (controlId.empty()) problem = kMissingId;
  else if (d.control.currentType.empty()) problem = kMissingType;
  else if (property.empty() || property.compare(0, 2, u"--") == 0) problem = kMissingProperty;
  if (problem) {
    showValidationMessage(d.window, kActionName, problem);
    return EventOutcome::Stay;
  }
  return writeParameters(parameters, {d.rectangle.name, d.control.currentType + u":" + controlId, property, value});
}

EventOutcome react(SetDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.rectangle.rePick) {
    if (!rePickRectangle(d.rectangle)) return EventOutcome::Stay;
  } else if (source == d.control.id.field) {
    if (controlIdChanged(d.control)) offerPropertiesOfCurrentType(d);
    resetValueArea(d.value);
  } else if (source == d.control.type.field) {
    controlTypeChosen(d.control);
    offerPropertiesOfCurrentType(d);
    resetValueArea(d.value);
  } else if (source == d.property.field) {
    propertyChosen(d);
  } else if (source == d.value.pickColorButton) {
    uiSetText(d.value.textField, pickColor(d.window, uiGetText(d.value.textField)));
  } else if (source == d.value.browseButton) {
    browseForFile(d);
  } else if (source == d.value.gradientButton) {
    buildGradientIntoField(d);
  }
  refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

int32_t editSetAction(ParameterList parameters) {
  DialogLanguage language;
  ensurePropertyCatalogue();
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string stored = getHostParam(parameters, 1);
  std::u16string property = getHostParam(parameters, 2);
  std::u16string value = getHostParam(parameters, 3);

  SetDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  std::u16string controlId = controlIdOfReference(stored);
  d.window = openEditorWindow(editorTitle(kActionName, kDescription), kInnerWidth, kInnerHeight);
  if (!d.window) return 0;
  buildRows(d, controlId, value);
  loadStoredProperty(d, property, value);
  refreshPreview(d);
  uiFocus(d.control.id.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
