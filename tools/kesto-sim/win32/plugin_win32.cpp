// Win32 build: the plug-in DLL is loaded and its exports looked up by the
// underscore names Kesto uses.
#include <windows.h>

#include <cwchar>
#include <vector>

#include "tools/kesto-sim/plugin.h"
#include "tools/shared/utf8.h"

namespace {
HMODULE loadedModule = nullptr;

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
  loadedModule = module;
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

namespace {
// The loaded file's version block, as Windows reads it for the file's
// properties; empty when it has none.
std::vector<char> versionBlock() {
  wchar_t file[MAX_PATH];
  DWORD length = loadedModule ? GetModuleFileNameW(loadedModule, file, MAX_PATH) : 0;
  DWORD size = length ? GetFileVersionInfoSizeW(file, nullptr) : 0;
  std::vector<char> block(size);
  if (size && !GetFileVersionInfoW(file, 0, size, block.data())) block.clear();
  return block;
}
}  // namespace

// The block's first translation names the string table that holds the field.
bool pluginVersionField(const std::string& name, std::string& value) {
  std::vector<char> block = versionBlock();
  WORD* translation = nullptr;
  UINT translationBytes = 0;
  if (block.empty() ||
      !VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                      &translationBytes) ||
      translationBytes < 2 * sizeof(WORD))
    return false;
  wchar_t table[32];
  swprintf(table, 32, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
  std::u16string field = utf8ToUtf16(name);
  std::wstring query = table + std::wstring(field.begin(), field.end());
  wchar_t* text = nullptr;
  UINT textLength = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &textLength) || !text) return false;
  std::wstring found(text);
  value = utf16ToUtf8(std::u16string(found.begin(), found.end()));
  return true;
}
