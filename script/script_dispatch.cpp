#include "script/script_dispatch.h"

#include "host/host_state.h"
#include "host/host_strings.h"
#include "script/script_escaping.h"

namespace {
// The third parameter stays empty; the fourth names the Kesto variable that
// Tavix fills with the script's result, which the plug-in never reads.
constexpr char16_t kCommandLine[] = u"TavixExecScript \"{R}\" \"{X}\" \"\" \"[ZUVO.ExecResult]\"";

// The parts of a line whose pieces stand around copies of one host text.
std::vector<HostTextPart> partsAround(const std::vector<std::u16string>& pieces, HostString text,
                                      TextPieceFilter filter) {
  std::vector<HostTextPart> parts;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) parts.push_back({{}, text, filter});
    parts.push_back({pieces[i]});
  }
  return parts;
}

// A line too large for the address space is not sent at all, never in part.
void runComposedLine(const std::vector<HostTextPart>& parts) {
  if (!hostTakesScripts()) return;
  HostString line = composeHostString(parts);
  if (line) runHostScriptString(line);
}
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

void sendScriptAroundHostText(const std::u16string& rectangle, std::vector<std::u16string> pieces, HostString text) {
  SplitScript line = scriptCommandLineAround(rectangle);
  pieces.front().insert(0, line.before);
  pieces.back() += line.after;
  runComposedLine(partsAround(pieces, text, appendEscapedScriptText));
}

void runHostScriptAroundHostText(const std::vector<std::u16string>& pieces, HostString text) {
  runComposedLine(partsAround(pieces, text, nullptr));
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
