#include "tools/kesto-sim/action_line.h"

namespace {
bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

size_t skipBlanks(const std::u16string& line, size_t at) {
  while (at < line.size() && isBlank(line[at])) ++at;
  return at;
}

// Reads a quoted parameter starting at the opening quote; returns the index
// after its closing quote, or npos when it has none.
size_t readQuoted(const std::u16string& line, size_t at, std::u16string& text) {
  for (size_t i = at + 1; i < line.size(); ++i) {
    if (line[i] != u'"') {
      text.push_back(line[i]);
    } else if (i + 1 < line.size() && line[i + 1] == u'"') {
      text.push_back(u'"');
      ++i;
    } else {
      return i + 1;
    }
  }
  return std::u16string::npos;
}
}  // namespace

bool parseActionLine(const std::u16string& line, ActionLine& parsed) {
  parsed = ActionLine{};
  size_t at = skipBlanks(line, 0);
  while (at < line.size() && !isBlank(line[at])) parsed.name.push_back(line[at++]);
  if (parsed.name.empty()) return false;
  for (at = skipBlanks(line, at); at < line.size(); at = skipBlanks(line, at)) {
    if (line[at] != u'"') return false;
    std::u16string text;
    at = readQuoted(line, at, text);
    if (at == std::u16string::npos) return false;
    parsed.parameters.push_back(text);
  }
  return true;
}

bool isSkippedLine(const std::u16string& line) {
  size_t at = skipBlanks(line, 0);
  if (at == line.size()) return true;
  if (line[at] != u'#') return false;
  return !(at + 1 < line.size() && line[at + 1] >= u'0' && line[at + 1] <= u'9');
}
