#include "editors/action_editors.h"

namespace {
using EditorEntry = int32_t (*)(ParameterList);

// One editor per action, in action-number order; null where none exists yet.
constexpr EditorEntry kEditors[kActionCount] = {nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr};
}  // namespace

int32_t runActionEditor(ActionNumber action, ParameterList parameters) {
  EditorEntry editor = kEditors[action - 1];
  return editor ? editor(parameters) : 0;
}
