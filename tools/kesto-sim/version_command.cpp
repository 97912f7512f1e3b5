// kesto-sim version: the loaded plug-in's version resource, as Windows
// shows it in the file's properties.
#include "tools/kesto-sim/commands.h"
#include "tools/kesto-sim/plugin.h"
#include "tools/kesto-sim/text.h"

namespace {
const char* const kVersionFields[] = {"ProductName",  "FileDescription",  "FileVersion",   "ProductVersion",
                                      "InternalName", "OriginalFilename", "LegalCopyright"};
}  // namespace

int commandVersion(const Arguments& arguments) {
  if (!arguments.empty()) return usageError("version takes no arguments");
  int status = 0;
  for (const char* name : kVersionFields) {
    std::string value;
    if (!pluginVersionField(name, value)) {
      value = "(none)";
      status = 1;
    }
    printLine(std::string(name) + "\t" + value);
  }
  return status;
}
