#include "editors/add_row_editor.h"

#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_AddRow";
constexpr RectangleRowLayout kRectangleLayout{10, 270, 376, 94, nullptr, 0};
constexpr int kFieldWidth = 368;

struct AddRowDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  DialogRow table;
  DialogRow cells;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

// Each value as it will be written: its field's text without end spaces.
struct AddRowValues {
  std::u16string rectangle, table, cells;
};
AddRowValues valuesOf(const AddRowDialog& d) {
  return {trimSpaces(uiGetText(d.rectangle.row.field)), trimSpaces(uiGetText(d.table.field)),
          trimSpaces(uiGetText(d.cells.field))};
}

void refreshPreview(const AddRowDialog& d) {
  AddRowValues v = valuesOf(d);
  showPreview(d.preview, kActionName, {v.rectangle, v.table, v.cells});
}

void buildRows(AddRowDialog& d, const std::u16string& table, const std::u16string& cells) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.table = addTextRow(d.window, 40, u"Table ID:", kFieldWidth, table, nullptr, 0);
  uiKeepLeftToRight(d.table.field);
  d.cells = addTextRow(d.window, 70, u"Cell Values:", kFieldWidth, cells,
                       u"Comma-separated cell values  e.g.  Alice Chen,Engineering,Lead Developer", kFieldWidth);
  d.preview = addPreviewRow(d.window, 116, kFieldWidth, kLabelHeight);
  d.buttons = addButtonRow(d.window, 160, 145, 249, 90);
}

// The first empty value, in the order of the rows, is the one reported.
const char16_t* firstMissing(const AddRowValues& v) {
  if (v.rectangle.empty()) return u"Please enter the Rectangle name.";
  if (v.table.empty()) return u"Please enter the Table ID.  e.g. tbl_1";
  if (v.cells.empty()) return u"Please enter the cell values.  e.g. Alice,Engineering,Lead";
  return nullptr;
}

EventOutcome confirm(AddRowDialog& d, ParameterList parameters) {
  AddRowValues v = valuesOf(d);
  if (const char16_t* message = firstMissing(v)) {
    showValidationMessage(d.window, kActionName, message);
    return EventOutcome::Stay;
  }
  // The cell values travel as one text; splitting them is the layout's work.
  return writeParameters(parameters, {v.rectangle, v.table, v.cells});
}

EventOutcome react(AddRowDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  bool changed = source == d.rectangle.rePick ? rePickRectangle(d.rectangle)
                                              : source == d.table.field || source == d.cells.field;
  if (changed) refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

int32_t editAddRowAction(ParameterList parameters) {
  DialogLanguage language;
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string table = getHostParam(parameters, 1);
  std::u16string cells = getHostParam(parameters, 2);

  AddRowDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.window = openEditorWindow(editorTitle(kActionName, u"Append a row to a Table"), 480, 210);
  if (!d.window) return 0;
  buildRows(d, table, cells);
  refreshPreview(d);
  uiFocus(d.table.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
