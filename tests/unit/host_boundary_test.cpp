// Host strings: conversion, null entries and who releases what.
#include <gtest/gtest.h>

#include <cstring>

#include "host/host_strings.h"
#include "platform/codepage.h"
#include "platform/host_memory.h"
#include "tests/unit/host_block_counter.h"

TEST(HostBoundary, RoundTripsWesternText) {
  if (activeAnsiCodePage() != 1252) GTEST_SKIP() << "checks code page 1252";
  std::u16string text = u"Caf\u00e9 \u20ac 100 \u2013 ok";
  HostString host = toHostString(text);
  ASSERT_NE(host, nullptr);
  EXPECT_STREQ(host, "Caf\xe9 \x80 100 \x96 ok");
  HostString list[1] = {host};
  EXPECT_EQ(getHostParam(list, 0), text);
  freeHostString(host);
}

TEST(HostBoundary, MissingCharactersBecomeTheDefaultCharacter) {
  if (activeAnsiCodePage() != 1252) GTEST_SKIP() << "checks code page 1252";
  // CJK, an emoji (two units, one "?" each, as Windows converts it) and U+2028.
  HostString host = toHostString(u"a\u4e2d\U0001F600\u2028b");
  EXPECT_STREQ(host, "a????b");
  freeHostString(host);
}

TEST(HostBoundary, LookAlikesAreNotBestFitted) {
  if (activeAnsiCodePage() == 65001) GTEST_SKIP() << "UTF-8 represents every character";
  // Fullwidth apostrophe, quote and backslash must not turn into ' " and \.
  HostString host = toHostString(u"\uff07\uff02\uff3c\u02bc\u2032\u2216");
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(std::strchr(host, '\''), nullptr);
  EXPECT_EQ(std::strchr(host, '"'), nullptr);
  EXPECT_EQ(std::strchr(host, '\\'), nullptr);
  freeHostString(host);
}

TEST(HostBoundary, UndefinedBytesOf1252RoundTrip) {
  if (activeAnsiCodePage() != 1252) GTEST_SKIP() << "checks code page 1252";
  const char bytes[] = "\x81\x8d\x8f\x90\x9d";
  HostString list[1] = {const_cast<char*>(bytes)};
  std::u16string text = getHostParam(list, 0);
  EXPECT_EQ(text, u"\u0081\u008d\u008f\u0090\u009d");
  HostString back = toHostString(text);
  EXPECT_STREQ(back, bytes);
  freeHostString(back);
}

TEST(HostBoundary, NullEntryReadsEmptyAndIsReplacedWithoutRelease) {
  BlockCounter blocks;
  HostString list[2] = {nullptr, nullptr};
  EXPECT_EQ(getHostParam(list, 0), u"");
  setHostParam(list, 0, u"Rect1");
  ASSERT_NE(list[0], nullptr);
  EXPECT_EQ(getHostParam(list, 0), u"Rect1");
  EXPECT_EQ(list[1], nullptr);
  if (blocks.tracked) {
    EXPECT_EQ(blocks.liveDelta(), 1);
  }
  freeHostString(list[0]);
  if (blocks.tracked) {
    EXPECT_EQ(blocks.liveDelta(), 0);
    EXPECT_EQ(blocks.badReleases(), 0);
  }
}

TEST(HostBoundary, SetHostParamReleasesTheOldEntryOnce) {
  BlockCounter blocks;
  HostString list[1] = {toHostString(u"old")};
  HostString old = list[0];
  setHostParam(list, 0, u"new");
  EXPECT_EQ(getHostParam(list, 0), u"new");
  EXPECT_TRUE(hostBlockIsLive(list[0]));
  freeHostString(list[0]);
  // GlobalAlloc may hand the same address out again, so only the stand-in's
  // books can tell that the old block went back exactly once.
  if (blocks.tracked) {
    EXPECT_FALSE(hostBlockIsLive(old));
    EXPECT_EQ(blocks.liveDelta(), 0);
    EXPECT_EQ(blocks.badReleases(), 0);
  }
}

TEST(HostBoundary, StoreHostStringIntoNullSlotKeepsTheString) {
  HostString text = toHostString(u"kept");
  EXPECT_EQ(storeHostString(nullptr, text), 0);
  EXPECT_TRUE(hostBlockIsLive(text));
  HostString slot = nullptr;
  storeHostString(&slot, text);
  EXPECT_EQ(slot, text);
  EXPECT_EQ(freeHostString(nullptr), 0);
  freeHostString(text);
}

TEST(HostBoundary, EmptyTextIsOneZeroByte) {
  HostString host = toHostString(u"");
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host[0], '\0');
  freeHostString(host);
}
