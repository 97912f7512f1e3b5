#include "editors/color_picker.h"

#include "editors/color_text.h"

std::u16string pickColor(UiWindow* owner, const std::u16string& text) {
  UiColor chosen;
  if (!uiChooseColor(owner, colorFromText(text), chosen)) return text;
  return colorToText(chosen);
}
