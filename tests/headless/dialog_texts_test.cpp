// The dialog texts as data: the English list and its file for translators,
// every table against that list (complete, and keeping what must not be
// translated), the look-up and its fallbacks, and the language each dialog
// takes from the stand-in's list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/property_catalogue.h"
#include "editors/dialog_texts.h"
#include "platform/standin/ui_languages_standin.h"
#include "tools/shared/utf8.h"

namespace {
std::string utf8(const std::u16string& text) { return utf16ToUtf8(text); }

std::set<std::u16string> englishKeys() {
  std::set<std::u16string> keys;
  for (int i = 0; i < kEnglishTextCount; ++i) keys.insert(kEnglishTexts[i]);
  return keys;
}

// What a translation must carry unchanged, as many times as its English
// text: line breaks, bracketed names (with a path after them), addresses,
// CSS functions, colours, HTML tags, file patterns, time and date formats,
// names with an underscore, the product names, joined-up names
// (OnSaveComplete, TextArea, colIndex), numbers, "...", "|", the dashes that open and
// close a drop-down entry, and a closing colon. Each pattern takes its
// matches out of the text before the next looks, so a number inside a name
// is not counted again.
std::vector<std::string> protectedTokens(const std::u16string& text) {
  static const char* const kPatterns[] = {
      "\r\n",
      R"(\[[^\]\s]*\][^\s|,]*)",
      R"(https?://[^\s]+)",
      R"([a-z][a-z-]*\([^()]*\))",
      R"(#[0-9A-Za-z]+)",
      R"(</?[a-z]+>)",
      R"(\*\.[a-z0-9*]+)",
      R"([A-Z]{2,4}(?:[:-][A-Z]{2,4})+)",
      R"(:?[A-Za-z0-9.]*_[A-Za-z0-9_]*)",
      R"(\b(?:Kesto|Tavix|ZUVO|Zezovadu|WebView2)\b)",
      R"(\b[A-Z][a-z0-9]+(?:[A-Z][A-Za-z0-9]*)+\b)",
      R"(\b[a-z]+[A-Z][A-Za-z0-9]*\b)",
      R"([0-9]+)",
      R"(\.\.\.)",
      R"(\|)",
      R"(^-{2,}|-{2,}$)",
      R"(:$)",
  };
  std::string rest = utf8(text);
  std::vector<std::string> tokens;
  for (const char* pattern : kPatterns) {
    std::regex expression(pattern);
    std::string kept;
    auto end = std::sregex_iterator();
    size_t at = 0;
    for (auto match = std::sregex_iterator(rest.begin(), rest.end(), expression); match != end; ++match) {
      tokens.push_back(match->str());
      kept.append(rest, at, static_cast<size_t>(match->position()) - at);
      kept += ' ';  // keeps words on either side apart
      at = static_cast<size_t>(match->position() + match->length());
    }
    kept.append(rest, at, std::string::npos);
    rest = kept;
  }
  std::sort(tokens.begin(), tokens.end());
  return tokens;
}

std::string tableName(const TextTable& table) {
  std::string names = utf8(table.names);
  return names.substr(0, names.find('|'));
}

// The language list of the stand-in is English, and the tables the
// built-in ones, around every test.
struct DialogTexts : ::testing::Test {
  void TearDown() override {
    useTextTables(nullptr, 0);
    standinSetUiLanguages({u"en-US"});
  }
};
}  // namespace

// ---- The English list ----

TEST(EnglishTexts, AreDistinctAndNotEmpty) {
  ASSERT_GT(kEnglishTextCount, 0);
  std::set<std::u16string> seen;
  for (int i = 0; i < kEnglishTextCount; ++i) {
    std::u16string text = kEnglishTexts[i];
    EXPECT_FALSE(text.empty()) << "entry " << i;
    EXPECT_TRUE(seen.insert(text).second) << "listed twice: " << utf8(text);
    EXPECT_NE(text.front(), u' ') << utf8(text);
    EXPECT_NE(text.back(), u' ') << utf8(text);
  }
}

// Translators start from the file; it must be the list the code uses.
TEST(EnglishTexts, FileForTranslatorsIsTheCompiledList) {
  const char* source = std::getenv("SOURCE_DIR");
  if (!source) GTEST_SKIP() << "SOURCE_DIR not set";
  std::ifstream file(std::string(source) + "/editors/translations/english-texts.txt", std::ios::binary);
  ASSERT_TRUE(file) << "english-texts.txt missing";
  std::stringstream content;
  content << file.rdbuf();
  std::string expected;
  for (int i = 0; i < kEnglishTextCount; ++i) {
    std::string line = utf8(kEnglishTexts[i]);
    for (size_t at; (at = line.find("\r\n")) != std::string::npos;) line.replace(at, 2, "\\r\\n");
    expected += line + "\n";
  }
  EXPECT_EQ(content.str(), expected)
      << "english-texts.txt and english_texts.cpp differ: append new texts to both, in the same order";
}

// A record added to the catalogue needs its description listed too.
TEST(EnglishTexts, HoldEveryCatalogueDescription) {
  ensurePropertyCatalogue();
  std::set<std::u16string> keys = englishKeys();
  for (int i = 0; i < propertyRecordCount(); ++i)
    EXPECT_TRUE(keys.count(propertyRecordAt(i).description)) << utf8(propertyRecordAt(i).description);
}

// ---- The tables ----

struct TextTableCheck : ::testing::TestWithParam<int> {
  const TextTable& table() const { return textTableAt(GetParam()); }
};

// Keys outside the list would never be shown; a key twice is ambiguous.
TEST_P(TextTableCheck, KeysAreListedEnglishTextsOnce) {
  std::set<std::u16string> keys = englishKeys();
  std::set<std::u16string> seen;
  for (const TextPair* pair = table().pairs; pair->english; ++pair) {
    EXPECT_TRUE(keys.count(pair->english)) << "not an English text of the dialogs: " << utf8(pair->english);
    EXPECT_TRUE(seen.insert(pair->english).second) << "translated twice: " << utf8(pair->english);
    EXPECT_NE(pair->translated, nullptr);
  }
}

TEST_P(TextTableCheck, TranslationsKeepWhatIsNotTranslated) {
  for (const TextPair* pair = table().pairs; pair->english; ++pair) {
    if (!pair->translated || !pair->translated[0]) continue;
    EXPECT_EQ(protectedTokens(pair->translated), protectedTokens(pair->english))
        << "English:     " << utf8(pair->english) << "\ntranslation: " << utf8(pair->translated);
  }
}

// Reported for every table, skipped while a table has no translations at
// all, failing while it has some but not all.
TEST_P(TextTableCheck, EveryEnglishTextIsTranslated) {
  std::set<std::u16string> translated;
  for (const TextPair* pair = table().pairs; pair->english; ++pair)
    if (pair->translated && pair->translated[0]) translated.insert(pair->english);
  if (translated.empty())
    GTEST_SKIP() << tableName(table()) << ": no translations yet (" << kEnglishTextCount << " texts to translate)";
  std::vector<std::string> missing;
  for (int i = 0; i < kEnglishTextCount; ++i)
    if (!translated.count(kEnglishTexts[i])) missing.push_back(utf8(kEnglishTexts[i]));
  std::string firstMissing;
  for (size_t i = 0; i < missing.size() && i < 5; ++i) firstMissing += "\n  " + missing[i];
  EXPECT_TRUE(missing.empty()) << tableName(table()) << ": " << missing.size() << " of " << kEnglishTextCount
                               << " texts untranslated, among them:" << firstMissing;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextTableCheck, ::testing::Range(0, textTableCount()),
                         [](const ::testing::TestParamInfo<int>& info) {
                           std::string name = tableName(textTableAt(info.param));
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(ProtectedTokens, AreTheSyntaxAndNamesOfTheTexts) {
  using Tokens = std::vector<std::string>;
  EXPECT_EQ(protectedTokens(u"Please enter the Control ID.\r\nExample:  btn_submit  or  lbl_status"),
            (Tokens{"\r\n", "btn_submit", "lbl_status"}));
  EXPECT_EQ(protectedTokens(u"Click Pick Color or type: #rrggbb  or  rgba(r,g,b,a)"),
            (Tokens{"#rrggbb", "rgba(r,g,b,a)"}));
  EXPECT_EQ(protectedTokens(u"Result arrives in [ZUVO.PropValue] inside your :ZUVO_OnPropValue subroutine"),
            (Tokens{":ZUVO_OnPropValue", "[ZUVO.PropValue]"}));
  EXPECT_EQ(protectedTokens(u"Returns the current time as HH:MM:SS  e.g. 14:35:02"),
            (Tokens{"02", "14", "35", "HH:MM:SS"}));
  EXPECT_EQ(protectedTokens(u"Images (*.png,*.jpg)"), (Tokens{"*.jpg", "*.png"}));
  EXPECT_EQ(protectedTokens(u"--- POSITION & SIZE ---"), (Tokens{"---", "---"}));
  EXPECT_EQ(protectedTokens(u"Root|  Child 1|    Grandchild|  Child 2"), (Tokens{"1", "2", "|", "|", "|"}));
  EXPECT_EQ(protectedTokens(u"TextArea: plain text   |   RichText: HTML  e.g. <b>Hello</b> World"),
            (Tokens{"</b>", "<b>", "RichText", "TextArea", "|"}));
  EXPECT_EQ(protectedTokens(u"The Tavix rectangle in your Kesto publication"), (Tokens{"Kesto", "Tavix"}));
  EXPECT_EQ(protectedTokens(u"Filter rows by column: colIndex|value"), (Tokens{"colIndex", "|"}));
  EXPECT_EQ(protectedTokens(u"Browse..."), (Tokens{"..."}));
  EXPECT_EQ(protectedTokens(u"Control ID:"), (Tokens{":"}));
  // A translation may move them and change the words around them.
  EXPECT_EQ(protectedTokens(u"Langen Text mit ... abschneiden"), protectedTokens(u"Cut off long text with ..."));
  EXPECT_EQ(protectedTokens(u"Steuerelement-ID:"), protectedTokens(u"Control ID:"));
  EXPECT_EQ(protectedTokens(u"Kesto の出版物の Tavix 矩形"), protectedTokens(u"The Tavix rectangle in your Kesto publication"));
  // But not lose, double or alter them.
  EXPECT_NE(protectedTokens(u"Dateipfad  z. B. photo.jpg"), protectedTokens(u"Click Browse or type a file path  e.g. [PubDir]photo.jpg"));
  EXPECT_NE(protectedTokens(u"Bitte Steuerelement-ID eingeben. Beispiel: btn_submit"),
            protectedTokens(u"Please enter the Control ID.\r\nExample:  btn_submit"));
  EXPECT_NE(protectedTokens(u"-- auswählen"), protectedTokens(u"-- select --"));
  EXPECT_NE(protectedTokens(u"Farbe 1："), protectedTokens(u"Color 1:"));
}

// ---- Look-up ----

namespace {
const TextPair kTestPairs[] = {
    {u"Rectangle:", u"Rechteck:"},
    {u"OK", u""},           // left empty: shown in English
    {u"Cancel", nullptr},   // the same
    {u"e.g.", u"z. B."},
    {u"or", u"oder"},
    {u"Click Me", u"Klick mich"},
    {u"-- choose property --", u"-- Eigenschaft wählen --"},
    {u"Container", u"Container"},  // a translation that reads as the English
    kEndOfTexts,
};
const TextTable kTestTable = {u"xx|yy-ZZ", kTestPairs};
const TextTable* const kTestTables[] = {&kTestTable};
}  // namespace

TEST_F(DialogTexts, LookUpFallsBackToEnglish) {
  useTextTables(kTestTables, 1);
  standinSetUiLanguages({u"xx-QQ"});
  DialogLanguage language;
  EXPECT_EQ(std::u16string(localized(u"Rectangle:")), u"Rechteck:");
  EXPECT_EQ(localized(std::u16string(u"Rectangle:")), u"Rechteck:");
  EXPECT_EQ(std::u16string(localized(u"Cancel")), u"Cancel");
  EXPECT_EQ(std::u16string(localized(u"OK")), u"OK");
  EXPECT_EQ(localized(std::u16string(u"Rectangle")), u"Rectangle");  // whole texts only
  std::u16string withZero(u"Rectangle:\0more", 15);
  EXPECT_EQ(localized(withZero), withZero);
  EXPECT_EQ(englishOf(std::u16string(u"Rechteck:\0", 10)), std::u16string(u"Rechteck:\0", 10));
  EXPECT_EQ(localized(static_cast<const char16_t*>(nullptr)), nullptr);
  EXPECT_EQ(englishOf(u"-- Eigenschaft wählen --"), u"-- choose property --");
  EXPECT_EQ(englishOf(u"btn_ok  -  Text"), u"btn_ok  -  Text");
  EXPECT_EQ(englishOf(u""), u"");  // an empty translation is no translation
}

// The translated property reference fails on a missing translation; one
// that reads as the English is none.
TEST_F(DialogTexts, MissingTranslationsAreToldFromOnesThatReadAsTheEnglish) {
  useTextTables(kTestTables, 1);
  EXPECT_FALSE(isTranslated(u"Rectangle:"));  // English translates nothing
  standinSetUiLanguages({u"xx"});
  DialogLanguage language;
  EXPECT_TRUE(isTranslated(u"Rectangle:"));
  EXPECT_TRUE(isTranslated(u"Container"));
  EXPECT_FALSE(isTranslated(u"OK"));
  EXPECT_FALSE(isTranslated(u"Cancel"));
  EXPECT_FALSE(isTranslated(u"Rectangle"));
}

TEST_F(DialogTexts, ExamplesTranslateLeadInConnectorAndWordsButNotSyntax) {
  useTextTables(kTestTables, 1);
  standinSetUiLanguages({u"xx"});
  DialogLanguage language;
  EXPECT_EQ(localizedExample(u"e.g. Click Me"), u"z. B. Klick mich");
  EXPECT_EQ(localizedExample(u"e.g. 0 or -1"), u"z. B. 0 oder -1");
  EXPECT_EQ(localizedExample(u"e.g. 135  or  0"), u"z. B. 135  oder  0");
  EXPECT_EQ(localizedExample(u"e.g. [PubDir]manual.pdf or https://example.com/"),
            u"z. B. [PubDir]manual.pdf oder https://example.com/");
  EXPECT_EQ(localizedExample(u"e.g.  |  (spaces + separator)"), u"z. B.  |  (spaces + separator)");
  EXPECT_EQ(localizedExample(u"e.g. [MyVar]"), u"z. B. [MyVar]");
  EXPECT_EQ(localizedExample(u"1  (triggers timer start)"), u"1  (triggers timer start)");
  EXPECT_EQ(localizedExample(u"Click Me or"), u"Click Me or");  // no alternative after it
  EXPECT_EQ(localizedExample(u""), u"");
}

// English is the key: every example comes back as it is, byte for byte.
TEST_F(DialogTexts, EnglishExamplesComeBackUnchanged) {
  ensurePropertyCatalogue();
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const std::u16string& example = propertyRecordAt(i).example;
    EXPECT_EQ(localizedExample(example), example) << utf8(example);
  }
}

// ---- The language of each dialog ----

TEST_F(DialogTexts, EachDialogTakesTheThreadsLanguageAndGivesBackTheOneBefore) {
  useTextTables(kTestTables, 1);
  EXPECT_EQ(std::u16string(dialogTextTable().names), u"en");
  standinSetUiLanguages({u"yy-ZZ", u"en-US"});
  {
    DialogLanguage editor;
    EXPECT_EQ(&dialogTextTable(), &kTestTable);
    standinSetUiLanguages({u"en-US"});  // the host changes its thread's language
    {
      DialogLanguage builder;
      EXPECT_EQ(std::u16string(localized(u"Rectangle:")), u"Rectangle:");
    }
    EXPECT_EQ(std::u16string(localized(u"Rectangle:")), u"Rechteck:");
  }
  EXPECT_EQ(std::u16string(dialogTextTable().names), u"en");
}

TEST_F(DialogTexts, NoListOrAListThatDoesNotFitMeansEnglish) {
  useTextTables(kTestTables, 1);
  standinSetUiLanguages({});
  {
    DialogLanguage language;
    EXPECT_EQ(std::u16string(dialogTextTable().names), u"en");
  }
  std::u16string longName(2000, u'x');
  standinSetUiLanguages({longName.c_str(), u"xx"});
  DialogLanguage language;
  EXPECT_EQ(std::u16string(dialogTextTable().names), u"en");
}
