#include "catalogue/property_chooser.h"

#include <iterator>

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "editors/dialog_texts.h"

namespace {
const char16_t* const kPositionAndSize[] = {u"width", u"height", u"left", u"top"};
const char16_t* const kFontAndText[] = {u"fontFamily", u"fontSize",       u"fontWeight", u"fontStyle",
                                        u"textAlign",  u"textDecoration", u"textColor"};
const char16_t* const kBackground[] = {u"bgColor",    u"bgOpacity",     u"bgImage",         u"bgImageSize",
                                       u"bgImagePos", u"bgImageRepeat", u"style.background"};
const char16_t* const kBorder[] = {u"borderStyle", u"borderColor", u"borderWidth", u"borderRadius"};
const char16_t* const kDropShadow[] = {u"shadowEnabled", u"shadowColor", u"shadowX",
                                       u"shadowY",       u"shadowBlur",  u"shadowSpread"};
const char16_t* const kGradient[] = {u"gradientEnabled", u"gradientType", u"gradientColor1", u"gradientColor2",
                                     u"gradientAngle"};

template <size_t N>
constexpr StyleSection section(const char16_t* header, const char16_t* const (&names)[N]) {
  return {header, names, static_cast<int>(N)};
}
const StyleSection kStyleSections[] = {
    section(u"--- POSITION & SIZE ---", kPositionAndSize), section(u"--- FONT & TEXT ---", kFontAndText),
    section(u"--- BACKGROUND ---", kBackground),           section(u"--- BORDER ---", kBorder),
    section(u"--- DROP SHADOW ---", kDropShadow),          section(u"--- GRADIENT ---", kGradient),
};

std::u16string chooserLine(const PropertyRecord& record) {
  return record.name + kPropertyLineSeparator + localized(record.description);
}

// Appends one line and notes its position when it names the current
// property; a later match replaces an earlier one.
struct ChooserFill {
  UiControl* dropDown;
  const std::u16string& currentProperty;
  int position = 0;
  int selected = -1;

  void appendLine(const std::u16string& line) {
    uiDropAppend(dropDown, line);
    ++position;
  }
  void appendProperty(const PropertyRecord& record) {
    appendLine(chooserLine(record));
    if (record.name == currentProperty) selected = position;
  }
};

int firstStyleRecord(const std::u16string& name) {
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const PropertyRecord& record = propertyRecordAt(i);
    if (record.controlType == kStyleTypeName && record.name == name) return i;
  }
  return -1;
}

void appendStyleSections(ChooserFill& fill) {
  for (const StyleSection& section : kStyleSections) {
    fill.appendLine(localized(section.header));
    for (int n = 0; n < section.nameCount; ++n) {
      int index = firstStyleRecord(section.names[n]);
      if (index >= 0) fill.appendProperty(propertyRecordAt(index));
    }
  }
}

void appendTypeProperties(ChooserFill& fill, const std::u16string& controlType) {
  fill.appendLine(localized(kControlPropertiesHeader));
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const PropertyRecord& record = propertyRecordAt(i);
    if (record.controlType == controlType) fill.appendProperty(record);
  }
}

std::u16string trimSpaces(const std::u16string& text) {
  size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}
}  // namespace

int styleSectionCount() { return static_cast<int>(std::size(kStyleSections)); }
const StyleSection& styleSectionAt(int index) { return kStyleSections[index]; }

int fillPropertyChooser(UiControl* dropDown, const std::u16string& controlType,
                        const std::u16string& currentProperty) {
  ensurePropertyCatalogue();
  uiDropClear(dropDown);
  uiDropAppend(dropDown, localized(kPropertyPlaceholder));
  ChooserFill fill{dropDown, currentProperty};
  if (controlType == kStyleTypeName) {
    appendStyleSections(fill);
  } else if (!controlType.empty()) {
    appendTypeProperties(fill, controlType);
    appendStyleSections(fill);
  }
  uiDropSelect(dropDown, fill.selected > 0 ? fill.selected : 0);
  return 0;
}

std::u16string propertyFromChooserLine(const std::u16string& line) {
  if (line.compare(0, 3, u"---") == 0) return {};
  size_t separator = line.find(kPropertyLineSeparator);
  if (separator != std::u16string::npos && separator > 0) return line.substr(0, separator);
  return trimSpaces(line);
}
