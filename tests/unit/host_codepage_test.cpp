// Host strings under other ANSI code pages than 1252. The win32 suite runs
// these under Wine with the code page set through LANG (932 and 1251).
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/host_strings.h"
#include "platform/codepage.h"

namespace {
std::u16string roundTrip(const std::u16string& text, std::string& bytes) {
  HostString host = toHostString(text);
  bytes = host ? host : "";
  HostString list[1] = {host};
  std::u16string back = getHostParam(list, 0);
  freeHostString(host);
  return back;
}
}  // namespace

TEST(HostBoundaryCodePage, DoubleByteTextRoundTrips932) {
  if (activeAnsiCodePage() != 932) GTEST_SKIP() << "runs under code page 932";
  std::string bytes;
  // The second byte of this katakana is 0x5C, the backslash's byte.
  EXPECT_EQ(roundTrip(u"\u30bd\u65e5\u672c", bytes), u"\u30bd\u65e5\u672c");
  EXPECT_EQ(bytes, "\x83\x5c\x93\xfa\x96\x7b");
  EXPECT_EQ(roundTrip(u"it's", bytes), u"it's");
}

TEST(HostBoundaryCodePage, MissingCharactersAreNotBestFitted932) {
  if (activeAnsiCodePage() != 932) GTEST_SKIP() << "runs under code page 932";
  std::string bytes;
  // U+02BC (modifier apostrophe) is not in 932; best fit would give "'".
  roundTrip(u"a\u02bcb", bytes);
  EXPECT_EQ(bytes, "a?b");
}

TEST(HostBoundaryCodePage, CyrillicRoundTrips1251) {
  if (activeAnsiCodePage() != 1251) GTEST_SKIP() << "runs under code page 1251";
  std::string bytes;
  EXPECT_EQ(roundTrip(u"\u041f\u0440\u0438\u0432\u0435\u0442", bytes), u"\u041f\u0440\u0438\u0432\u0435\u0442");
  EXPECT_EQ(bytes, "\xcf\xf0\xe8\xe2\xe5\xf2");
}

TEST(HostBoundaryCodePage, LatinAccentsBecomeDefaultCharacter1251) {
  if (activeAnsiCodePage() != 1251) GTEST_SKIP() << "runs under code page 1251";
  std::string bytes;
  // Best fit would turn these into plain e and a fullwidth quote into '"'.
  roundTrip(u"caf\u00e9 \uff02", bytes);
  EXPECT_EQ(bytes, "caf? ?");
}

// The runs under other code pages name the one they set up; a run that fell
// back to 1252 would otherwise skip everything and pass.
TEST(HostBoundaryCodePage, IsTheOneTheRunAskedFor) {
  const char* expected = std::getenv("EXPECT_ANSI_CODE_PAGE");
  if (!expected) GTEST_SKIP() << "no code page asked for";
  EXPECT_EQ(activeAnsiCodePage(), static_cast<unsigned>(std::atoi(expected)));
}
