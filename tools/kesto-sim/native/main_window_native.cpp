#include "tools/kesto-sim/kesto_host.h"

// Headless Kesto has no window; any stable non-null handle stands for it.
HostWindowHandle kestoMainWindow() {
  static int mainWindow;
  return &mainWindow;
}
