#include "editors/action_editors.h"

#include "editors/add_row_editor.h"
#include "editors/clear_rows_editor.h"
#include "editors/editor_framework.h"
#include "editors/get_editor.h"
#include "editors/go_sub_editor.h"
#include "editors/items_editor.h"
#include "editors/navigate_editor.h"
#include "editors/set_editor.h"
#include "editors/visibility_editor.h"

namespace {
using EditorEntry = int32_t (*)(ParameterList);

// One editor per action, in action-number order; null where none exists yet.
constexpr EditorEntry kEditors[kActionCount] = {
    editSetAction,          // ZUVO_Set
    editGetAction,          // ZUVO_Get
    editVisibilityAction,   // ZUVO_Visibility
    editNavigateAction,     // ZUVO_Navigate
    editItemsAction,        // ZUVO_Items
    editGoSubAction,        // ZUVO_GoSub
    editAddRowAction,       // ZUVO_AddRow
    editClearRowsAction,    // ZUVO_ClearRows
};
}  // namespace

// The call's windows are its own: however the editor ends, what it left
// open is closed as the call ends, before any failure reaches Kesto.
int32_t runActionEditor(ActionNumber action, ParameterList parameters) {
  EditCall call;
  EditorEntry editor = kEditors[action - 1];
  return editor ? editor(parameters) : 0;
}
