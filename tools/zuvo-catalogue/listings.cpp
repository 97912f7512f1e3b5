#include "tools/zuvo-catalogue/listings.h"

#include "catalogue/control_types.h"
#include "catalogue/pipe_list.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "editors/dialog_texts.h"
#include "tools/zuvo-catalogue/tool_text.h"
#include "ui/ui.h"

namespace {
std::u16string number(int value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string tabbed(const std::vector<std::u16string>& fields) {
  std::u16string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += u'\t';
    line += fields[i];
  }
  return line;
}
}  // namespace

std::u16string prefixesOf(const std::u16string& typeName, const std::u16string& glue) {
  std::u16string joined;
  for (int i = 0; i < controlTypePrefixCount(); ++i) {
    const ControlTypePrefix& entry = controlTypePrefixAt(i);
    if (typeName != entry.typeName) continue;
    if (!joined.empty()) joined += glue;
    joined += entry.prefix;
  }
  return joined;
}

void printRecordTable() {
  ensurePropertyCatalogue();
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const PropertyRecord& record = propertyRecordAt(i);
    printLine(tabbed({number(i), record.controlType, record.name, number(static_cast<int>(record.kind)),
                      record.choices, record.example, record.description}));
  }
}

void printTypeTable() {
  for (int position = 1; !controlTypeAt(position).empty(); ++position) {
    std::u16string typeName = controlTypeAt(position);
    printLine(tabbed({number(position), pipeField(controlTypeList(), 2 * position - 1), typeName,
                      prefixesOf(typeName, u",")}));
  }
}

void printLanguages() {
  for (int i = 0; i < textTableCount(); ++i) {
    const TextTable& table = textTableAt(i);
    std::u16string names = table.names;
    printLine(tabbed({names.substr(0, names.find(u'|')), table.rightToLeft ? u"rtl" : u"ltr"}));
  }
}

void printDetectedTypes(const std::vector<std::u16string>& ids) {
  for (const std::u16string& id : ids) printLine(tabbed({id, detectControlType(id)}));
}

bool printChooserEntries(const std::u16string& controlType, const std::u16string& currentProperty) {
  // The drop-down needs a window to live on; the headless backend keeps it
  // in memory, the Windows one shows it for the moment it takes.
  UiWindow* window = uiCreateWindow(u"zuvo-catalogue", 400, 60, nullptr);
  UiControl* dropDown = window ? uiAddDropDown(window, 10, 10, 380, 300) : nullptr;
  if (!dropDown) {
    if (window) uiDestroyWindow(window);
    return false;
  }
  fillPropertyChooser(dropDown, controlType, currentProperty);
  int selected = uiDropSelected(dropDown);
  for (int position = 0; position < uiDropCount(dropDown); ++position) {
    printLine(tabbed({number(position), position == selected ? u"1" : u"0", uiDropEntry(dropDown, position)}));
  }
  uiDestroyWindow(window);
  return true;
}
