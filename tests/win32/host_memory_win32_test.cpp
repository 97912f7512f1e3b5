// Host strings are fixed, zero-initialised GlobalAlloc blocks, so Kesto can
// release the ones it keeps with GlobalFree.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "host/host_strings.h"

TEST(HostMemoryWin32, HostStringsAreFixedGlobalBlocksOfTheRightSize) {
  HostString text = toHostString(u"Rect1");
  ASSERT_NE(text, nullptr);
  // A fixed block's handle is its address.
  EXPECT_EQ(GlobalHandle(text), static_cast<HGLOBAL>(text));
  EXPECT_GE(GlobalSize(text), 6u);
  EXPECT_EQ(GlobalFlags(text) & GMEM_DISCARDED, 0u);
  EXPECT_STREQ(text, "Rect1");
  EXPECT_EQ(freeHostString(text), 0);
}

TEST(HostMemoryWin32, KestoCanReleaseWhatTheParameterListHolds) {
  HostString list[1] = {nullptr};
  setHostParam(list, 0, u"value");
  // Kesto releases with GlobalFree; it reports success by returning null.
  EXPECT_EQ(GlobalFree(list[0]), nullptr);
}

TEST(HostMemoryWin32, ReplacingAParameterReleasesKestosBlock) {
  HostString kestos = static_cast<HostString>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 8));
  std::strcpy(kestos, "old");
  HostString list[1] = {kestos};
  setHostParam(list, 0, u"new");
  EXPECT_STREQ(list[0], "new");
  GlobalFree(list[0]);
}
