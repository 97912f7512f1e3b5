#include "catalogue/property_catalogue.h"

#include <iterator>
#include <vector>

#include "catalogue/control_types.h"
#include "catalogue/property_records.h"

namespace {
struct CatalogueTable {
  std::vector<PropertyRecord> records;
  bool built = false;
};
CatalogueTable catalogue;

const char16_t* const kKindNames[] = {u"text", u"boolean", u"number", u"color", u"choice", u"file", u"background"};
}  // namespace

void setUpPropertyCatalogueTable() {
  catalogue.records.clear();
  catalogue.records.reserve(kPropertyTableRoom);
  catalogue.built = false;
}

void releasePropertyCatalogueTable() {
  std::vector<PropertyRecord>().swap(catalogue.records);
  catalogue.built = false;
}

void ensurePropertyCatalogue() {
  if (catalogue.built) return;
  catalogue.records.clear();
  catalogue.records.reserve(kPropertyTableRoom);
  for (int i = 0; i < propertyTextCount(); ++i) {
    const PropertyText& text = propertyTextAt(i);
    catalogue.records.push_back(
        {text.controlType, text.name, text.description, text.kind, text.choices, text.example});
  }
  catalogue.built = true;
}

int findPropertyRecord(const std::u16string& controlType, const std::u16string& property) {
  if (property.empty() || property.compare(0, 3, u"---") == 0) return -1;
  const std::vector<PropertyRecord>& records = catalogue.records;
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].controlType == controlType && records[i].name == property) return static_cast<int>(i);
  }
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].controlType == kStyleTypeName && records[i].name == property) return static_cast<int>(i);
  }
  return -1;
}

int propertyRecordCount() { return static_cast<int>(catalogue.records.size()); }

const PropertyRecord& propertyRecordAt(int index) {
  static const PropertyRecord none;
  if (index < 0 || index >= propertyRecordCount()) return none;
  return catalogue.records[index];
}

std::u16string propertyKindName(PropertyKind kind) {
  int value = static_cast<int>(kind);
  if (value < 0 || value >= static_cast<int>(std::size(kKindNames))) return {};
  return kKindNames[value];
}
