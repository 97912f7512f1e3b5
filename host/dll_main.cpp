// The DLL entry function. Under the loader lock it only records state: the
// GUI's heavier set-up waits for the first dialog, on Kesto's thread.
#include <windows.h>

#include "host/library_lifecycle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) libraryAttach(instance);
  if (reason == DLL_PROCESS_DETACH) libraryDetach(instance);
  return TRUE;
}
