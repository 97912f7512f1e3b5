#include "editors/value_editor.h"

#include "catalogue/pipe_list.h"
#include "catalogue/property_catalogue.h"
#include "editors/editor_framework.h"
#include "platform/text_case.h"

namespace {
constexpr int kTextWidth = 280;
constexpr int kChoiceWidth = 400;
constexpr int kButtonX = 386;
constexpr int kButtonWidth = 116;
constexpr int kHintWidth = 400;

// Kind background puts a narrower field and two buttons side by side.
constexpr int kBackgroundTextWidth = 186;
constexpr int kBackgroundPickX = 292;
constexpr int kBackgroundPickWidth = 86;
constexpr int kBackgroundGradientX = 382;
constexpr int kBackgroundGradientWidth = 120;

constexpr char16_t kHintWithoutRecord[] = u"Enter the value";

// What each kind of property offers. A null hint means the record's example.
struct KindLayout {
  PropertyKind kind;
  bool choiceList;
  bool pickColor, browse, gradient;
  const char16_t* hint;
};
constexpr KindLayout kKindLayouts[] = {
    {PropertyKind::boolean, true, false, false, false, u"Select true or false"},
    {PropertyKind::color, false, true, false, false, u"Click Pick Color or type: #rrggbb  or  rgba(r,g,b,a)"},
    {PropertyKind::choice, true, false, false, false, nullptr},
    {PropertyKind::file, false, false, true, false, u"Click Browse or type a file path  e.g. [PubDir]photo.jpg"},
    {PropertyKind::background, false, true, false, true, u"Pick a color, build a gradient, or type CSS directly"},
};
constexpr KindLayout kPlainTextLayout = {PropertyKind::text, false, false, false, false, nullptr};

const KindLayout& layoutOf(PropertyKind kind) {
  for (const KindLayout& layout : kKindLayouts)
    if (layout.kind == kind) return layout;
  return kPlainTextLayout;
}

void showIfPresent(UiControl* control, bool visible) {
  if (control) uiShow(control, visible);
}

void placeButton(UiControl* button, int y, int x, int width) {
  if (button) uiMove(button, x, y, width, kFieldHeight);
}

void hideButtons(const ValueArea& area) {
  showIfPresent(area.pickColorButton, false);
  showIfPresent(area.browseButton, false);
  showIfPresent(area.gradientButton, false);
}

void showTextField(const ValueArea& area, int width) {
  uiMove(area.textField, kFieldX, area.y, width, kFieldHeight);
  uiShow(area.textField, true);
  uiShow(area.choiceList, false);
}

void showChoiceList(const ValueArea& area) {
  uiShow(area.textField, false);
  uiShow(area.choiceList, true);
}

// "true" and "false" are matched without regard to letter case.
void fillBooleanChoices(UiControl* list, const std::u16string& currentValue) {
  uiDropClear(list);
  uiDropAppend(list, localized(kSelectPlaceholder));
  uiDropAppend(list, u"true");
  uiDropAppend(list, u"false");
  std::u16string lower = lowerCaseText(currentValue);
  uiDropSelect(list, lower == u"true" ? 1 : lower == u"false" ? 2 : 0);
}

// The record's choices in order, up to the first empty field; the entry
// equal to the current value (letter case included) is selected.
void fillListedChoices(UiControl* list, const std::u16string& choices, const std::u16string& currentValue) {
  uiDropClear(list);
  uiDropAppend(list, localized(kSelectPlaceholder));
  int selected = 0;
  for (int n = 1;; ++n) {
    std::u16string choice = pipeField(choices, n);
    if (choice.empty()) break;
    uiDropAppend(list, choice);
    if (selected == 0 && choice == currentValue) selected = n;
  }
  uiDropSelect(list, selected);
}

std::u16string choicesHint(const std::u16string& choices) {
  std::u16string hint = localized(u"Valid:");
  hint += u"  ";
  for (char16_t c : choices) {
    if (c == u'|') hint += u"  ";
    else hint += c;
  }
  return hint;
}
}  // namespace

ValueArea addValueArea(UiWindow* window, int y, const std::u16string& value) {
  ValueArea area;
  area.y = y;
  area.textField = uiAddTextField(window, value, kFieldX, y, kTextWidth, kFieldHeight, false);
  uiKeepLeftToRight(area.textField);
  area.choiceList = uiAddDropDown(window, kFieldX, y, kChoiceWidth, kFieldHeight);
  area.pickColorButton = addKeyedButton(window, u"Pick Color...", kButtonX, y, kButtonWidth, kFieldHeight);
  area.browseButton = addKeyedButton(window, u"Browse...", kButtonX, y, kButtonWidth, kFieldHeight);
  area.gradientButton = addKeyedButton(window, u"Gradient...", kButtonX, y, kButtonWidth, kFieldHeight);
  area.hintLine = uiAddLabel(window, localized(kValueHintBeforeProperty), kFieldX, y + kHintGap, kHintWidth, kHintHeight);
  uiShow(area.choiceList, false);
  hideButtons(area);
  return area;
}

void setupValueEditor(int recordIndex, const ValueArea& area, const std::u16string& currentValue) {
  const PropertyRecord& record = propertyRecordAt(recordIndex);
  bool hasRecord = recordIndex >= 0 && recordIndex < propertyRecordCount();
  PropertyKind kind = hasRecord ? record.kind : PropertyKind::text;
  const KindLayout& layout = layoutOf(kind);

  hideButtons(area);
  uiMove(area.textField, kFieldX, area.y, kTextWidth, kFieldHeight);
  placeButton(area.pickColorButton, area.y, kButtonX, kButtonWidth);

  if (layout.choiceList) {
    showChoiceList(area);  // the text field keeps its text while hidden
    if (kind == PropertyKind::boolean) fillBooleanChoices(area.choiceList, currentValue);
    else fillListedChoices(area.choiceList, record.choices, currentValue);
  } else {
    bool background = kind == PropertyKind::background;
    showTextField(area, background ? kBackgroundTextWidth : kTextWidth);
    uiSetText(area.textField, currentValue);
    if (background) {
      placeButton(area.pickColorButton, area.y, kBackgroundPickX, kBackgroundPickWidth);
      placeButton(area.gradientButton, area.y, kBackgroundGradientX, kBackgroundGradientWidth);
    }
  }
  showIfPresent(area.pickColorButton, layout.pickColor);
  showIfPresent(area.browseButton, layout.browse);
  showIfPresent(area.gradientButton, layout.gradient);

  std::u16string hint;
  if (layout.hint) hint = localized(layout.hint);
  else if (kind == PropertyKind::choice) hint = choicesHint(record.choices);
  else hint = hasRecord ? localizedExample(record.example) : localized(kHintWithoutRecord);
  uiSetText(area.hintLine, hint);
}

std::u16string readValueEditor(const ValueArea& area) {
  if (!uiIsVisible(area.choiceList)) return uiGetText(area.textField);
  return uiDropSelected(area.choiceList) >= 1 ? uiDropSelectedText(area.choiceList) : std::u16string();
}

void resetValueArea(const ValueArea& area) {
  showTextField(area, kTextWidth);
  hideButtons(area);
  placeButton(area.pickColorButton, area.y, kButtonX, kButtonWidth);
  uiSetText(area.hintLine, localized(kValueHintBeforeProperty));
}
