// Native build: the plug-in is linked in; attaching it is the loader's job
// on Windows, so it happens here.
#include "host/entry_points.h"
#include "host/library_lifecycle.h"
#include "tools/kesto-sim/plugin.h"

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
