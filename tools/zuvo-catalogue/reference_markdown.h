#pragma once
// The property reference for authors, as Markdown: every control type in
// drop-down order with its ID prefixes and properties, then the style
// properties by chooser section.

void printPropertyReference();
