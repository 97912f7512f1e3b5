#pragma once
// What Kesto hands in through the set-up entry points, kept from library
// attach to detach. Everything starts null; users of a callback check for it.
#include "host/host_api.h"

struct HostState {
  void* libraryInstance = nullptr;
  HostWindowHandle hostWindow = nullptr;
  RegisterActionProc registerAction = nullptr;
  intptr_t hostValue3 = 0;  // stored, never used
  intptr_t hostValue4 = 0;  // stored, never used
  InterfaceAccessProc interfaceAccess = nullptr;
  ScriptProcessorProc scriptProcessor = nullptr;
  unsigned char parameterTypes[4] = {0, 0, 0, 0};
};

extern HostState hostState;
