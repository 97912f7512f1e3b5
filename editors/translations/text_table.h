#pragma once
// A language's dialog texts: pairs of an English text, exactly as the
// dialogs show it in English, and its translation. The format is described
// at the top of texts_de.cpp; every texts_XX.cpp follows it.
struct TextPair {
  const char16_t* english;
  const char16_t* translated;
};
// The pair that ends every table.
inline constexpr TextPair kEndOfTexts = {nullptr, nullptr};

struct TextTable {
  // The language names the table serves, separated by "|" ("pt-BR|pt"),
  // matched without regard to letter case.
  const char16_t* names;
  const TextPair* pairs;  // ended by kEndOfTexts
  // Written right to left: its dialogs are laid out mirrored.
  bool rightToLeft = false;
};

// The tables built into the library, one per language.
extern const TextTable kTextsDe;
extern const TextTable kTextsFr;
extern const TextTable kTextsEs;
extern const TextTable kTextsIt;
extern const TextTable kTextsPtBr;
extern const TextTable kTextsNl;
extern const TextTable kTextsPl;
extern const TextTable kTextsRu;
extern const TextTable kTextsJa;
extern const TextTable kTextsZhCn;
extern const TextTable kTextsKo;
extern const TextTable kTextsAr;

// Every English text the dialogs show, in the order of english-texts.txt.
extern const char16_t* const kEnglishTexts[];
extern const int kEnglishTextCount;
