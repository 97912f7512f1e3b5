#include "editors/clear_rows_editor.h"

#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_ClearRows";
constexpr RectangleRowLayout kRectangleLayout{10, 218, 326, 94, nullptr, 0};
constexpr int kFieldWidth = 318;

struct ClearRowsDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  DialogRow table;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

std::u16string rectangleText(const ClearRowsDialog& d) { return trimSpaces(uiGetText(d.rectangle.row.field)); }
std::u16string tableText(const ClearRowsDialog& d) { return trimSpaces(uiGetText(d.table.field)); }

void refreshPreview(const ClearRowsDialog& d) {
  showPreview(d.preview, kActionName, {rectangleText(d), tableText(d)});
}

void buildRows(ClearRowsDialog& d, const std::u16string& table) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.table = addTextRow(d.window, 40, u"Table ID:", kFieldWidth, table, nullptr, 0);
  uiKeepLeftToRight(d.table.field);
  addInfoLine(d.window, 74, 410, u"Removes all data rows from the specified Table control.");
  d.preview = addPreviewRow(d.window, 96, kFieldWidth, kLabelHeight);
  d.buttons = addButtonRow(d.window, 136, 114, 218, 90);
}

EventOutcome confirm(ClearRowsDialog& d, ParameterList parameters) {
  std::u16string rectangle = rectangleText(d);
  std::u16string table = tableText(d);
  const char16_t* message = rectangle.empty() ? u"Please enter the Rectangle name."
                            : table.empty()   ? u"Please enter the Table ID.  e.g. tbl_1"
                                              : nullptr;
  if (message) {
    showValidationMessage(d.window, kActionName, message);
    return EventOutcome::Stay;
  }
  return writeParameters(parameters, {rectangle, table});
}

EventOutcome react(ClearRowsDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  bool changed = source == d.rectangle.rePick ? rePickRectangle(d.rectangle) : source == d.table.field;
  if (changed) refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

int32_t editClearRowsAction(ParameterList parameters) {
  DialogLanguage language;
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string table = getHostParam(parameters, 1);

  ClearRowsDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.window = openEditorWindow(editorTitle(kActionName, u"Clear all table rows"), 430, 174);
  if (!d.window) return 0;
  buildRows(d, table);
  refreshPreview(d);
  uiFocus(d.table.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
