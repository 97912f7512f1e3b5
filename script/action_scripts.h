#pragma once
// The script text each action sends, as one table of texts with holes. A
// hole is a capital letter in braces, "{C}", filled with one of the action's
// values; nothing else in a text is special.
#include <string>
#include <string_view>
#include <vector>

#include "host/action_table.h"

struct ActionScript {
  ActionNumber action;
  // The operation word that selects this text, exact and case-sensitive;
  // null for the text an action uses when it has no word or none matched.
  const char16_t* word;
  const char16_t* text;
};

// The text for `action` and `word`: the row of that word, else the action's
// row without a word; null when there is neither.
const char16_t* findActionScript(ActionNumber action, const std::u16string& word);
// Only the row of that word; null when the action has no such word.
const char16_t* findWordScript(ActionNumber action, const std::u16string& word);

enum class HoleFill {
  escaped,   // the value goes through escapeScriptString
  verbatim,  // the value is inserted as it stands
};

struct ScriptHole {
  char16_t name;
  std::u16string_view value;
  HoleFill fill = HoleFill::escaped;
};

// The template with each hole replaced by its value; inserted values are
// never scanned for holes again. A hole without a value stays as written.
std::u16string fillScript(std::u16string_view text, std::initializer_list<ScriptHole> holes);

// The filled text cut at every occurrence of the hole `split`, which the
// caller fills itself (with text too large to copy around): one piece more
// than the hole occurs.
std::vector<std::u16string> fillScriptPieces(std::u16string_view text, char16_t split,
                                             std::initializer_list<ScriptHole> holes);

// The filled text before and after the hole `split`, for a template in
// which it occurs once.
struct SplitScript {
  std::u16string before;
  std::u16string after;
};
SplitScript fillScriptAround(std::u16string_view text, char16_t split, std::initializer_list<ScriptHole> holes);
