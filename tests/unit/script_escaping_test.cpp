// Escaping user text into script literals, the TavixExecScript line and the
// hand-over to Kesto's script processor.
#include <gtest/gtest.h>

#include "script/script_dispatch.h"
#include "script/script_escaping.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

TEST(ScriptEscaping, EachSpecialCharacter) {
  EXPECT_EQ(escapeScriptString(u"it's"), u"it\\'s");
  EXPECT_EQ(escapeScriptString(u"C:\\new"), u"C:\\\\new");
  EXPECT_EQ(escapeScriptString(u"say \"hi\""), u"say \\u0022hi\\u0022");
  EXPECT_EQ(escapeScriptString(u"\r\n"), u"\\r\\n");
  EXPECT_EQ(escapeScriptString(u""), u"");
}

TEST(ScriptEscaping, InsertedBackslashesAreNotDoubledAgain) {
  EXPECT_EQ(escapeScriptString(u"\\'"), u"\\\\\\'");
  EXPECT_EQ(escapeScriptString(u"\\\"\\\n"), u"\\\\\\u0022\\\\\\n");
  // Written-out escapes stay text: "\n" as two characters is a backslash and n.
  EXPECT_EQ(escapeScriptString(u"\\u0022"), u"\\\\u0022");
}

TEST(ScriptEscaping, OtherCharactersPassUnchanged) {
  std::u16string others = u"\t\x01\x7f{}<>&`$ \u00e9\u4e2d\U0001F600\u2028";
  EXPECT_EQ(escapeScriptString(others), others);
}

TEST(ScriptEscaping, ResultNeverBreaksTheCommandLine) {
  std::u16string all;
  for (char16_t c = 0; c < 0x80; ++c) all.push_back(c);
  std::u16string escaped = escapeScriptString(all + all);
  EXPECT_EQ(escaped.find_first_of(u"\"\r\n"), std::u16string::npos);
}

TEST(ScriptDispatch, CommandLineWrapsTheScriptForOneRectangle) {
  EXPECT_EQ(scriptCommandLine(u"Rect1", u"window.ZUVO.show('btn_ok');"),
            u"TavixExecScript \"Rect1\" \"window.ZUVO.show('btn_ok');\" \"\" \"[ZUVO.ExecResult]\"");
  EXPECT_EQ(scriptCommandLine(u"", u"x();").rfind(u"TavixExecScript \"\" \"", 0), 0u);
  // The rectangle goes in as typed, holes and all: nothing in it is filled.
  EXPECT_EQ(scriptCommandLine(u"{X} \"R\"", u"{R}"),
            u"TavixExecScript \"{X} \"R\"\" \"{R}\" \"\" \"[ZUVO.ExecResult]\"");
  SplitScript around = scriptCommandLineAround(u"R");
  EXPECT_EQ(around.before + u"s" + around.after, scriptCommandLine(u"R", u"s"));
}

TEST(ScriptDispatch, SendHandsOneLineToKesto) {
  CollectedLines collected;
  EXPECT_EQ(sendScriptToRectangle(u"", u"a();"), 0);
  ASSERT_EQ(collected.lines().size(), 1u);
  EXPECT_EQ(collected.lines()[0], tavix("", "a();"));
}

TEST(ScriptDispatch, NothingWithoutScriptProcessorOrLine) {
  CollectedLines collected;
  EXPECT_EQ(runHostScript(u""), 1);
  hostState.scriptProcessor = nullptr;
  EXPECT_EQ(runHostScript(u"GoSub \"x\""), 1);
  EXPECT_EQ(sendScriptToRectangle(u"R", u"a();"), 0);
  EXPECT_TRUE(collected.lines().empty());
}

TEST(ScriptDispatch, LineIsReleasedAfterTheCall) {
  HostMemoryStats before;
  bool tracked = hostMemoryStats(before);
  {
    CollectedLines collected;
    EXPECT_EQ(runHostScript(u"GoSub \"x\""), 0);
    EXPECT_EQ(collected.lines().size(), 1u);
  }
  HostMemoryStats after;
  hostMemoryStats(after);
  if (tracked) {
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.badReleases, before.badReleases);
  }
}
