// The headless backend stands in for real windows in native tests and the
// native kesto-sim: only the author's actions raise events, a driver plays
// the author when a window waits, and platform dialogs have safe defaults.
#include <gtest/gtest.h>

#include "ui/headless/ui_headless.h"

namespace {
struct HeadlessFixture : ::testing::Test {
  void TearDown() override { headlessReset(); }
};
using UiHeadless = HeadlessFixture;
}  // namespace

TEST_F(UiHeadless, ChangesMadeByCodeRaiseNoEventAndAnIdleWindowGetsItsCloseBox) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  UiControl* field = uiAddTextField(window, u"", 0, 0, 10, 10, false);
  UiControl* drop = uiAddDropDown(window, 0, 0, 10, 10);
  uiDropAppend(drop, u"a");
  uiSetText(field, u"x");
  uiDropSelect(drop, 0);
  UiEvent event = uiWaitEvent(window);
  EXPECT_EQ(event.kind, UiEventKind::CloseBox);
  EXPECT_EQ(uiGetText(field), u"x");
}

TEST_F(UiHeadless, TheDriverPlaysTheAuthorEachTimeTheWindowWaits) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  UiControl* field = uiAddTextField(window, u"", 0, 0, 10, 10, false);
  UiControl* drop = uiAddDropDown(window, 0, 0, 10, 10);
  UiControl* button = uiAddButton(window, u"OK", 0, 0, 10, 10);
  uiDropAppend(drop, u"a");
  uiDropAppend(drop, u"b");
  int calls = 0;
  headlessSetDriver([&](UiWindow* waiting) {
    EXPECT_EQ(waiting, window);
    switch (calls++) {
      case 0: headlessType(field, u"typed"); break;
      case 1: headlessChoose(drop, 1); break;
      case 2: headlessClick(button); break;
      default: break;  // nothing: the close box
    }
  });
  UiEvent typed = uiWaitEvent(window);
  EXPECT_EQ(typed.control, field);
  EXPECT_EQ(uiGetText(field), u"typed");
  UiEvent chosen = uiWaitEvent(window);
  EXPECT_EQ(chosen.control, drop);
  EXPECT_EQ(uiDropSelectedText(drop), u"b");
  EXPECT_EQ(uiWaitEvent(window).control, button);
  EXPECT_EQ(uiWaitEvent(window).kind, UiEventKind::CloseBox);
  EXPECT_EQ(calls, 4);
}

TEST_F(UiHeadless, QueuedEventsComeInOrderBeforeTheDriverIsAsked) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  UiControl* first = uiAddButton(window, u"1", 0, 0, 10, 10);
  UiControl* second = uiAddButton(window, u"2", 0, 0, 10, 10);
  bool asked = false;
  headlessSetDriver([&](UiWindow*) { asked = true; });
  headlessClick(first);
  headlessClick(second);
  EXPECT_EQ(uiWaitEvent(window).control, first);
  EXPECT_EQ(uiWaitEvent(window).control, second);
  EXPECT_FALSE(asked);
}

TEST_F(UiHeadless, DropDownPositionsOutsideTheEntriesSelectNothing) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  UiControl* drop = uiAddDropDown(window, 0, 0, 10, 10);
  EXPECT_EQ(uiDropSelected(drop), -1);
  uiDropAppend(drop, u"a");
  uiDropSelect(drop, 1);
  EXPECT_EQ(uiDropSelected(drop), -1);
  EXPECT_EQ(uiDropSelectedText(drop), u"");
  EXPECT_EQ(uiDropEntry(drop, -1), u"");
  uiDropSelect(drop, 0);
  uiDropClear(drop);
  EXPECT_EQ(uiDropCount(drop), 0);
  EXPECT_EQ(uiDropSelected(drop), -1);
}

TEST_F(UiHeadless, WithoutAnswersTheMessageBoxIsAcceptedAndTheOtherDialogsCancelled) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  uiWarningBox(window, u"ZUVO_Set", u"text");
  UiColor chosen{1, 2, 3};
  EXPECT_FALSE(uiChooseColor(window, UiColor{9, 9, 9}, chosen));
  std::u16string file = u"kept";
  EXPECT_FALSE(uiChooseOpenFile(window, u"Select File", u"All|*.*", 1, u"a.png", file));
  EXPECT_EQ(file, u"kept");
}

TEST_F(UiHeadless, AnswerersSeeWhatTheDialogsWereOpenedWith) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  HeadlessDialogs dialogs;
  UiWindow* warnedOwner = nullptr;
  std::u16string seenTitle, seenFilters, seenProposed;
  int seenIndex = 0;
  dialogs.warning = [&](UiWindow* owner, const std::u16string&, const std::u16string&) { warnedOwner = owner; };
  dialogs.color = [](UiColor initial, UiColor& chosen) {
    chosen = {static_cast<uint8_t>(initial.red + 1), initial.green, initial.blue};
    return true;
  };
  dialogs.openFile = [&](const std::u16string& title, const std::u16string& filters, int index,
                         const std::u16string& proposed, std::u16string& chosen) {
    seenTitle = title, seenFilters = filters, seenIndex = index, seenProposed = proposed;
    chosen = u"C:\\a.png";
    return true;
  };
  headlessSetDialogs(dialogs);
  uiWarningBox(window, u"T", u"x");
  EXPECT_EQ(warnedOwner, window);
  UiColor chosen;
  EXPECT_TRUE(uiChooseColor(window, UiColor{10, 20, 30}, chosen));
  EXPECT_EQ(chosen.red, 11);
  std::u16string file;
  EXPECT_TRUE(uiChooseOpenFile(window, u"Select File", u"A|*.a|B|*.b", 2, u"p", file));
  EXPECT_EQ(file, u"C:\\a.png");
  EXPECT_EQ(seenTitle + u"/" + seenFilters + u"/" + seenProposed, u"Select File/A|*.a|B|*.b/p");
  EXPECT_EQ(seenIndex, 2);
}

TEST_F(UiHeadless, TheActiveWindowIsTheNewestOpenOneElseTheOneSetForKesto) {
  int kestoWindow = 0;
  EXPECT_EQ(uiActiveWindow(), nullptr);
  headlessSetActiveWindow(&kestoWindow);
  EXPECT_EQ(uiActiveWindow(), &kestoWindow);
  UiWindow* first = uiCreateWindow(u"1", 10, 10, uiActiveWindow());
  UiWindow* second = uiCreateWindow(u"2", 10, 10, uiNativeWindow(first));
  EXPECT_EQ(uiActiveWindow(), uiNativeWindow(second));
  EXPECT_EQ(headlessWindow(second).owner, uiNativeWindow(first));
  uiDestroyWindow(second);
  EXPECT_EQ(uiActiveWindow(), uiNativeWindow(first));
  uiDestroyWindow(first);
  EXPECT_EQ(uiActiveWindow(), &kestoWindow);
  EXPECT_TRUE(headlessWindows().empty());
}

TEST_F(UiHeadless, HidingTheFocusedControlLeavesTheFocusWithTheWindow) {
  UiWindow* window = uiCreateWindow(u"t", 100, 50, nullptr);
  UiControl* field = uiAddTextField(window, u"", 0, 0, 10, 10, false);
  UiControl* other = uiAddTextField(window, u"", 0, 20, 10, 10, false);
  uiFocus(field);
  uiShow(other, false);
  EXPECT_EQ(headlessWindow(window).focus, field);
  uiShow(field, false);
  EXPECT_EQ(headlessWindow(window).focus, nullptr);
}
