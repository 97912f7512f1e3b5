// Judges the output of one `kesto-sim edit` session against the editor
// contract: a result of 0 or 1, no error line (a failed step, a dialog left
// open), result 0 with every parameter as the action line passed it, and
// result 1 with parameters that pass the editor's own checks.
//
//   check-edit-output 'ACTION LINE' < output
//
// Prints what is wrong and exits 1, or exits 0 silently.
#include <iostream>
#include <string>
#include <vector>

#include "host/action_table.h"
#include "tests/support/stored_parameters.h"
#include "tools/kesto-sim/action_line.h"
#include "tools/kesto-sim/text.h"

namespace {
int fail(const std::string& problem) {
  std::cout << problem << "\n";
  return 1;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return fail("usage: check-edit-output 'ACTION LINE' < output");
  ActionLine line;
  if (!parseActionLine(utf8ToUtf16(argv[1]), line)) return fail("not an action line");
  const ActionTableRow* row = nullptr;
  for (const ActionTableRow& r : kActionTable)
    if (line.name == r.name) row = &r;
  if (!row) return fail("no such action");

  std::string result;
  std::vector<std::string> params;
  for (std::string text; std::getline(std::cin, text);) {
    if (startsWith(text, "error\t")) return fail("kesto-sim reported: " + text);
    if (startsWith(text, "result\t")) result = text.substr(7);
    if (startsWith(text, "param\t")) params.push_back(text.substr(text.find('\t', 6) + 1));
  }
  if (result != "0" && result != "1") return fail("no result 0 or 1");
  if (params.size() != static_cast<size_t>(row->parameterCount)) return fail("wrong number of parameters");

  if (result == "0") {
    for (size_t i = 0; i < params.size(); ++i) {
      std::string passed = i < line.parameters.size() ? utf16ToUtf8(line.parameters[i]) : "(null)";
      if (params[i] != passed) return fail("result 0 but parameter " + std::to_string(i) + " changed to " + params[i]);
    }
    return 0;
  }
  std::vector<std::u16string> written;
  for (const std::string& p : params) {
    if (p == "(null)") return fail("result 1 with a null parameter");
    written.push_back(utf8ToUtf16(p));
  }
  std::string problem = storedParametersProblem(row->number, written);
  return problem.empty() ? 0 : fail("result 1 but " + problem);
}
