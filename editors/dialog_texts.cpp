#include "editors/dialog_texts.h"

#include <iterator>

#include "platform/ui_languages.h"

namespace {
const TextPair kNoPairs[] = {kEndOfTexts};
// English is a language of its own: a list "en-US, de-DE" gets English.
const TextTable kEnglish = {u"en", kNoPairs};

const TextTable* const kBuiltInTables[] = {
    &kTextsDe, &kTextsFr, &kTextsEs, &kTextsIt, &kTextsPtBr, &kTextsNl,
    &kTextsPl, &kTextsRu, &kTextsJa, &kTextsZhCn, &kTextsKo, &kTextsAr,
};

const TextTable* const* tables = kBuiltInTables;
int tableCount = static_cast<int>(std::size(kBuiltInTables));
const TextTable* chosen = &kEnglish;
const TextTable* played = nullptr;

// Room for the thread's language list: names are at most 85 units long,
// and lists hold a handful.
constexpr size_t kLanguageListRoom = 1024;

size_t lengthOf(const char16_t* text) {
  size_t length = 0;
  while (text[length]) ++length;
  return length;
}

// Whether zero-terminated `a` is the `bLength` units of `b`; a unit zero
// inside `b` ends nothing.
bool equalTexts(const char16_t* a, const char16_t* b, size_t bLength) {
  size_t i = 0;
  for (; i < bLength; ++i)
    if (a[i] == 0 || a[i] != b[i]) return false;
  return a[i] == 0;
}

// A translation left null or empty is none: the English text is shown.
bool hasTranslation(const TextPair& pair) { return pair.translated && pair.translated[0]; }

char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// Whether the "|"-separated `names` hold the first `length` units of `name`,
// compared without regard to ASCII letter case.
bool servesName(const char16_t* names, const char16_t* name, size_t length) {
  const char16_t* field = names;
  for (;;) {
    size_t i = 0;
    while (i < length && field[i] && field[i] != u'|' && lowerAscii(field[i]) == lowerAscii(name[i])) ++i;
    if (i == length && (field[i] == 0 || field[i] == u'|')) return true;
    while (*field && *field != u'|') ++field;
    if (!*field) return false;
    ++field;
  }
}

const TextTable* tableServing(const char16_t* name, size_t length) {
  if (servesName(kEnglish.names, name, length)) return &kEnglish;
  for (int i = 0; i < tableCount; ++i)
    if (servesName(tables[i]->names, name, length)) return tables[i];
  return nullptr;
}

// "de-AT" is tried as itself, then as "de".
const TextTable* tableForName(const char16_t* name) {
  size_t length = lengthOf(name);
  while (length > 0) {
    if (const TextTable* table = tableServing(name, length)) return table;
    while (length > 0 && name[length - 1] != u'-') --length;
    if (length > 0) --length;
  }
  return nullptr;
}

const TextPair* pairOf(const char16_t* english, size_t length) {
  for (const TextPair* pair = chosen->pairs; pair->english; ++pair)
    if (equalTexts(pair->english, english, length)) return hasTranslation(*pair) ? pair : nullptr;
  return nullptr;
}

const TextTable& chooseFromThread() {
  if (played) return *played;
  char16_t languages[kLanguageListRoom];
  if (!threadUiLanguages(languages, kLanguageListRoom)) return kEnglish;
  languages[kLanguageListRoom - 1] = 0;
  languages[kLanguageListRoom - 2] = 0;
  return textTableForLanguages(languages);
}

// Alternatives in an example are separated by "or" between runs of spaces:
// the spaces before, the word, the spaces after.
struct OrSeparator {
  size_t start = 0, word = 0, end = 0;
};
bool findOr(const std::u16string& text, size_t from, OrSeparator& separator) {
  size_t at = text.find(u" or ", from);
  if (at == std::u16string::npos) return false;
  separator.start = at;
  while (separator.start > from && text[separator.start - 1] == u' ') --separator.start;
  separator.word = at + 1;
  separator.end = at + 4;
  while (separator.end < text.size() && text[separator.end] == u' ') ++separator.end;
  return true;
}
}  // namespace

DialogLanguage::DialogLanguage() : previous(chosen) { chosen = &chooseFromThread(); }
DialogLanguage::~DialogLanguage() { chosen = previous; }

const char16_t* localized(const char16_t* english) {
  if (!english) return nullptr;
  const TextPair* pair = pairOf(english, lengthOf(english));
  return pair ? pair->translated : english;
}

std::u16string localized(const std::u16string& english) {
  const TextPair* pair = pairOf(english.c_str(), english.size());
  return pair ? std::u16string(pair->translated) : english;
}

std::u16string englishOf(const std::u16string& shown) {
  for (const TextPair* pair = chosen->pairs; pair->english; ++pair)
    if (hasTranslation(*pair) && equalTexts(pair->translated, shown.c_str(), shown.size())) return pair->english;
  return shown;
}

bool isTranslated(const std::u16string& english) { return pairOf(english.c_str(), english.size()) != nullptr; }

std::u16string localizedExample(const std::u16string& example) {
  std::u16string out;
  size_t at = 0;
  if (example.compare(0, 5, u"e.g. ") == 0) {
    out = localized(u"e.g.");
    out += u' ';
    at = 5;
  }
  while (at < example.size() && example[at] == u' ') out += example[at++];
  OrSeparator separator;
  while (findOr(example, at, separator)) {
    out += localized(example.substr(at, separator.start - at));
    out.append(example, separator.start, separator.word - separator.start);
    out += localized(u"or");
    out.append(example, separator.word + 2, separator.end - separator.word - 2);
    at = separator.end;
  }
  out += localized(example.substr(at));
  return out;
}

int textTableCount() { return tableCount; }
const TextTable& textTableAt(int index) { return *tables[index]; }

void useTextTables(const TextTable* const* replacement, int count) {
  bool builtIn = !replacement || count <= 0;
  tables = builtIn ? kBuiltInTables : replacement;
  tableCount = builtIn ? static_cast<int>(std::size(kBuiltInTables)) : count;
  chosen = &kEnglish;
}

const TextTable& textTableForLanguages(const char16_t* languages) {
  if (!languages) return kEnglish;
  for (const char16_t* name = languages; *name; name += lengthOf(name) + 1)
    if (const TextTable* table = tableForName(name)) return *table;
  return kEnglish;
}

const TextTable& dialogTextTable() { return *chosen; }

void playDialogLanguage(const TextTable* table) { played = table; }
