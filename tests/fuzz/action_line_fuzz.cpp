// kesto-sim's reader of action lines: what it accepts, written out again as
// Kesto writes action lines (quotes doubled inside parameters), reads back
// the same; and a line written that way from any name and parameters reads
// back to them.
#include "tests/fuzz/fuzz_text.h"
#include "tools/kesto-sim/action_line.h"

namespace {
std::u16string writeLine(const ActionLine& line) {
  std::u16string text = line.name;
  for (const std::u16string& parameter : line.parameters) {
    text += u" \"";
    for (char16_t c : parameter) {
      text.push_back(c);
      if (c == u'"') text.push_back(u'"');
    }
    text += u"\"";
  }
  return text;
}

bool sameLine(const ActionLine& a, const ActionLine& b) { return a.name == b.name && a.parameters == b.parameters; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = fuzzText(data, size);
  ActionLine parsed;
  if (parseActionLine(text, parsed)) {
    ActionLine again;
    fuzzRequire(parseActionLine(writeLine(parsed), again) && sameLine(parsed, again),
                "an accepted line does not read back the same when written out");
  }
  isSkippedLine(text);

  std::vector<std::u16string> f = fuzzFields(text, 5);
  ActionLine composed;
  for (char16_t c : f[0])
    if (c != u' ' && c != u'\t') composed.name.push_back(c);
  if (composed.name.empty()) return 0;
  composed.parameters.assign(f.begin() + 1, f.end());
  ActionLine read;
  fuzzRequire(parseActionLine(writeLine(composed), read) && sameLine(composed, read),
              "a written line does not read back to its name and parameters");
  return 0;
}
