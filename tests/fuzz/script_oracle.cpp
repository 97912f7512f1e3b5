#include "tests/fuzz/script_oracle.h"

namespace {
// Marks a hole inside the scanned template: a private-use character and the
// hole's name, neither of which the templates hold.
constexpr char16_t kHoleMark = 0xE000;

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Reads the escape after a backslash at `at`; returns the index after it.
size_t readEscape(const std::u16string& s, size_t at, std::u16string& value) {
  char16_t c = s[at];
  if (c == u'u' && at + 4 < s.size()) {
    int unit = 0;
    for (size_t i = at + 1; i <= at + 4; ++i) {
      int digit = hexValue(s[i]);
      if (digit < 0) return value.push_back(c), at + 1;
      unit = unit * 16 + digit;
    }
    value.push_back(static_cast<char16_t>(unit));
    return at + 5;
  }
  switch (c) {
    case u'n': value.push_back(u'\n'); break;
    case u'r': value.push_back(u'\r'); break;
    case u't': value.push_back(u'\t'); break;
    case u'b': value.push_back(u'\b'); break;
    case u'f': value.push_back(u'\f'); break;
    case u'v': value.push_back(u'\v'); break;
    default: value.push_back(c);  // \\ \' and any other character stand for themselves
  }
  return at + 1;
}
}  // namespace

ScannedScript scanScript(const std::u16string& s) {
  ScannedScript scanned;
  for (size_t at = 0; at < s.size();) {
    if (s[at] != u'\'') {
      scanned.outside.push_back(s[at++]);
      continue;
    }
    std::u16string value;
    for (++at;; ) {
      if (at >= s.size()) return scanned;  // unterminated literal
      char16_t c = s[at];
      if (c == u'\r' || c == u'\n') return scanned;  // a raw line break ends the script's validity
      if (c == u'\'') break;
      if (c == u'\\') {
        if (++at >= s.size()) return scanned;
        at = readEscape(s, at, value);
      } else {
        value.push_back(c);
        ++at;
      }
    }
    ++at;
    scanned.outside += u"''";
    scanned.literals.push_back(value);
  }
  scanned.ok = true;
  return scanned;
}

ScannedScript expectedScan(const std::u16string& templateText, const std::vector<RawHole>& holes) {
  // A hole is written "{X}"; mark the ones the action fills.
  std::u16string marked;
  for (size_t i = 0; i < templateText.size(); ++i) {
    bool isHole = i + 2 < templateText.size() && templateText[i] == u'{' && templateText[i + 2] == u'}';
    bool filled = false;
    for (const RawHole& h : holes) filled = filled || (isHole && h.name == templateText[i + 1]);
    if (!filled) {
      marked.push_back(templateText[i]);
      continue;
    }
    marked += {kHoleMark, templateText[i + 1]};
    i += 2;
  }
  ScannedScript scanned = scanScript(marked);
  for (std::u16string& literal : scanned.literals) {
    std::u16string value;
    for (size_t i = 0; i < literal.size(); ++i) {
      if (literal[i] != kHoleMark || i + 1 == literal.size()) {
        value.push_back(literal[i]);
        continue;
      }
      for (const RawHole& h : holes)
        if (h.name == literal[i + 1]) value += h.value;
      ++i;
    }
    literal = value;
  }
  return scanned;
}
