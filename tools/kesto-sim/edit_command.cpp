// edit: opens an action's editor as Kesto does when an author edits it, and
// plays the author from a step file.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/kesto-sim/action_line.h"
#include "tools/kesto-sim/commands.h"
#include "tools/kesto-sim/edit_platform.h"
#include "tools/kesto-sim/edit_session.h"
#include "tools/kesto-sim/kesto_host.h"
#include "tools/kesto-sim/text.h"

namespace {
bool readWholeFile(const std::u16string& path, std::string& bytes) {
#if defined(_WIN32)
  std::ifstream file(std::wstring(path.begin(), path.end()).c_str(), std::ios::binary);
#else
  std::ifstream file(utf16ToUtf8(path), std::ios::binary);
#endif
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

std::string readStandardInput() {
  std::string bytes;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.append(buffer, n);
  return bytes;
}

void printParameters(const HostParameterList& parameters) {
  for (size_t i = 0; i < parameters.entries.size(); ++i) {
    HostString entry = parameters.entries[i];
    std::string text = entry ? visibleText(utf8ToUtf16(hostStringToUtf8(entry))) : std::string("(null)");
    printLine("param\t" + std::to_string(i) + "\t" + text);
  }
}
}  // namespace

int commandEdit(const Arguments& arguments) {
  if (arguments.empty()) return usageError("edit needs an action line");
  std::u16string stepFile;
  bool stepsFromFile = false;
  Answer startPick{AnswerKind::Same, u""};
  bool activeWindow = false;
  int dpi = 0;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::u16string& option = arguments[i];
    if (option == u"--pick" && i + 1 < arguments.size()) startPick = {AnswerKind::Name, arguments[++i]};
    else if (option == u"--pick-same") startPick = {AnswerKind::Same, u""};
    else if (option == u"--pick-cancel") startPick = {AnswerKind::Cancel, u""};
    else if (option == u"--active-window") activeWindow = true;
    else if (option == u"--dpi" && i + 1 < arguments.size()) dpi = std::atoi(utf16ToUtf8(arguments[++i]).c_str());
    else if (option == u"--steps" && i + 1 < arguments.size()) stepsFromFile = true, stepFile = arguments[++i];
    else return usageError("unknown edit option " + utf16ToUtf8(option));
  }
  ActionLine line;
  if (!parseActionLine(arguments[0], line)) return usageError("not an action line: " + utf16ToUtf8(arguments[0]));
  int32_t number = actionNumberFor(line.name);
  if (number < 0) return usageError("no action named " + utf16ToUtf8(line.name));

  std::string dpiError;
  if (dpi && !useDisplayDpi(dpi, dpiError)) {
    std::fprintf(stderr, "kesto-sim: %s\n", dpiError.c_str());
    return 1;
  }

  std::string bytes;
  if (!stepsFromFile) {
    bytes = readStandardInput();
  } else if (!readWholeFile(stepFile, bytes)) {
    std::fprintf(stderr, "kesto-sim: cannot read %s\n", utf16ToUtf8(stepFile).c_str());
    return 1;
  }
  std::vector<Step> steps;
  std::string error;
  if (!parseSteps(utf8ToUtf16(bytes), steps, error)) {
    std::fprintf(stderr, "kesto-sim: steps: %s\n", error.c_str());
    return 2;
  }
  setSteps(std::move(steps));
  queuePickAnswer(startPick);
  kesto.interfaceAccess = answerInterfaceAccess;

  HostParameterList parameters(line.parameters, static_cast<size_t>(parameterCountFor(number)));
  if (activeWindow) activateKestoWindow();
  int32_t result = playEditor(number, parameters);
  int leftOpen = windowsLeftOpen();
  if (leftOpen) printLine("error\tafter the editor returned\t" + std::to_string(leftOpen) + " window(s) still open");
  if (randomStepsTaken() >= 0) printLine("random\t" + std::to_string(randomStepsTaken()) + " steps");
  printLine("result\t" + std::to_string(result));
  printParameters(parameters);
  return stepsFailed() || leftOpen ? 1 : 0;
}
