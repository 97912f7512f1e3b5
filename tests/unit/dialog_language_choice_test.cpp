// Which table a thread's language list gets: exact names first, then their
// shorter forms, for each listed language in turn, English when none is
// served; and the look-up that falls back to English.
#include <gtest/gtest.h>

#include <string>

#include "editors/dialog_texts.h"

namespace {
// The platform's form: each name followed by a zero, then an empty name.
std::u16string listOf(std::initializer_list<const char16_t*> names) {
  std::u16string list;
  for (const char16_t* name : names) {
    list += name;
    list += u'\0';
  }
  list += u'\0';
  return list;
}

const TextTable& chosenFor(std::initializer_list<const char16_t*> names) {
  std::u16string list = listOf(names);
  return textTableForLanguages(list.c_str());
}

bool isEnglish(const TextTable& table) { return std::u16string(table.names) == u"en"; }
}  // namespace

TEST(DialogLanguageChoice, ExactNamesAndTheirNeutralForms) {
  EXPECT_EQ(&chosenFor({u"de"}), &kTextsDe);
  EXPECT_EQ(&chosenFor({u"de-DE"}), &kTextsDe);
  EXPECT_EQ(&chosenFor({u"de-AT"}), &kTextsDe);
  EXPECT_EQ(&chosenFor({u"pt-BR"}), &kTextsPtBr);
  EXPECT_EQ(&chosenFor({u"pt-PT"}), &kTextsPtBr);
  EXPECT_EQ(&chosenFor({u"zh-CN"}), &kTextsZhCn);
  EXPECT_EQ(&chosenFor({u"zh-Hans-CN"}), &kTextsZhCn);
  EXPECT_EQ(&chosenFor({u"ar-EG"}), &kTextsAr);
  EXPECT_EQ(&chosenFor({u"ja-JP"}), &kTextsJa);
  EXPECT_EQ(&chosenFor({u"ko-KR"}), &kTextsKo);
  // Names as Windows spells them, or otherwise: letter case does not count.
  EXPECT_EQ(&chosenFor({u"DE-de"}), &kTextsDe);
  EXPECT_EQ(&chosenFor({u"ZH-cn"}), &kTextsZhCn);
}

TEST(DialogLanguageChoice, UnservedLanguagesGetEnglish) {
  EXPECT_TRUE(isEnglish(chosenFor({u"sv-SE"})));
  EXPECT_TRUE(isEnglish(chosenFor({})));
  EXPECT_TRUE(isEnglish(textTableForLanguages(nullptr)));
  // Traditional Chinese is not served by the Simplified table.
  EXPECT_TRUE(isEnglish(chosenFor({u"zh-TW"})));
  EXPECT_TRUE(isEnglish(chosenFor({u"zh-Hant-TW", u"zh"})));
  // Neither a longer word nor a prefix of a name is that name.
  EXPECT_TRUE(isEnglish(chosenFor({u"den"})));
  EXPECT_TRUE(isEnglish(chosenFor({u"d"})));
  EXPECT_TRUE(isEnglish(chosenFor({u"-de"})));
}

TEST(DialogLanguageChoice, TheFirstListedLanguageThatMatchesWins) {
  EXPECT_EQ(&chosenFor({u"sv-SE", u"fr-CA", u"de-DE"}), &kTextsFr);
  // A neutral match of an earlier language beats an exact one of a later.
  EXPECT_EQ(&chosenFor({u"fr-CA", u"de-DE"}), &kTextsFr);
  // English is a language the list may prefer.
  EXPECT_TRUE(isEnglish(chosenFor({u"en-GB", u"de-DE"})));
  EXPECT_EQ(&chosenFor({u"zh-TW", u"ja-JP"}), &kTextsJa);
}

TEST(DialogLanguageChoice, EveryBuiltInTableIsReachableByItsNames) {
  ASSERT_EQ(textTableCount(), 12);
  for (int i = 0; i < textTableCount(); ++i) {
    const TextTable& table = textTableAt(i);
    std::u16string names = table.names;
    std::u16string first = names.substr(0, names.find(u'|'));
    EXPECT_EQ(&chosenFor({first.c_str()}), &table) << std::string(first.begin(), first.end());
  }
}
