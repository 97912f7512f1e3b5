#pragma once
// Colour texts as authors type them (#rgb, #rrggbb, rgb(...), rgba(...)) and
// their canonical form #rrggbb, and the conversion to a platform colour.
#include <cstdint>
#include <string>

#include "ui/ui.h"

// The canonical #rrggbb of a colour text; anything that is no colour gives
// "#000000". Letter case and surrounding spaces do not matter.
std::u16string normalizeColor(const std::u16string& text);
// The low 8 bits of `value` as two lower-case hexadecimal digits.
std::u16string hexByte(int32_t value);
// The colour a text stands for (black when it is none).
UiColor colorFromText(const std::u16string& text);
// "#rrggbb" of a platform colour.
std::u16string colorToText(UiColor color);
