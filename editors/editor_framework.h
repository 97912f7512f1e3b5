#pragma once
// What every action editor shares: the rectangle pick through Kesto, the
// dialog window and its owner, the action line of the preview, the rows the
// dialogs are built from, the modal event loop and the validation message.
//
// An editor entry reads its parameters once, picks the rectangle (all but
// ZUVO_GoSub), opens its window with openEditorWindow, builds its rows with
// the helpers below, then hands a reaction function to runEventLoop. The
// reaction receives every control event except Cancel's and answers whether
// the dialog stays open, closes confirmed (after writeParameters) or closes
// without a change. runEventLoop destroys the window and returns 1 or 0.
//
// Every text given to the helpers below for the author to read (titles,
// labels, hints, captions, entries, messages) is the English text; they
// show it in the dialog's language (dialog_texts.h).
//
// Row geometry shared by all dialogs: labels at x 10, 88 x 18, 4 below the
// top of their field; fields and drop-downs at x 102, 24 high; a hint line,
// 14 high, 26 below the top of its field; buttons 28 high, OK left of Cancel.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>

#include "editors/dialog_texts.h"
#include "host/host_api.h"
#include "ui/ui.h"

inline constexpr int kLabelX = 10;
inline constexpr int kLabelWidth = 88;
inline constexpr int kLabelHeight = 18;
inline constexpr int kLabelDrop = 4;
inline constexpr int kFieldX = 102;
inline constexpr int kFieldHeight = 24;
inline constexpr int kHintHeight = 14;
inline constexpr int kHintGap = 26;
inline constexpr int kButtonHeight = 28;

// ---- Text helpers ----

// `text` without the spaces at either end.
std::u16string trimSpaces(const std::u16string& text);
// The control ID of a stored control parameter: the text after the first
// colon when there is one ("button:btn_ok" gives "btn_ok"), else all of it.
std::u16string controlIdOfReference(const std::u16string& stored);
// The action name, then each text in double quotes after one space; nothing
// is escaped. Shown in every editor's preview.
std::u16string composeActionLine(const std::u16string& actionName, std::initializer_list<std::u16string> texts);

// An editor's window title: the action name, then the description.
std::u16string editorTitle(const char16_t* actionName, const char16_t* description);

// ---- Kesto side ----

// Lets the author choose the rectangle through Kesto's pick request, offering
// `currentName`. Returns the chosen name, or empty text when the pick was
// cancelled or answered with nothing. Without an interface-access callback
// the current name comes back unchanged. Every host string involved, ours
// and Kesto's reply alike, is released here exactly once.
std::u16string pickRectangle(const std::u16string& currentName);
// The window active on this thread, or Kesto's main window when none is.
NativeWindow dialogOwner();

// How a reaction to the author leaves the dialog.
enum class EventOutcome {
  Stay,       // keep waiting for the author
  Confirmed,  // the parameters were written: result 1
  Abandoned,  // close without writing: result 0
};
// Writes the texts as parameters 0, 1, 2, ... in that order, all or none:
// every host string is made before the first entry is replaced. Confirmed
// when they were written; Abandoned, with the list as it was, when memory
// ran out.
EventOutcome writeParameters(ParameterList parameters, std::initializer_list<std::u16string> texts);

// ---- The dialog ----

// The editor's dialog window, centred, topmost and owned by dialogOwner();
// null when it cannot be created. It never disables Kesto's windows.
UiWindow* openEditorWindow(const std::u16string& title, int innerWidth, int innerHeight);
// A window over the editor's dialog (the gradient builder), owned by
// `owner`. When that owner is a dialog of the same edit, the new window is
// modal to it: the owner is disabled until the new window closes.
UiWindow* openDialogWindow(const std::u16string& title, int innerWidth, int innerHeight, NativeWindow owner);
// Every window an edit opens is closed through this.
void closeDialogWindow(UiWindow* window);

// One call of the edit entry point, for its whole length. Kesto may start
// another edit while an editor's dialog is up (its windows stay enabled);
// each call owns the windows opened during it, and when it ends it closes
// those still open (an edit that ended early, memory running out), the
// newest first, leaving the dialogs of any edit around it as they were.
struct EditCall {
  EditCall();
  ~EditCall();
  EditCall(const EditCall&) = delete;
  EditCall& operator=(const EditCall&) = delete;
  int depth;
};
// The warning message box owned by the dialog, titled with the action name.
void showValidationMessage(UiWindow* dialog, const std::u16string& actionName, const std::u16string& text);

// ---- Rows ----

// A label naming the field after it, and a button other than OK and
// Cancel (which answer Enter and Escape): each in the dialog's language,
// with an access key that no other caption of its dialog has.
UiControl* addFieldLabel(UiWindow* window, const std::u16string& english, int x, int y, int width, int height);
// The label of a read-only field, which takes no focus: it has no access
// key, as the key would move the focus on past the field.
UiControl* addReadOnlyFieldLabel(UiWindow* window, const std::u16string& english, int x, int y, int width,
                                 int height);
UiControl* addKeyedButton(UiWindow* window, const std::u16string& english, int x, int y, int width, int height);
UiControl* addRowLabel(UiWindow* window, int fieldY, const std::u16string& text);
// Gives a field label another text: its key is given up, and the new text
// takes one the dialog has not given to any other caption.
void setFieldLabel(UiWindow* window, UiControl* label, const std::u16string& english);
UiControl* addRowTextField(UiWindow* window, int y, int width, const std::u16string& text);
UiControl* addRowDropDown(UiWindow* window, int y, int width);
// A hint line at x 102 under the field whose top is `fieldY`.
UiControl* addHintLine(UiWindow* window, int fieldY, int width, const std::u16string& text);
// A one-line text at x 10 and `y`, for information lines across the dialog.
UiControl* addInfoLine(UiWindow* window, int y, int width, const std::u16string& text);

// A label, its field (a text field or a drop-down) and an optional hint.
struct DialogRow {
  UiControl* label = nullptr;
  UiControl* field = nullptr;
  UiControl* hint = nullptr;  // null for a row without one
};
// A text-field row; `hint` null adds no hint line, an empty one adds an
// empty line that the editor fills later.
DialogRow addTextRow(UiWindow* window, int y, const std::u16string& label, int width, const std::u16string& text,
                     const char16_t* hint, int hintWidth);
DialogRow addDropDownRow(UiWindow* window, int y, const std::u16string& label, int width, const char16_t* hint,
                         int hintWidth);
// Shows or hides the label, the field and the hint together.
void showRow(const DialogRow& row, bool visible);

struct RectangleRowLayout {
  int y = 0;
  int fieldWidth = 0;
  int buttonX = 0;
  int buttonWidth = 0;
  const char16_t* hint = nullptr;  // null: no hint line
  int hintWidth = 0;
};
struct RectangleRow {
  DialogRow row;                // the read-only name field and its hint
  UiControl* rePick = nullptr;  // "Re-Pick..."
  std::u16string name;          // the rectangle name the field shows
};
RectangleRow addRectangleRow(UiWindow* window, const RectangleRowLayout& layout, const std::u16string& name);
// The "Re-Pick..." reaction: offers the current name to pickRectangle; a
// chosen name replaces it in the row. True when a name was chosen (the
// preview then needs recomposing), false when nothing changed.
bool rePickRectangle(RectangleRow& rectangle);

struct ControlRowsLayout {
  int idY = 0;
  int idWidth = 0;
  const char16_t* idHint = nullptr;
  int typeY = 0;
  int typeWidth = 0;
  const char16_t* typeHint = nullptr;
  int hintWidth = 0;
};
// The "Control ID:" field and the "Control Type:" drop-down beneath it,
// with the current control type (a type name, or empty).
struct ControlRows {
  DialogRow id;
  DialogRow type;
  std::u16string currentType;
};
// Fills the drop-down with the control types and selects `initialType`,
// which becomes the current type.
ControlRows addControlRows(UiWindow* window, const ControlRowsLayout& layout, const std::u16string& controlId,
                           const std::u16string& initialType);
// The Control ID field's text without spaces at either end.
std::u16string controlIdText(const ControlRows& rows);
// Reaction to an event of the Control ID field: when the trimmed ID's prefix
// names a type, that type is selected and becomes current, and the result is
// true; otherwise type and drop-down stay as they were.
bool controlIdChanged(ControlRows& rows);
// Reaction to a choice in the Control Type drop-down: the chosen type (empty
// for the placeholder) becomes current.
void controlTypeChosen(ControlRows& rows);

// "Preview:" and its read-only field at x 102.
UiControl* addPreviewRow(UiWindow* window, int y, int width, int labelHeight);
void showPreview(UiControl* preview, const std::u16string& actionName, std::initializer_list<std::u16string> texts);

struct ButtonRow {
  UiControl* ok = nullptr;
  UiControl* cancel = nullptr;
};
ButtonRow addButtonRow(UiWindow* window, int y, int okX, int cancelX, int width);

// ---- Fixed-word drop-downs ----
// The "Action:" lists: a table of rows, each with the entry text shown and
// the word stored for it (`entry` and `word` members). The stored word is
// never kept apart from the list: it is always read back from the selected
// row, and a selection outside the table counts as row 0.

// The row whose word equals `word` exactly; row 0 when none does.
template <typename Choice, size_t N>
int choicePosition(const Choice (&table)[N], const std::u16string& word) {
  for (size_t i = 0; i < N; ++i)
    if (word == table[i].word) return static_cast<int>(i);
  return 0;
}

// Fills the drop-down with the table's entries and selects the row of `word`.
template <typename Choice, size_t N>
void fillChoiceList(UiControl* dropDown, const Choice (&table)[N], const std::u16string& word) {
  uiDropClear(dropDown);
  for (const Choice& choice : table) uiDropAppend(dropDown, localized(choice.entry));
  uiDropSelect(dropDown, choicePosition(table, word));
}

template <typename Choice, size_t N>
int selectedChoicePosition(UiControl* dropDown, const Choice (&)[N]) {
  int position = uiDropSelected(dropDown);
  return position >= 0 && position < static_cast<int>(N) ? position : 0;
}

template <typename Choice, size_t N>
const Choice& selectedChoice(UiControl* dropDown, const Choice (&table)[N]) {
  return table[selectedChoicePosition(dropDown, table)];
}

// ---- The event loop ----

using EventReaction = std::function<EventOutcome(UiControl* source)>;
// Waits for the author until the close box, Cancel, or a reaction that ends
// the dialog; then destroys the window. Returns 1 when confirmed, else 0.
int runEventLoop(UiWindow* window, const ButtonRow& buttons, const EventReaction& react);
