// Access keys as a dialog's captions take them, one after another.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "editors/access_keys.h"
#include "platform/text_case.h"

namespace {
// Each caption in turn, with its English text, as one dialog gives keys.
std::vector<std::u16string> keyed(const std::vector<std::pair<std::u16string, std::u16string>>& captions) {
  AccessKeys keys;
  std::vector<std::u16string> out;
  for (const auto& [caption, english] : captions) out.push_back(withAccessKey(caption, english, keys));
  return out;
}
}  // namespace

TEST(AccessKeys, WordStartsFirstThenAnyLetterEachKeyOnceWhateverTheCase) {
  EXPECT_EQ(keyed({{u"Rectangle:", u""}, {u"Re-Pick...", u""}, {u"Control ID:", u""}, {u"Control Type:", u""},
                   {u"Property:", u""}, {u"Pick Color...", u""}, {u"Preview:", u""}}),
            (std::vector<std::u16string>{u"&Rectangle:", u"Re-&Pick...", u"&Control ID:", u"Control &Type:",
                                         u"Pr&operty:", u"P&ick Color...", u"Pr&eview:"}));
  // Cyrillic letters are keys of their own; upper and lower case are one key.
  EXPECT_EQ(keyed({{u"Прямоугольник:", u""}, {u"прямо", u""}}),
            (std::vector<std::u16string>{u"&Прямоугольник:", u"п&рямо"}));
}

TEST(AccessKeys, CaptionsWithoutLettersOfTheirOwnTakeALatinKeyInBrackets) {
  EXPECT_EQ(keyed({{u"矩形:", u"Rectangle:"}, {u"再選択...", u"Re-Pick..."}, {u"参照", u"Browse"},
                   {u"名前：", u"Name:"}}),
            (std::vector<std::u16string>{u"矩形(&R):", u"再選択(&P)...", u"参照(&B)", u"名前(&N)："}));
  // Letters of the caption come first where it has some.
  EXPECT_EQ(keyed({{u"コントロール ID:", u"Control ID:"}}), (std::vector<std::u16string>{u"コントロール &ID:"}));
  // Every letter of the English text taken: the first free one of the alphabet.
  EXPECT_EQ(keyed({{u"A", u""}, {u"B", u""}, {u"値", u"ab"}}), (std::vector<std::u16string>{u"&A", u"&B", u"値(&C)"}));
}

TEST(AccessKeys, AnAmpersandOfTheCaptionShowsAsItselfAndMarksRoundTrip) {
  AccessKeys keys;
  std::u16string marked = withAccessKey(u"Drag & Drop", u"", keys);
  EXPECT_EQ(marked, u"&Drag && Drop");
  EXPECT_EQ(withoutAccessKey(marked), u"Drag & Drop");
  EXPECT_EQ(accessKeyOf(marked), u'D');
  EXPECT_EQ(accessKeyOf(u"a && b"), 0);
}

// Forty captions in one dialog: every key stays unique, marked once.
TEST(AccessKeys, ManyCaptionsNeverShareAKey) {
  AccessKeys keys;
  std::set<std::u16string> seen;
  for (int i = 0; i < 40; ++i) {
    std::u16string caption = withAccessKey(u"Value:", u"Value:", keys);
    char16_t key = accessKeyOf(caption);
    if (!key) continue;  // letters and digits exhausted
    EXPECT_TRUE(seen.insert(lowerCaseText(std::u16string(1, key))).second) << i;
  }
  EXPECT_GE(seen.size(), 36u);
}
