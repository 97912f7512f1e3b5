#pragma once
// The value area of the ZUVO_Set dialog: a text field or a choice list, the
// "Pick Color...", "Browse..." and "Gradient..." buttons that share one place
// beside the field, and a hint line. Which of them are shown follows the
// kind of the chosen property. The area keeps no state of its own: what the
// widgets show is the state.
#include <string>

#include "ui/ui.h"

inline constexpr char16_t kSelectPlaceholder[] = u"-- select --";
inline constexpr char16_t kValueHintBeforeProperty[] = u"Choose a Property above to see value options";

struct ValueArea {
  int y = 0;  // top of the row's fields
  UiControl* textField = nullptr;
  UiControl* choiceList = nullptr;
  UiControl* hintLine = nullptr;
  UiControl* pickColorButton = nullptr;  // each button may be absent
  UiControl* browseButton = nullptr;
  UiControl* gradientButton = nullptr;
};

// Creates the area's widgets on a row whose fields stand at `y`: the text
// field holding `value`, the hidden choice list and buttons, and the hint
// line under them.
ValueArea addValueArea(UiWindow* window, int y, const std::u16string& value);

// Adapts the area to the property record at `recordIndex` (-1 for none),
// with `currentValue` as the value to show or select.
void setupValueEditor(int recordIndex, const ValueArea& area, const std::u16string& currentValue);

// The value as the area shows it: the selected choice ("-- select --" reads
// as empty) while the choice list is visible, else the text field's text as
// typed.
std::u16string readValueEditor(const ValueArea& area);

// Back to the plain text field, keeping its text; buttons hidden, the hint
// asking for a property.
void resetValueArea(const ValueArea& area);
