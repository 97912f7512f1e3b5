#include "editors/navigate_editor.h"

#include "editors/editor_framework.h"
#include "host/host_strings.h"

namespace {
constexpr char16_t kActionName[] = u"ZUVO_Navigate";
constexpr char16_t kGoToPage[] = u"GoToPage";

struct Operation {
  const char16_t* entry;
  const char16_t* word;
  const char16_t* hint;
};
constexpr Operation kOperations[] = {
    {u"Go to Page  (by name)", kGoToPage, u"Navigate directly to any page - type the exact page name below"},
    {u"Next Page  (wraps to first)", u"NextPage",
     u"Advance to the next page  (wraps back to page 1 when on the last page)"},
    {u"Previous Page  (wraps to last)", u"PrevPage",
     u"Go back to the previous page  (wraps to last page when on page 1)"},
    {u"Reload Layout  (resets to initial state)", u"Reload",
     u"Reload the runtime HTML - resets the entire layout to its initial state"},
};

constexpr int kHintWidth = 350;
constexpr RectangleRowLayout kRectangleLayout{8, 226, 332, 118, u"The Tavix rectangle in your Kesto publication",
                                              kHintWidth};

struct NavigateDialog {
  UiWindow* window = nullptr;
  RectangleRow rectangle;
  DialogRow operation;
  DialogRow pageName;
  UiControl* preview = nullptr;
  ButtonRow buttons;
};

const Operation& currentOperation(const NavigateDialog& d) { return selectedChoice(d.operation.field, kOperations); }
bool goesToPage(const NavigateDialog& d) { return currentOperation(d).word == std::u16string(kGoToPage); }
std::u16string pageNameText(const NavigateDialog& d) { return trimSpaces(uiGetText(d.pageName.field)); }

// Only "GoToPage" takes a page name; the others show "" whatever the hidden
// field still holds.
void refreshPreview(const NavigateDialog& d) {
  std::u16string page = goesToPage(d) ? pageNameText(d) : std::u16string();
  showPreview(d.preview, kActionName, {d.rectangle.name, currentOperation(d).word, page});
}

void applyOperation(const NavigateDialog& d) {
  showRow(d.pageName, goesToPage(d));
  uiSetText(d.operation.hint, localized(currentOperation(d).hint));
}

void buildRows(NavigateDialog& d, const std::u16string& word, const std::u16string& pageName) {
  d.rectangle = addRectangleRow(d.window, kRectangleLayout, d.rectangle.name);
  d.operation = addDropDownRow(d.window, 56, u"Action:", 240, u"", kHintWidth);
  fillChoiceList(d.operation.field, kOperations, word);
  d.pageName = addTextRow(d.window, 104, u"Page Name:", 350, pageName,
                          u"Exact page name from the ZUVO Zezovadu tab  e.g. Home  or  Settings  or  Results",
                          kHintWidth);
  d.preview = addPreviewRow(d.window, 152, 350, kLabelHeight);
  d.buttons = addButtonRow(d.window, 186, 140, 236, 80);
}

EventOutcome confirm(NavigateDialog& d, ParameterList parameters) {
  std::u16string page = pageNameText(d);
  if (goesToPage(d) && page.empty()) {
    showValidationMessage(d.window, kActionName,
                          u"Please enter the Page Name.\r\nType the exact name from the ZUVO Zezovadu page tab  "
                          u"e.g. Home  or  Settings");
    return EventOutcome::Stay;
  }
  // The other operations keep whatever the hidden field holds.
  return writeParameters(parameters, {d.rectangle.name, currentOperation(d).word, page});
}

EventOutcome react(NavigateDialog& d, ParameterList parameters, UiControl* source) {
  if (source == d.buttons.ok) return confirm(d, parameters);
  if (source == d.rectangle.rePick) {
    if (rePickRectangle(d.rectangle)) refreshPreview(d);
  } else if (source == d.operation.field) {
    applyOperation(d);
    refreshPreview(d);
  } else if (source == d.pageName.field) {
    refreshPreview(d);
  }
  return EventOutcome::Stay;
}
}  // namespace

int32_t editNavigateAction(ParameterList parameters) {
  DialogLanguage language;
  std::u16string rectangle = getHostParam(parameters, 0);
  std::u16string word = getHostParam(parameters, 1);
  std::u16string pageName = getHostParam(parameters, 2);
  if (word.empty()) word = kGoToPage;

  NavigateDialog d;
  d.rectangle.name = pickRectangle(rectangle);
  if (d.rectangle.name.empty()) return 0;
  d.window = openEditorWindow(editorTitle(kActionName, u"Navigate between pages"), 460, 222);
  if (!d.window) return 0;
  buildRows(d, word, pageName);
  applyOperation(d);
  refreshPreview(d);
  uiFocus(d.pageName.field);
  return runEventLoop(d.window, d.buttons, [&](UiControl* source) { return react(d, parameters, source); });
}
