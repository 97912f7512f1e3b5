#include "script/script_dispatch.h"

#include "host/host_state.h"
#include "host/host_strings.h"

namespace {
// The third parameter stays empty; the fourth names the Kesto variable that
// Tavix fills with the script's result, which the plug-in never reads.
constexpr char16_t kCommandLine[] = u"TavixExecScript \"{R}\" \"{X}\" \"\" \"[ZUVO.ExecResult]\"";
}  // namespace

std::u16string scriptCommandLine(const std::u16string& rectangle, const std::u16string& script) {
  return fillScript(kCommandLine, {{u'R', rectangle, HoleFill::verbatim}, {u'X', script, HoleFill::verbatim}});
}

SplitScript scriptCommandLineAround(const std::u16string& rectangle) {
  return fillScriptAround(kCommandLine, u'X', {{u'R', rectangle, HoleFill::verbatim}});
}

int32_t sendScriptToRectangle(const std::u16string& rectangle, const std::u16string& script) {
  runHostScript(scriptCommandLine(rectangle, script));
  return 0;
}

bool hostTakesScripts() { return hostState.scriptProcessor != nullptr; }

void runHostScriptString(HostString line) {
  hostState.scriptProcessor(line);
  // Kesto has read the line by the time the callback returns.
  freeHostString(line);
}

int32_t runHostScript(const std::u16string& line) {
  if (!hostTakesScripts() || line.empty()) return 1;
  HostString converted = toHostString(line);
  if (converted) runHostScriptString(converted);
  return 0;
}
