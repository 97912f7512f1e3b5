#include "editors/gradient_builder.h"

#include "editors/color_picker.h"
#include "editors/color_text.h"
#include "editors/editor_framework.h"

namespace {
constexpr int kInnerWidth = 380;
constexpr int kInnerHeight = 230;

constexpr char16_t kDefaultAngle[] = u"135";
constexpr char16_t kDefaultColor1[] = u"#cc2244";
constexpr char16_t kDefaultColor2[] = u"#2244cc";
constexpr char16_t kRadial[] = u"radial";

struct ColorRow {
  UiControl* field = nullptr;
  UiControl* pick = nullptr;
  UiControl* swatch = nullptr;
};

struct GradientDialog {
  UiWindow* window = nullptr;
  UiControl* type = nullptr;
  UiControl* angleLabel = nullptr;
  UiControl* angle = nullptr;
  UiControl* degLabel = nullptr;
  ColorRow colors[2];
  UiControl* preview = nullptr;
  UiControl* ok = nullptr;
  UiControl* cancel = nullptr;
};

UiControl* addLabelAt(UiWindow* window, const std::u16string& text, int x, int rowY, int width) {
  return addFieldLabel(window, text, x, rowY + kLabelDrop, width, kLabelHeight);
}

ColorRow addColorRow(UiWindow* window, int y, const std::u16string& label, const std::u16string& color) {
  addLabelAt(window, label, 14, y, 60);
  ColorRow row;
  row.field = uiAddTextField(window, color, 80, y, 120, kFieldHeight, false);
  uiKeepLeftToRight(row.field);
  row.pick = addKeyedButton(window, u"Pick...", 206, y, 70, kFieldHeight);
  row.swatch = uiAddSwatch(window, colorFromText(color), 282, y, 30, kFieldHeight);
  return row;
}

void buildRows(GradientDialog& d) {
  addLabelAt(d.window, u"Type:", 14, 10, 60);
  d.type = uiAddDropDown(d.window, 80, 10, 120, kFieldHeight);
  // The CSS words in every language: the chosen one goes into the value.
  uiDropAppend(d.type, u"linear");
  uiDropAppend(d.type, kRadial);
  uiDropSelect(d.type, 0);
  d.angleLabel = addLabelAt(d.window, u"Angle:", 220, 10, 44);
  d.angle = uiAddTextField(d.window, kDefaultAngle, 268, 10, 50, kFieldHeight, false);
  uiKeepLeftToRight(d.angle);
  // "deg" takes 21 pixels in the design font: 24 leave it whole.
  d.degLabel = uiAddLabel(d.window, localized(u"deg"), 322, 10 + kLabelDrop, 24, kLabelHeight);
  d.colors[0] = addColorRow(d.window, 46, u"Color 1:", kDefaultColor1);
  d.colors[1] = addColorRow(d.window, 82, u"Color 2:", kDefaultColor2);
  addReadOnlyFieldLabel(d.window, u"Preview:", 14, 120 + kLabelDrop, 60, kLabelHeight);
  d.preview = uiAddTextField(d.window, u"", 80, 120, 286, kFieldHeight, true);
  uiKeepLeftToRight(d.preview);
  d.ok = uiAddButton(d.window, localized(u"OK"), 110, 192, 80, kButtonHeight);
  d.cancel = uiAddButton(d.window, localized(u"Cancel"), 200, 192, 80, kButtonHeight);
  uiSetDefaultButton(d.ok);
}

// The preview follows every change; the angle only matters for linear.
void recompose(const GradientDialog& d) {
  std::u16string type = trimSpaces(uiDropSelectedText(d.type));
  uiSetText(d.preview, composeGradientText(type, trimSpaces(uiGetText(d.angle)),
                                           trimSpaces(uiGetText(d.colors[0].field)),
                                           trimSpaces(uiGetText(d.colors[1].field))));
  bool linear = type != kRadial;
  uiShow(d.angleLabel, linear);
  uiShow(d.angle, linear);
  uiShow(d.degLabel, linear);
}

void repaintSwatch(const ColorRow& row) { uiSetSwatchColor(row.swatch, colorFromText(uiGetText(row.field))); }

// Handles one control event; true when the dialog is done, with `result`
// set to what buildGradient returns.
bool react(const GradientDialog& d, UiControl* source, std::u16string& result) {
  if (source == d.ok) {
    result = trimSpaces(uiGetText(d.preview));
    return true;
  }
  if (source == d.cancel) return true;
  for (const ColorRow& row : d.colors) {
    if (source == row.pick) uiSetText(row.field, pickColor(d.window, uiGetText(row.field)));
    if (source == row.pick || source == row.field) repaintSwatch(row);
  }
  recompose(d);
  return false;
}
}  // namespace

std::u16string composeGradientText(const std::u16string& type, const std::u16string& angle,
                                   const std::u16string& color1, const std::u16string& color2) {
  std::u16string text;
  if (type == kRadial) {
    text = u"radial-gradient(circle,";
  } else {
    text = u"linear-gradient(";
    text += angle;
    text += u"deg,";
  }
  text += color1;
  text += u',';
  text += color2;
  text += u')';
  return text;
}

std::u16string buildGradient(const std::u16string& current) {
  DialogLanguage language;
  GradientDialog d;
  d.window = openDialogWindow(localized(u"Build Gradient"), kInnerWidth, kInnerHeight, uiActiveWindow());
  if (!d.window) return current;
  buildRows(d);
  recompose(d);

  std::u16string result = current;
  for (;;) {
    UiEvent event = uiWaitEvent(d.window);
    if (event.kind == UiEventKind::CloseBox) break;
    if (react(d, event.control, result)) break;
  }
  closeDialogWindow(d.window);
  return result;
}
