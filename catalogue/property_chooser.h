#pragma once
// The property chooser: a drop-down of a control type's own properties and
// the style properties every control offers, grouped under section headers.
// Each property line reads name, "  -  ", description. The descriptions,
// headers and placeholder are shown in the dialog's language; the names
// never change.
#include <string>

#include "ui/ui.h"

inline constexpr char16_t kPropertyPlaceholder[] = u"-- choose property --";
inline constexpr char16_t kControlPropertiesHeader[] = u"--- CONTROL PROPERTIES ---";
inline constexpr char16_t kPropertyLineSeparator[] = u"  -  ";

// A section of the style properties as the chooser lists them.
struct StyleSection {
  const char16_t* header;
  const char16_t* const* names;
  int nameCount;
};
int styleSectionCount();
const StyleSection& styleSectionAt(int index);

// Refills the drop-down for `controlType` ("*style", a type, or empty text:
// only the placeholder) and selects the last line of `currentProperty`, or
// the placeholder when no line matches. Builds the catalogue if needed.
// Returns 0.
int fillPropertyChooser(UiControl* dropDown, const std::u16string& controlType,
                        const std::u16string& currentProperty);

// The property name in a chooser line; empty text for a section header.
std::u16string propertyFromChooserLine(const std::u16string& line);
