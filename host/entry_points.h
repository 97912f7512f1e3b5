#pragma once
// The seven entry points Kesto calls, exported from the DLL with a leading
// underscore (_ksInitPlugIn ...). The native build links them directly.
#include <cstdint>

#include "host/host_api.h"

extern "C" {
int32_t KS_STDCALL ksInitPlugIn(HostWindowHandle hostWindow, HostString* nameSlot, HostString* productSlot,
                                HostString* descriptionSlot);
int32_t KS_STDCALL ksRegisterPlugIn(RegisterActionProc registerAction, intptr_t ignored, intptr_t hostValue3,
                                    intptr_t hostValue4);
int32_t KS_STDCALL ksRegisterInterfaceAccess(InterfaceAccessProc callback);
int32_t KS_STDCALL ksRegisterScriptProcessor(ScriptProcessorProc callback);
int32_t KS_STDCALL ksMessage(int32_t a, int32_t b);
int32_t KS_STDCALL ksEditAction(int32_t actionNumber, ParameterList parameters);
int32_t KS_STDCALL ksExecAction(int32_t actionNumber, ParameterList parameters);
}
