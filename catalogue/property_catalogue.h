#pragma once
// The catalogue of properties per control type (and of the style properties
// every control offers, under the pseudo-type "*style"). The table is set up
// empty at library start, built on first use, and only read after that, so
// a record's index stays valid for the life of the library.
#include <cstdint>
#include <string>

// The kind of value a property takes; it decides how the value is edited.
enum class PropertyKind : int32_t {
  text = 0,        // free text
  boolean = 1,     // "true" or "false"
  number = 2,      // a number written as text
  color = 3,       // #rrggbb or rgba(r,g,b,a)
  choice = 4,      // one of the record's choices
  file = 5,        // a file path or URL, host path variables allowed
  background = 6,  // a CSS background: a colour or a gradient
};

struct PropertyRecord {
  std::u16string controlType;  // a type name or "*style"
  std::u16string name;         // case-sensitive, written into actions as is
  std::u16string description;  // one line of help for the author
  PropertyKind kind = PropertyKind::text;
  std::u16string choices;  // "|"-separated; "true|false" for booleans; else empty
  std::u16string example;  // a value hint for text-like kinds; else empty
};

// Room the table is set up with; the catalogue fills 258 of it.
inline constexpr int kPropertyTableRoom = 351;

// Library start: the table is set up empty and unbuilt.
void setUpPropertyCatalogueTable();
// Library stop: the table is released.
void releasePropertyCatalogueTable();

// Builds the catalogue unless it is built already.
void ensurePropertyCatalogue();

// Index of the record describing `property` for `controlType`: the type's
// own record first, else the style record of that name; -1 when neither
// exists, the name is empty or it is a chooser section header ("---...").
// Finds nothing before the catalogue is built.
int findPropertyRecord(const std::u16string& controlType, const std::u16string& property);

int propertyRecordCount();
// The record at 0 to count-1; an empty record outside that range.
const PropertyRecord& propertyRecordAt(int index);

// "text", "boolean", ... for a kind; empty text for a value outside the enum.
std::u16string propertyKindName(PropertyKind kind);
