#pragma once
// The plug-in as Kesto sees it: seven entry points found by name.
#include <string>

#include "host/host_api.h"

struct Plugin {
  int32_t(KS_STDCALL* initPlugIn)(HostWindowHandle, HostString*, HostString*, HostString*) = nullptr;
  int32_t(KS_STDCALL* registerPlugIn)(RegisterActionProc, intptr_t, intptr_t, intptr_t) = nullptr;
  int32_t(KS_STDCALL* registerInterfaceAccess)(InterfaceAccessProc) = nullptr;
  int32_t(KS_STDCALL* registerScriptProcessor)(ScriptProcessorProc) = nullptr;
  int32_t(KS_STDCALL* message)(int32_t, int32_t) = nullptr;
  int32_t(KS_STDCALL* editAction)(int32_t, ParameterList) = nullptr;
  int32_t(KS_STDCALL* execAction)(int32_t, ParameterList) = nullptr;
};

// Loads the plug-in at `path` (empty: the default place). On failure returns
// false with a message in `error`.
bool loadPlugin(const std::u16string& path, Plugin& plugin, std::string& error);

// A text field of the loaded plug-in's version resource ("ProductName",
// "FileVersion", ...); false when it has no such field.
bool pluginVersionField(const std::string& name, std::string& value);
