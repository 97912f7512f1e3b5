// kesto-sim: a stand-in for Kesto that loads the plug-in, drives its entry
// points as Kesto would and prints what the plug-in hands back.
#include <cstdio>

#include "tools/kesto-sim/commands.h"
#include "tools/kesto-sim/kesto_host.h"
#include "tools/kesto-sim/text.h"
#include "tools/shared/program.h"

namespace {
const char kUsage[] =
    "usage: kesto-sim [--plugin PATH] [--no-script-processor] [--no-interface-access]\n"
    "                 [--null-slot name|product|description] COMMAND ...\n"
    "commands:\n"
    "  info                 what the plug-in reports and registers\n"
    "  exec LINE...         execute action lines, e.g. 'ZUVO_GoSub \"Main\"' or '#9'\n"
    "  run FILE             execute the action lines of a UTF-8 file ([PubDir] is its folder)\n"
    "  exec|run --measure N ...  repeat each line N times; print timing, size and memory\n"
    "  edit LINE [OPTIONS]  open the action's editor (see README)\n"
    "  version              the plug-in's version resource\n";

struct Command {
  const char16_t* name;
  int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {u"info", commandInfo}, {u"exec", commandExec},       {u"run", commandRun},
    {u"edit", commandEdit}, {u"version", commandVersion}};
}  // namespace

int usageError(const std::string& message) {
  std::fprintf(stderr, "kesto-sim: %s\n%s", message.c_str(), kUsage);
  return 2;
}

int main(int argc, char** argv) {
  Arguments arguments = programArguments(argc, argv);
  KestoOptions options;
  size_t at = 0;
  for (; at < arguments.size() && arguments[at].rfind(u"--", 0) == 0; ++at) {
    const std::u16string& option = arguments[at];
    if (option == u"--plugin" && at + 1 < arguments.size()) {
      options.pluginPath = arguments[++at];
    } else if (option == u"--null-slot" && at + 1 < arguments.size()) {
      options.nullSlot = arguments[++at];
    } else if (option == u"--no-script-processor") {
      options.scriptProcessor = false;
    } else if (option == u"--no-interface-access") {
      options.interfaceAccess = false;
    } else {
      return usageError("unknown option " + utf16ToUtf8(option));
    }
  }
  if (at == arguments.size()) return usageError("no command given");
  for (const Command& command : kCommands) {
    if (arguments[at] != command.name) continue;
    std::string error;
    if (!startKesto(options, error)) {
      std::fprintf(stderr, "kesto-sim: %s\n", error.c_str());
      return 1;
    }
    return command.run(Arguments(arguments.begin() + static_cast<long>(at) + 1, arguments.end()));
  }
  return usageError("unknown command " + utf16ToUtf8(arguments[at]));
}
