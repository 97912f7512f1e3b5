// Author texts far longer than one conversion piece, escaped straight into
// the host string handed to Kesto, and null parameter lists. The line must
// be exactly what converting and escaping the whole text at once gives,
// also where a piece ends beside a character that escaping changes and, in
// double-byte code pages, inside a character.
#include <gtest/gtest.h>

#include <string>

#include "host/action_table.h"
#include "host/entry_points.h"
#include "host/host_strings.h"
#include "platform/codepage.h"
#include "script/script_escaping.h"
#include "tests/unit/host_block_counter.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

namespace {
// `unit` repeated until the text passes three pieces, with escaped characters
// straddling every piece boundary.
std::u16string longText(const std::u16string& unit) {
  std::u16string text;
  while (text.size() < 3 * kHostTextPieceBytes + 7) text += unit;
  return text;
}

// The line sent for the action with `text` in parameter `index`, and the
// one the whole-text conversion gives.
struct Lines {
  std::string sent;
  std::string whole;
};
Lines linesFor(int32_t action, std::vector<std::u16string> parameters, size_t index, const std::u16string& script,
               const std::u16string& hole) {
  Lines lines;
  lines.sent = sentBy(action, parameters);
  std::u16string escaped = escapeScriptString(parameters[index]);
  std::u16string filled = script;
  for (size_t at = filled.find(hole); at != std::u16string::npos; at = filled.find(hole, at + escaped.size()))
    filled.replace(at, hole.size(), escaped);
  HostString line = toHostString(u"TavixExecScript \"R\" \"" + filled + u"\" \"\" \"[ZUVO.ExecResult]\"");
  lines.whole = line ? line : "";
  freeHostString(line);
  return lines;
}

const std::u16string kSetScript = u"window.ZUVO.setProp('c','p','{V}');";
}  // namespace

TEST(LargeText, ComposedStringEqualsTheWholeConversion) {
  BlockCounter blocks;
  std::u16string value = longText(u"ab'\\\"\r\n\u00e9\u20ac\u4e2d");
  HostString source = toHostString(value);
  ASSERT_NE(source, nullptr);
  HostTextPart parts[] = {{u"head "}, {{}, source, appendEscapedScriptText}, {u" mid "}, {{}, source}, {u" tail"}};
  HostString composed = composeHostString(parts);
  HostString whole = toHostString(u"head " + escapeScriptString(getHostParam(&source, 0)) + u" mid " +
                                  getHostParam(&source, 0) + u" tail");
  ASSERT_NE(composed, nullptr);
  EXPECT_EQ(std::string(composed), std::string(whole));
  for (HostString s : {source, composed, whole}) freeHostString(s);
  if (blocks.tracked) {
    EXPECT_EQ(blocks.liveDelta(), 0);
  }
}

TEST(LargeText, EmptinessOfHostTexts) {
  HostString empty = toHostString(u"");
  HostString blank = toHostString(u" ");
  EXPECT_TRUE(hostTextIsEmpty(nullptr));
  EXPECT_TRUE(hostTextIsEmpty(empty));
  EXPECT_FALSE(hostTextIsEmpty(blank));
  freeHostString(empty);
  freeHostString(blank);
}

TEST(LargeText, ValuesOfSetItemsAndAddRowGoWhole) {
  std::u16string value = longText(u"It's \"q\" C:\\new\r\n");
  Lines set = linesFor(kZuvoSet, {u"R", u"c", u"p", value}, 3, kSetScript, u"{V}");
  EXPECT_EQ(set.sent, set.whole);
  EXPECT_GT(set.sent.size(), 4 * kHostTextPieceBytes);
  Lines text = linesFor(kZuvoItems, {u"R", u"c", u"SetText", value}, 3, u"window.ZUVO.setProp('c','value','{T}');",
                        u"{T}");
  EXPECT_EQ(text.sent, text.whole);
  Lines row = linesFor(kZuvoAddRow, {u"R", u"c", value}, 2, u"window.ZUVO.setProp('c','addrow','{L}');", u"{L}");
  EXPECT_EQ(row.sent, row.whole);
}

TEST(LargeText, AnItemTextStandsThreeTimesInTheLine) {
  std::u16string value = longText(u"x'y");
  std::string sent = sentBy(kZuvoItems, {u"R", u"lst", u"AddItem", value});
  std::string escaped = narrow(escapeScriptString(value));
  size_t count = 0;
  for (size_t at = sent.find(escaped); at != std::string::npos; at = sent.find(escaped, at + escaped.size())) ++count;
  EXPECT_EQ(count, 3u);
}

TEST(LargeText, GoSubNameGoesUnchanged) {
  std::u16string name = longText(u"Sub \"x\" ");
  EXPECT_EQ(sentBy(kZuvoGoSub, {name}), "GoSub \"" + narrow(name) + "\"");
}

TEST(LargeText, DoubleByteValueAcrossPiecesCodePage932) {
  if (activeAnsiCodePage() != 932) GTEST_SKIP() << "runs under code page 932";
  // U+30BD ends in the byte 0x5C, the backslash's: pieces must end between
  // characters, and escaping must see the character, not the byte. An odd
  // count of single-byte characters first moves every boundary by one.
  for (const std::u16string& start : {std::u16string(u""), std::u16string(u"a")}) {
    std::u16string value = start + longText(u"\u30bd\u65e5'\\\u672c");
    Lines set = linesFor(kZuvoSet, {u"R", u"c", u"p", value}, 3, kSetScript, u"{V}");
    EXPECT_EQ(set.sent, set.whole);
  }
}

TEST(NullParameterList, ExecutionSendsNothingAndReturnsOne) {
  CollectedLines collected;
  for (int32_t action = 1; action <= 8; ++action) EXPECT_EQ(ksExecAction(action, nullptr), 1) << action;
  EXPECT_EQ(ksExecAction(9, nullptr), 0);
  EXPECT_TRUE(collected.lines().empty());
}

TEST(NullParameterList, EditorsReturnZeroWithoutADialog) {
  for (int32_t action = 1; action <= 8; ++action) EXPECT_EQ(ksEditAction(action, nullptr), 0) << action;
  EXPECT_EQ(ksEditAction(0, nullptr), 1);
  EXPECT_EQ(ksEditAction(9, nullptr), 1);
}

TEST(NullParameterList, ReadsAsEmptyText) {
  EXPECT_EQ(getHostParam(nullptr, 2), u"");
  EXPECT_EQ(hostParamText(nullptr, 0), nullptr);
}
