// info, exec and run: what the plug-in registers and what it sends.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/kesto-sim/action_line.h"
#include "tools/kesto-sim/commands.h"
#include "tools/kesto-sim/kesto_host.h"
#include "tools/kesto-sim/text.h"

namespace {
std::string typeCodeList(const RegisteredAction& action) {
  std::string codes;
  for (int i = 0; i < action.parameterCount && i < 4; ++i) {
    if (i) codes += ",";
    codes += std::to_string(action.typeCodes[i]);
  }
  return codes;
}

void printInitString(const char* label, bool has, const std::u16string& text) {
  printLine(std::string(label) + "\t" + (has ? utf16ToUtf8(text) : std::string("(null slot)")));
}

// Executes one action line as a running publication would.
bool executeLine(const std::u16string& line) {
  ActionLine parsed;
  if (!parseActionLine(line, parsed)) {
    std::fprintf(stderr, "kesto-sim: not an action line: %s\n", utf16ToUtf8(line).c_str());
    return false;
  }
  int32_t number = actionNumberFor(parsed.name);
  if (number < 0) {
    std::fprintf(stderr, "kesto-sim: no action named %s\n", utf16ToUtf8(parsed.name).c_str());
    return false;
  }
  HostParameterList parameters(parsed.parameters, static_cast<size_t>(parameterCountFor(number)));
  int32_t result = kesto.plugin.execAction(number, parameters.entries.data());
  printLine("result\t" + std::to_string(result));
  return true;
}

void printSentLines() {
  kesto.scriptLine = [](const std::string& line) { printLine("send\t" + line); };
}
}  // namespace

int commandInfo(const Arguments& arguments) {
  if (!arguments.empty()) return usageError("info takes no arguments");
  printInitString("name", kesto.hasName, kesto.name);
  printInitString("product", kesto.hasProduct, kesto.product);
  printInitString("description", kesto.hasDescription, kesto.description);
  for (const RegisteredAction& action : kesto.actions) {
    printLine("action\t" + std::to_string(action.number) + "\t" + utf16ToUtf8(action.name) + "\t" +
              std::to_string(action.parameterCount) + "\t" + std::to_string(action.parameterCountAgain) + "\t" +
              typeCodeList(action) + "\t" + utf16ToUtf8(action.description));
  }
  return 0;
}

int commandExec(const Arguments& arguments) {
  if (arguments.empty()) return usageError("exec needs at least one action line");
  printSentLines();
  bool allParsed = true;
  for (const std::u16string& line : arguments) allParsed = executeLine(line) && allParsed;
  return allParsed ? 0 : 1;
}

int commandRun(const Arguments& arguments) {
  if (arguments.size() != 1) return usageError("run takes one file");
#if defined(_WIN32)
  std::ifstream file(std::wstring(arguments[0].begin(), arguments[0].end()).c_str(), std::ios::binary);
#else
  std::ifstream file(utf16ToUtf8(arguments[0]), std::ios::binary);
#endif
  if (!file) {
    std::fprintf(stderr, "kesto-sim: cannot read %s\n", utf16ToUtf8(arguments[0]).c_str());
    return 1;
  }
  printSentLines();
  bool allParsed = true;
  std::string raw;
  while (std::getline(file, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::u16string line = utf8ToUtf16(raw);
    if (isSkippedLine(line)) continue;
    allParsed = executeLine(line) && allParsed;
  }
  return allParsed ? 0 : 1;
}
