// The pieces every editor shares: the rectangle pick and who releases its
// strings, the dialog owner, the action line and the event loop.
#include "editors/editor_framework.h"

#include <tuple>

#include "editor_test_support.h"
#include "host/entry_points.h"

using namespace editor_test;

namespace {
struct Framework : EditorTest {};

// The pick in each of Kesto's ways of answering, with the host blocks it
// leaves behind and any release of a block that was not live.
struct PickOutcome {
  std::u16string chosen;
  long liveDelta;
  long badReleases;
};
PickOutcome pickWith(PickReply reply, const std::u16string& current) {
  pick.replies = {reply};
  BlockCounter counter;
  std::u16string chosen = pickRectangle(current);
  return {chosen, counter.liveDelta(), counter.badReleases()};
}
}  // namespace

TEST_F(Framework, PickReleasesEveryStringOnceWhateverKestoAnswers) {
  BlockCounter probe;
  if (!probe.tracked) GTEST_SKIP() << "the platform does not track host blocks";
  struct Case {
    PickReply reply;
    std::u16string expected;
  } cases[] = {
      {PickReply::Unchanged, u"Rect1"},     // the slot still holds our string
      {PickReply::NewName, u"Rect2"},       // Kesto's own string replaces ours
      {PickReply::ZeroWithReply, u""},      // a reply that comes with a zero result is not read
      {PickReply::EmptyReply, u""},         // an empty name counts as no choice
      {PickReply::Zero, u""},               // cancelled, our string left in the slot
  };
  for (const Case& c : cases) {
    PickOutcome outcome = pickWith(c.reply, u"Rect1");
    EXPECT_EQ(outcome.chosen, c.expected) << static_cast<int>(c.reply);
    EXPECT_EQ(outcome.liveDelta, 0) << static_cast<int>(c.reply);
    EXPECT_EQ(outcome.badReleases, 0) << static_cast<int>(c.reply);
  }
  EXPECT_EQ(pick.offered, std::vector<std::string>(5, "Rect1"));
}

TEST_F(Framework, PickOffersAnEmptyNameForANewAction) {
  pick.replies = {PickReply::Unchanged};
  EXPECT_EQ(pickRectangle(u""), u"");
  ASSERT_EQ(pick.offered.size(), 1u);
  EXPECT_EQ(pick.offered[0], "");
}

TEST_F(Framework, PickWithoutInterfaceAccessKeepsTheCurrentName) {
  hostState.interfaceAccess = nullptr;
  EXPECT_EQ(pickRectangle(u"Stored"), u"Stored");
  EXPECT_EQ(pickRectangle(u""), u"");
  EXPECT_EQ(pick.requests, 0);
}

TEST_F(Framework, ActionLineQuotesEachTextUnescaped) {
  EXPECT_EQ(composeActionLine(u"ZUVO_Set", {u"R", u"btn_ok", u"caption", u"Say \"hi\""}),
            u"ZUVO_Set \"R\" \"btn_ok\" \"caption\" \"Say \"hi\"\"");
  EXPECT_EQ(composeActionLine(u"ZUVO_Navigate", {u"R", u"NextPage", u""}), u"ZUVO_Navigate \"R\" \"NextPage\" \"\"");
  EXPECT_EQ(composeActionLine(u"ZUVO_GoSub", {u" a b "}), u"ZUVO_GoSub \" a b \"");
}

TEST_F(Framework, ControlReferenceAndTrimming) {
  EXPECT_EQ(controlIdOfReference(u"button:btn_ok"), u"btn_ok");
  EXPECT_EQ(controlIdOfReference(u"a:b:c"), u"b:c");
  EXPECT_EQ(controlIdOfReference(u"x:"), u"");
  EXPECT_EQ(controlIdOfReference(u"plain"), u"plain");
  EXPECT_EQ(trimSpaces(u"  a b  "), u"a b");
  EXPECT_EQ(trimSpaces(u"   "), u"");
  EXPECT_EQ(trimSpaces(u"\ta\t"), u"\ta\t");  // only spaces are trimmed
}

TEST_F(Framework, OwnerIsTheActiveWindowOrKestosWindow) {
  EXPECT_EQ(dialogOwner(), reinterpret_cast<NativeWindow>(0x1234));
  headlessSetActiveWindow(reinterpret_cast<NativeWindow>(0x5678));
  UiWindow* window = openEditorWindow(u"T", 100, 50);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(headlessWindow(window).owner, reinterpret_cast<NativeWindow>(0x5678));
  uiDestroyWindow(window);
}

TEST_F(Framework, RowsFollowTheSharedGeometry) {
  UiWindow* window = openEditorWindow(u"T", 400, 300);
  RectangleRow rectangle = addRectangleRow(window, {8, 226, 332, 118, u"hint", 350}, u"Rect1");
  DialogRow row = addTextRow(window, 56, u"Name:", 200, u"x", nullptr, 0);
  ButtonRow buttons = addButtonRow(window, 200, 140, 236, 80);

  const HeadlessControl& label = state(rectangle.row.label);
  EXPECT_EQ(std::make_tuple(label.x, label.y, label.width, label.height), std::make_tuple(10, 12, 88, 18));
  const HeadlessControl& field = state(rectangle.row.field);
  EXPECT_EQ(std::make_tuple(field.x, field.y, field.width, field.height, field.readOnly),
            std::make_tuple(102, 8, 226, 24, true));
  const HeadlessControl& hint = state(rectangle.row.hint);
  EXPECT_EQ(std::make_tuple(hint.x, hint.y, hint.width, hint.height), std::make_tuple(102, 34, 350, 14));
  EXPECT_EQ(state(rectangle.rePick).x, 332);
  EXPECT_EQ(row.hint, nullptr);
  EXPECT_FALSE(state(row.field).readOnly);
  EXPECT_EQ(std::make_tuple(state(buttons.ok).x, state(buttons.cancel).x, state(buttons.ok).height),
            std::make_tuple(140, 236, 28));
  uiDestroyWindow(window);
}

TEST_F(Framework, LoopEndsOnCloseBoxCancelOrAReactionAndDestroysTheWindow) {
  struct Case {
    Step step;
    EventOutcome fromReaction;
    int expected;
  } cases[] = {
      {closeBox(), EventOutcome::Confirmed, 0},
      {click(u"Cancel"), EventOutcome::Confirmed, 0},  // Cancel never reaches the reaction
      {click(u"OK"), EventOutcome::Confirmed, 1},
      {click(u"OK"), EventOutcome::Abandoned, 0},
  };
  for (Case& c : cases) {
    startAuthor({c.step});
    UiWindow* window = openEditorWindow(u"T", 100, 50);
    ButtonRow buttons = addButtonRow(window, 10, 10, 50, 30);
    int reactions = 0;
    int result = runEventLoop(window, buttons, [&](UiControl*) {
      ++reactions;
      return c.fromReaction;
    });
    EXPECT_EQ(result, c.expected);
    EXPECT_TRUE(headlessWindows().empty());
  }
}

TEST_F(Framework, RePickKeepsTheOldNameWhenNothingIsChosen) {
  UiWindow* window = openEditorWindow(u"T", 400, 300);
  RectangleRow rectangle = addRectangleRow(window, {8, 226, 332, 118, nullptr, 0}, u"Rect1");
  pick.replies = {PickReply::EmptyReply, PickReply::NewName};
  EXPECT_FALSE(rePickRectangle(rectangle));
  EXPECT_EQ(textOf(rectangle.row.field), u"Rect1");
  EXPECT_TRUE(rePickRectangle(rectangle));
  EXPECT_EQ(rectangle.name, u"Rect2");
  EXPECT_EQ(textOf(rectangle.row.field), u"Rect2");
  EXPECT_EQ(pick.offered, (std::vector<std::string>{"Rect1", "Rect1"}));
  uiDestroyWindow(window);
}

// A whole edit, picked anew and confirmed, replaces the entries and leaves
// no host block behind and none released twice.
TEST_F(Framework, ConfirmedEditLeavesNoBlockBehind) {
  BlockCounter counter;
  if (!counter.tracked) GTEST_SKIP() << "the platform does not track host blocks";
  {
    Params params{"Rect1", "lst_a", "AddItem", "x"};
    pick.replies = {PickReply::NewName, PickReply::NewName};
    startAuthor({click(u"Re-Pick..."), click(u"OK")});
    EXPECT_EQ(ksEditAction(5, params.list()), 1);
    EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect2", "lst_a", "AddItem", "x"}));
  }
  EXPECT_EQ(counter.liveDelta(), 0);
  EXPECT_EQ(counter.badReleases(), 0);
}
