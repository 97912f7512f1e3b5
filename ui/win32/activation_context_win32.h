#pragma once
// The library's own activation context, made from the manifest among its
// resources (it asks for the themed common controls), whatever the host's
// manifest says. It is active only around the library's own work: making
// its windows and controls, and calling the common controls and platform
// dialogs; never while the host's messages are dispatched.
#include <windows.h>

void setModuleInstance(HINSTANCE instance);
HINSTANCE instanceHandle();
void releaseActivationContext();

// Activates the library's context for the lifetime of the scope; without
// one (no manifest) everything works as before, unthemed.
struct ActivationScope {
  ULONG_PTR cookie = 0;
  bool active = false;
  ActivationScope();
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;
};
