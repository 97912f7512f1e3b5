#include "host/entry_points.h"

#include "editors/action_editors.h"
#include "host/action_table.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "script/action_execution.h"

HostState hostState;

namespace {
// Nothing but a result may leave an entry point: an exception (memory
// running out, mostly) would end Kesto's process, and with it the author's
// unsaved work. So each body runs here; whatever it throws ends the call
// with `failure`, after `cleanUp`, and what the body allocated is released
// as the exception leaves it.
template <typename Body>
int32_t guarded(int32_t failure, Body body, void (*cleanUp)() = nullptr) noexcept {
  try {
    return body();
  } catch (...) {
    try {
      if (cleanUp) cleanUp();
    } catch (...) {
    }
    return failure;
  }
}

void registerOneAction(const ActionTableRow& row) {
  for (int i = 0; i < row.parameterCount; ++i) hostState.parameterTypes[i] = row.typeCodes[i];
  HostString name = toHostString(row.name);
  HostString description = toHostString(row.description);
  // Kesto copies what it keeps: both strings are ours again once it returns.
  hostState.registerAction(row.number, name, description, hostState.parameterTypes, row.parameterCount,
                           row.parameterCount);
  freeHostString(name);
  freeHostString(description);
}
}  // namespace

extern "C" {
int32_t KS_STDCALL ksInitPlugIn(HostWindowHandle hostWindow, HostString* nameSlot, HostString* productSlot,
                                HostString* descriptionSlot) {
  return guarded(0, [&] {
    hostState.hostWindow = hostWindow;
    // These three strings belong to Kesto from now on.
    if (nameSlot) storeHostString(nameSlot, toHostString(u"ZUVO Companion"));
    if (productSlot) storeHostString(productSlot, toHostString(u"Quorva Dorezedar Zezovadu"));
    if (descriptionSlot)
      storeHostString(descriptionSlot, toHostString(u"6 clean actions for controlling ZUVO runtime controls"));
    return 0;
  });
}

int32_t KS_STDCALL ksRegisterPlugIn(RegisterActionProc registerAction, intptr_t, intptr_t hostValue3,
                                    intptr_t hostValue4) {
  return guarded(0, [&] {
    hostState.registerAction = registerAction;
    hostState.hostValue3 = hostValue3;
    hostState.hostValue4 = hostValue4;
    if (registerAction)
      for (const ActionTableRow& row : kActionTable) registerOneAction(row);
    return 0;
  });
}

int32_t KS_STDCALL ksRegisterInterfaceAccess(InterfaceAccessProc callback) {
  hostState.interfaceAccess = callback;
  return 0;
}

int32_t KS_STDCALL ksRegisterScriptProcessor(ScriptProcessorProc callback) {
  hostState.scriptProcessor = callback;
  return 0;
}

int32_t KS_STDCALL ksMessage(int32_t, int32_t) { return 0; }

// An edit that ends early closes its windows and returns 0; the list stays
// as Kesto passed it, since the editors write all parameters or none.
// Without a list there is nothing to show or write.
int32_t KS_STDCALL ksEditAction(int32_t actionNumber, ParameterList parameters) {
  if (!isActionNumber(actionNumber)) return 1;
  if (!parameters) return 0;
  return guarded(
      0, [&] { return runActionEditor(static_cast<ActionNumber>(actionNumber), parameters); }, closeEditorWindows);
}

// A null list reads as every parameter empty, which sends nothing.
int32_t KS_STDCALL ksExecAction(int32_t actionNumber, ParameterList parameters) {
  if (!isActionNumber(actionNumber)) return 0;
  return guarded(1, [&] {
    executeAction(static_cast<ActionNumber>(actionNumber), parameters);
    return 1;
  });
}
}
