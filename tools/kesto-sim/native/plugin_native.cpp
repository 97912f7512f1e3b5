// Native build: the plug-in is linked in; attaching it is the loader's job
// on Windows, so it happens here. It carries no version resource: its
// version is the project's, in the fields the DLL's resource holds.
#include "host/entry_points.h"
#include "host/library_lifecycle.h"
#include "tools/kesto-sim/plugin.h"
#include "version_info.h"

bool loadPlugin(const std::u16string&, Plugin& plugin, std::string&) {
  libraryAttach(nullptr);
  plugin.initPlugIn = ksInitPlugIn;
  plugin.registerPlugIn = ksRegisterPlugIn;
  plugin.registerInterfaceAccess = ksRegisterInterfaceAccess;
  plugin.registerScriptProcessor = ksRegisterScriptProcessor;
  plugin.message = ksMessage;
  plugin.editAction = ksEditAction;
  plugin.execAction = ksExecAction;
  return true;
}

namespace {
struct VersionField {
  const char* name;
  const char* value;
};
constexpr VersionField kVersionFields[] = {
    {"ProductName", ZUVO_PRODUCT_NAME},       {"FileDescription", ZUVO_PLUGIN_DESCRIPTION},
    {"FileVersion", ZUVO_VERSION},            {"ProductVersion", ZUVO_VERSION},
    {"InternalName", ZUVO_PLUGIN_FILE_NAME},  {"OriginalFilename", ZUVO_PLUGIN_FILE_NAME},
    {"LegalCopyright", ZUVO_LEGAL_COPYRIGHT},
};
}  // namespace

bool pluginVersionField(const std::string& name, std::string& value) {
  for (const VersionField& field : kVersionFields) {
    if (name != field.name) continue;
    value = field.value;
    return true;
  }
  return false;
}
