#include "tests/support/stored_parameters.h"

#include <initializer_list>

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"

namespace {
bool isTrimmed(const std::u16string& text) {
  return text.empty() || (text.front() != u' ' && text.back() != u' ');
}

bool isOneOf(const std::u16string& word, std::initializer_list<const char16_t*> words) {
  for (const char16_t* w : words)
    if (word == w) return true;
  return false;
}

std::string nonEmptyTrimmed(const std::u16string& text, const char* what) {
  if (text.empty()) return std::string(what) + " is empty";
  if (!isTrimmed(text)) return std::string(what) + " keeps spaces at an end";
  return {};
}

// "type:id" with a listed type and a trimmed ID, and a property the chooser
// of that type offers.
std::string controlAndProperty(const std::u16string& reference, const std::u16string& property) {
  size_t colon = reference.find(u':');
  if (colon == std::u16string::npos) return "control reference without a colon";
  std::u16string type = reference.substr(0, colon);
  if (controlTypePosition(type) == 0) return "control reference with an unlisted type";
  std::string problem = nonEmptyTrimmed(reference.substr(colon + 1), "control ID");
  if (!problem.empty()) return problem;
  if (property.empty() || property.compare(0, 2, u"--") == 0) return "no property chosen";
  ensurePropertyCatalogue();
  if (findPropertyRecord(type, property) < 0 && findPropertyRecord(kStyleTypeName, property) < 0)
    return "a property the chooser does not offer";
  return {};
}

std::string setProblem(const std::vector<std::u16string>& p) {
  if (p[0].empty()) return "rectangle is empty";
  return controlAndProperty(p[1], p[2]);
}

std::string getProblem(const std::vector<std::u16string>& p) {
  if (p[0].empty()) return "rectangle is empty";
  if (p[3].empty() || p[3][0] != u'[') return "result variable not in brackets";
  if (isOneOf(p[1], {u"PAGE", u"PAGE_INDEX", u"PAGE_COUNT", u"SCREEN_W", u"SCREEN_H", u"ZUVO_TIME", u"ZUVO_DATE"}))
    return p[2].empty() ? std::string() : "a runtime key with a property";
  return controlAndProperty(p[1], p[2]);
}

std::string visibilityProblem(const std::vector<std::u16string>& p) {
  if (p[0].empty()) return "rectangle is empty";
  std::string problem = nonEmptyTrimmed(p[1], "control ID");
  if (!problem.empty()) return problem;
  return isOneOf(p[2], {u"Show", u"Hide", u"Enable", u"Disable", u"Toggle"}) ? std::string() : "unknown operation";
}

std::string navigateProblem(const std::vector<std::u16string>& p) {
  if (p[0].empty()) return "rectangle is empty";
  if (!isOneOf(p[1], {u"GoToPage", u"NextPage", u"PrevPage", u"Reload"})) return "unknown operation";
  if (!isTrimmed(p[2])) return "page name keeps spaces at an end";
  return p[1] == u"GoToPage" && p[2].empty() ? "GoToPage without a page name" : std::string();
}

std::string itemsProblem(const std::vector<std::u16string>& p) {
  if (p[0].empty()) return "rectangle is empty";
  std::string problem = nonEmptyTrimmed(p[1], "control ID");
  if (!problem.empty()) return problem;
  if (!isOneOf(p[2], {u"AddItem", u"ClearItems", u"SetText"})) return "unknown operation";
  bool blankItem = p[3].find_first_not_of(u' ') == std::u16string::npos;
  return p[2] == u"AddItem" && blankItem ? "AddItem without item text" : std::string();
}

std::string goSubProblem(const std::vector<std::u16string>& p) { return nonEmptyTrimmed(p[0], "subroutine name"); }

std::string tableProblem(const std::vector<std::u16string>& p) {
  const char* const names[] = {"rectangle", "table ID", "cell values"};
  for (size_t i = 0; i < p.size(); ++i) {
    std::string problem = nonEmptyTrimmed(p[i], names[i]);
    if (!problem.empty()) return problem;
  }
  return {};
}

struct ActionRule {
  size_t parameterCount;
  std::string (*problem)(const std::vector<std::u16string>&);
};
// In action-number order, 1 to 8.
constexpr ActionRule kRules[] = {{4, setProblem},   {4, getProblem},   {3, visibilityProblem}, {3, navigateProblem},
                                 {4, itemsProblem}, {1, goSubProblem}, {3, tableProblem},      {2, tableProblem}};
}  // namespace

std::string storedParametersProblem(int action, const std::vector<std::u16string>& parameters) {
  if (action < 1 || action > 8) return "no such action";
  const ActionRule& rule = kRules[action - 1];
  if (parameters.size() != rule.parameterCount) return "wrong number of parameters";
  return rule.problem(parameters);
}
