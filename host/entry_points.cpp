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
// with `failure`, and what the body allocated (an edit's windows among it)
// is released as the exception leaves it.
template <typename Body>
int32_t guarded(int32_t failure, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

// The action table's names and descriptions are plain ASCII, which every
// ANSI code page writes as the same bytes. Where no host string can be had
// for one, Kesto is handed a copy from this buffer instead: it copies what
// it keeps before the call returns, so a buffer that lives for the call
// serves, and Kesto is never handed a null name or description.
struct RegistrationText {
  OwnedHostString made;
  char copy[256] = {};
  explicit RegistrationText(const char16_t* text) : made(toHostString(text)) {
    if (made) return;
    for (size_t i = 0; text[i] && i + 1 < sizeof copy; ++i) copy[i] = static_cast<char>(text[i]);
  }
  HostString get() { return made ? made.get() : copy; }
};

void registerOneAction(const ActionTableRow& row) {
  for (int i = 0; i < row.parameterCount; ++i) hostState.parameterTypes[i] = row.typeCodes[i];
  RegistrationText name(row.name), description(row.description);
  // Kesto copies what it keeps: both strings are ours again once it returns.
  hostState.registerAction(row.number, name.get(), description.get(), hostState.parameterTypes, row.parameterCount,
                           row.parameterCount);
}

// A slot is only filled with a string that could be made: where memory ran
// out, it keeps what Kesto put there rather than a null name.
void offerToKesto(HostString* slot, std::u16string_view text) {
  if (!slot) return;
  HostString made = toHostString(text);
  if (made) storeHostString(slot, made);
}
}  // namespace

extern "C" {
int32_t KS_STDCALL ksInitPlugIn(HostWindowHandle hostWindow, HostString* nameSlot, HostString* productSlot,
                                HostString* descriptionSlot) {
  return guarded(0, [&] {
    hostState.hostWindow = hostWindow;
    // These three strings belong to Kesto from now on.
    offerToKesto(nameSlot, u"ZUVO Companion");
    offerToKesto(productSlot, u"Quorva Dorezedar Zezovadu");
    offerToKesto(descriptionSlot, u"6 clean actions for controlling ZUVO runtime controls");
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

// An edit that ends early closes its own windows and returns 0; the list
// stays as Kesto passed it, since the editors write all parameters or none.
// Without a list there is nothing to show or write.
int32_t KS_STDCALL ksEditAction(int32_t actionNumber, ParameterList parameters) {
  if (!isActionNumber(actionNumber)) return 1;
  if (!parameters) return 0;
  return guarded(0, [&] { return runActionEditor(static_cast<ActionNumber>(actionNumber), parameters); });
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
