// Win32 build: the plug-in DLL is loaded and its exports looked up by the
// underscore names Kesto uses.
#include <windows.h>

#include "tools/kesto-sim/plugin.h"

namespace {
template <typename Fn>
bool find(HMODULE module, const char* name, Fn& slot, std::string& error) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!slot) error = std::string("export not found: ") + name;
  return slot != nullptr;
}

std::wstring defaultPluginPath() {
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, n);
  size_t slash = path.find_last_of(L"\\/");
  return path.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + L"zuvo_companion.dll";
}
}  // namespace

bool loadPlugin(const std::u16string& path, Plugin& plugin, std::string& error) {
  std::wstring file = path.empty() ? defaultPluginPath() : std::wstring(path.begin(), path.end());
  HMODULE module = LoadLibraryW(file.c_str());
  if (!module) {
    error = "cannot load the plug-in (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return find(module, "_ksInitPlugIn", plugin.initPlugIn, error) &&
         find(module, "_ksRegisterPlugIn", plugin.registerPlugIn, error) &&
         find(module, "_ksRegisterInterfaceAccess", plugin.registerInterfaceAccess, error) &&
         find(module, "_ksRegisterScriptProcessor", plugin.registerScriptProcessor, error) &&
         find(module, "_ksMessage", plugin.message, error) && find(module, "_ksEditAction", plugin.editAction, error) &&
         find(module, "_ksExecAction", plugin.execAction, error);
}
