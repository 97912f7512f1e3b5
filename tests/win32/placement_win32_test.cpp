// Where a dialog's frame goes on a monitor: centred on the monitor that
// holds its owner, and inside that monitor's work area, its caption always
// on it. Monitors are given here as Windows reports them, including a
// second one to the right of the primary and one above it, which a test
// display cannot offer.
#include <gtest/gtest.h>

#include "ui/win32/placement_win32.h"

namespace {
RECT frameOf(int width, int height) { return {0, 0, width, height}; }

MonitorArea monitor(RECT whole, RECT work) { return {whole, work}; }
}  // namespace

TEST(UiWin32Placement, CentredOnTheWholeMonitorWhereItFits) {
  RECT frame = frameOf(400, 300);
  placeOnMonitor(frame, monitor({0, 0, 1280, 1024}, {0, 0, 1280, 1024}));
  EXPECT_EQ(frame.left, 440);
  EXPECT_EQ(frame.top, 362);
  EXPECT_EQ(frame.right - frame.left, 400);
  EXPECT_EQ(frame.bottom - frame.top, 300);

  // A second monitor right of the primary, a task bar along its bottom.
  frame = frameOf(400, 300);
  placeOnMonitor(frame, monitor({1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}));
  EXPECT_EQ(frame.left, 2040);
  EXPECT_EQ(frame.top, 390);

  // A monitor above the primary: negative coordinates.
  frame = frameOf(400, 300);
  placeOnMonitor(frame, monitor({0, -900, 1600, 0}, {0, -900, 1600, 0}));
  EXPECT_EQ(frame.left, 600);
  EXPECT_EQ(frame.top, -600);
}

TEST(UiWin32Placement, KeptInsideTheWorkAreaAndItsCaptionOnItWhenTooLarge) {
  // The centre would put the bottom under a tall task bar: moved up.
  RECT frame = frameOf(400, 600);
  placeOnMonitor(frame, monitor({0, 0, 1024, 768}, {0, 0, 1024, 668}));
  EXPECT_EQ(frame.top, 68);
  EXPECT_EQ(frame.bottom, 668);
  EXPECT_EQ(frame.left, 312);

  // Taller and wider than the work area: the top left corner stays in it,
  // so the caption can be reached and the window moved.
  frame = frameOf(1300, 1100);
  placeOnMonitor(frame, monitor({1024, 0, 2048, 768}, {1024, 40, 2048, 768}));
  EXPECT_EQ(frame.left, 1024);
  EXPECT_EQ(frame.top, 40);
  EXPECT_EQ(frame.right - frame.left, 1300);
  EXPECT_EQ(frame.bottom - frame.top, 1100);

  // A task bar on the left: a wide dialog starts right of it.
  frame = frameOf(1000, 200);
  placeOnMonitor(frame, monitor({0, 0, 1024, 768}, {60, 0, 1024, 768}));
  EXPECT_EQ(frame.left, 60);
}
