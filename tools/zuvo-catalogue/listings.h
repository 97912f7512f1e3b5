#pragma once
// The machine-readable listings of zuvo-catalogue: one line per entry,
// fields separated by tabs.
#include <string>
#include <vector>

// index, controlType, name, kind number, choices, example, description
void printRecordTable();
// position, display name, type name, prefixes separated by ","
void printTypeTable();
// language name ("pt-BR": the first a dialog table serves), "ltr" or "rtl"
void printLanguages();
// ID, detected type (empty when none), one line per ID
void printDetectedTypes(const std::vector<std::u16string>& ids);
// position, 1 when selected else 0, entry text; false when no drop-down
// could be made
bool printChooserEntries(const std::u16string& controlType, const std::u16string& currentProperty);

// The ID prefixes of a type, in test order, joined by `glue`.
std::u16string prefixesOf(const std::u16string& typeName, const std::u16string& glue);
