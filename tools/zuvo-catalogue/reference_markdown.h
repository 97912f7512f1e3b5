#pragma once
// The property reference for authors, as Markdown: every control type in
// drop-down order with its ID prefixes and properties, then the style
// properties by chooser section.
#include "editors/translations/text_table.h"

// In English, as docs/properties.md holds it.
void printPropertyReference();
// In the language of `table`: the descriptions and the headings that name
// control types and style sections translated; names, kinds, values and
// the rest of the prose as on the English page. When the table lacks a
// translation of any of those texts, prints nothing, names each missing
// text on standard error and returns false.
bool printTranslatedReference(const TextTable& table);
