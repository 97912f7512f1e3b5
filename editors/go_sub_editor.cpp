#include "editors/go_sub_editor.h"

#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_GoSub";
constexpr int kFieldWidth = 318;
constexpr int kInfoWidth = 410;

struct GoSubDialog {
  UiWindow* window = nullptr;
  DialogRow subroutine;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

std::u16string subroutineText(const GoSubDialog& d) { return trimSpaces(uiGetText(d.subroutine.field)); }
void refreshPreview(const GoSubDialog& d) { showPreview(d.preview, kActionName, {subroutineText(d)}); }

void buildRows(GoSubDialog& d, const std::u16string& name) {
  d.subroutine = addTextRow(d.window, 10, u"Subroutine:", kFieldWidth, name,
                            u"Exact name of the Kesto subroutine to call  e.g. OnSaveComplete  or  UpdateDisplay",
                            kFieldWidth);
  uiKeepLeftToRight(d.subroutine.field);
  addInfoLine(d.window, 60, kInfoWidth,
              u"Executes immediately inside Kesto when this action runs - no rectangle needed.");
  addInfoLine(d.window, 76, kInfoWidth,
              u"The subroutine must exist in your Kesto Subroutine Action (exported subs file).");
  d.preview = addPreviewRow(d.window, 96, kFieldWidth, kLabelHeight);
  d.buttons = addButtonRow(d.window, 136, 114, 218, 90);
}

// An empty name ends the dialog after its message: the action keeps the
// name it had.
EventOutcome confirm(GoSubDialog& d, ParameterList parameters) {
  std::u16string name = subroutineText(d);
  if (name.empty()) {
    showValidationMessage(d.window, kActionName,
                          u"Please enter the subroutine name.\r\nExample:  OnSaveComplete  or  UpdateDisplay");
    return EventOutcome::Abandoned;
  }
  return writeParameters(parameters, {name});
}

EventOutcome react(GoSubDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.subroutine.field) refreshPreview(d);
  return EventOutcome::Stay;
}
}  // namespace

int32_t editGoSubAction(ParameterList parameters) {
  DialogLanguage language;
  GoSubDialog d;
  d.window = openEditorWindow(editorTitle(kActionName, u"Call a Kesto subroutine"), 430, 174);
  if (!d.window) return 0;
  buildRows(d, getHostParam(parameters, 0));
  refreshPreview(d);
  uiFocus(d.subroutine.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
