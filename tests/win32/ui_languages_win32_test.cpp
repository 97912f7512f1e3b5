// The thread's UI languages as Windows reports them, and the table they
// choose. Under Wine, LANG sets the list: the test command runs this with
// de_DE.UTF-8 and ja_JP.UTF-8 and names the language it expects first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "editors/dialog_texts.h"
#include "platform/ui_languages.h"

TEST(ThreadUiLanguages, GivesAListOfNames) {
  char16_t list[1024];
  ASSERT_TRUE(threadUiLanguages(list, 1024));
  EXPECT_NE(list[0], 0);
  char16_t tiny[2];
  EXPECT_FALSE(threadUiLanguages(tiny, 2));  // too small for any name
}

TEST(ThreadUiLanguages, FirstIsTheOneTheRunAskedFor) {
  const char* expected = std::getenv("EXPECT_UI_LANGUAGE");
  if (!expected) GTEST_SKIP() << "no language asked for";
  char16_t list[1024];
  ASSERT_TRUE(threadUiLanguages(list, 1024));
  std::u16string first(list);
  EXPECT_EQ(std::string(first.begin(), first.end()), expected);

  DialogLanguage language;
  std::u16string neutral = first.substr(0, first.find(u'-'));
  std::u16string names = dialogTextTable().names;
  EXPECT_EQ(names.substr(0, names.find(u'|')), neutral);
}
