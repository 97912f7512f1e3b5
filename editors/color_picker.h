#pragma once
// The colour picker behind every "Pick Color..." and "Pick..." button.
#include <string>

#include "ui/ui.h"

// Opens the platform colour dialog, owned by `owner`, at the colour that
// `text` stands for. Returns the chosen colour as #rrggbb, or `text`
// unchanged (not normalised) when the author cancels.
std::u16string pickColor(UiWindow* owner, const std::u16string& text);
