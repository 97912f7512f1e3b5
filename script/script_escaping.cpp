#include "script/script_escaping.h"

namespace {
struct Escape {
  char16_t character;
  const char16_t* replacement;
};

// One pass over the text gives what five successive replacements give:
// backslashes are doubled before the others insert theirs, so the inserted
// backslashes are never doubled again.
constexpr Escape kEscapes[] = {
    {u'\\', u"\\\\"}, {u'"', u"\\u0022"}, {u'\'', u"\\'"}, {u'\r', u"\\r"}, {u'\n', u"\\n"},
};

const char16_t* replacementFor(char16_t c) {
  for (const Escape& escape : kEscapes)
    if (escape.character == c) return escape.replacement;
  return nullptr;
}
}  // namespace

std::u16string escapeScriptString(const std::u16string& text) {
  std::u16string out;
  appendEscapedScriptText(text, out);
  return out;
}

void appendEscapedScriptText(std::u16string_view text, std::u16string& out) {
  out.reserve(out.size() + text.size());
  for (char16_t c : text) {
    const char16_t* replacement = replacementFor(c);
    if (replacement)
      out += replacement;
    else
      out.push_back(c);
  }
}
