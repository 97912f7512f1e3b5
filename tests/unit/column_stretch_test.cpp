// A dialog widened for texts longer than its layout's: one rule moves every
// edge, so labels of a column grow together, what stands right of them
// moves and what spans them grows.
#include "ui/column_stretch.h"

#include <gtest/gtest.h>

namespace {
struct Span {
  int x, width;
};
Span stretched(const ColumnStretch& stretch, Span span) {
  int left = stretchedPosition(stretch, span.x);
  return {left, stretchedPosition(stretch, span.x + span.width) - left};
}
void expectSpan(const ColumnStretch& stretch, Span layout, Span expected) {
  Span got = stretched(stretch, layout);
  EXPECT_EQ(got.x, expected.x) << "from " << layout.x;
  EXPECT_EQ(got.width, expected.width) << "from " << layout.x;
}
}  // namespace

TEST(ColumnStretch, ALongLabelWidensItsColumnAndMovesTheRest) {
  ColumnStretch stretch;
  needRoom(stretch, 10, 88, 88);   // fits: no cut
  needRoom(stretch, 10, 88, 120);  // 32 more than its place
  needRoom(stretch, 10, 88, 100);  // the same column: the larger need holds
  ASSERT_EQ(stretch.cuts.size(), 1u);
  expectSpan(stretch, {10, 88}, {10, 120});    // every label of the column
  expectSpan(stretch, {102, 400}, {134, 400});  // a field right of it
  expectSpan(stretch, {10, 490}, {10, 522});    // an information line across it
  EXPECT_EQ(stretchedPosition(stretch, 510), 542);  // the window
  EXPECT_EQ(stretchedPosition(stretch, 5), 5);
}

TEST(ColumnStretch, CutsInSeveralColumnsAddUp) {
  ColumnStretch stretch;
  needRoom(stretch, 376, 124, 140);  // a button at the right edge
  needRoom(stretch, 14, 60, 70);     // a label of the left column
  ASSERT_EQ(stretch.cuts.size(), 2u);
  EXPECT_LT(stretch.cuts[0].at, stretch.cuts[1].at);
  expectSpan(stretch, {80, 120}, {90, 120});
  expectSpan(stretch, {376, 124}, {386, 140});
  EXPECT_EQ(stretchedPosition(stretch, 510), 536);
}

TEST(ColumnStretch, AnOpenDialogOnlyEverWidens) {
  ColumnStretch before;
  needRoom(before, 10, 88, 130);
  ColumnStretch now;
  needRoom(now, 10, 88, 100);  // a shorter text than before
  needRoom(now, 300, 80, 90);  // and a new need elsewhere
  ColumnStretch both = widerOf(before, now);
  EXPECT_EQ(stretchedPosition(both, 98), 98 + 42);
  EXPECT_EQ(stretchedPosition(both, 510), 510 + 42 + 10);
  EXPECT_TRUE(widerOf(both, before) == both);
  EXPECT_FALSE(both == before);
}
