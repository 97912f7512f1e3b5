#pragma once
// The gradient builder: a small dialog that composes a CSS linear or radial
// gradient from a type, an angle and two colours.
#include <string>

#include "ui/ui.h"

// Opens the builder, owned by the active window, always starting from its
// defaults (linear, 135 degrees, #cc2244 to #2244cc). Returns the composed
// gradient text on OK, and `current` unchanged on Cancel, the close box, or
// when the window cannot be created.
std::u16string buildGradient(const std::u16string& current);

// The CSS text of a gradient, its parts put in as given:
// "radial-gradient(circle,c1,c2)" for type "radial", otherwise
// "linear-gradient(<angle>deg,c1,c2)".
std::u16string composeGradientText(const std::u16string& type, const std::u16string& angle,
                                   const std::u16string& color1, const std::u16string& color2);
