// The ZUVO_Visibility editor: opening new and stored actions, the operation
// list and its hint, the informative control type, and the empty-ID message
// that closes the dialog without a change.
#include "editors/visibility_editor.h"

#include <tuple>

#include "editor_test_support.h"

using namespace editor_test;

namespace {
struct VisibilityEditor : EditorTest {};

UiControl* actionList(UiWindow* w) { return labelled(w, u"Action:"); }
UiControl* idField(UiWindow* w) { return labelled(w, u"Control ID:"); }
UiControl* typeList(UiWindow* w) { return labelled(w, u"Control Type:"); }
std::u16string actionHint(UiWindow* w) { return textOf(hintUnder(w, actionList(w))); }

const std::u16string kMissingId =
    u"Please enter the Control ID.\r\nExample:  pnl_detail  or  btn_menu  or  lbl_status";
}  // namespace

TEST_F(VisibilityEditor, NewActionOpensWithShowAfterThePick) {
  Params params{"", "", ""};
  pick.replies = {PickReply::NewName};
  headlessSetActiveWindow(reinterpret_cast<NativeWindow>(0x77));
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_Visibility  -  Show, Hide, Enable or Disable a control");
        EXPECT_EQ(window.innerWidth, 460);
        EXPECT_EQ(window.innerHeight, 262);
        EXPECT_EQ(window.owner, reinterpret_cast<NativeWindow>(0x77));
        EXPECT_EQ(textOf(labelled(w, u"Rectangle:")), u"Rect2");
        EXPECT_TRUE(state(labelled(w, u"Rectangle:")).readOnly);
        EXPECT_EQ(uiDropCount(actionList(w)), 5);
        EXPECT_EQ(selectedText(actionList(w)), u"Show");
        EXPECT_EQ(uiDropEntry(actionList(w), 4), u"Toggle  (Show if Hidden, Hide if Visible)");
        EXPECT_EQ(actionHint(w), u"Make the control visible on screen");
        EXPECT_EQ(selectedText(typeList(w)), u"-- choose control type --");
        EXPECT_TRUE(hasFocus(w, idField(w)));
        EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect2\" \"\" \"Show\"");
        EXPECT_TRUE(state(labelled(w, u"Preview:")).readOnly);
        EXPECT_EQ(textOf(hintUnder(w, labelled(w, u"Rectangle:"))), u"The Tavix rectangle in your Kesto publication");
        EXPECT_EQ(textOf(hintUnder(w, idField(w))),
                  u"The ID of any ZUVO control  e.g. pnl_detail  btn_menu  lbl_status");
        EXPECT_EQ(textOf(hintUnder(w, typeList(w))), u"Optional - auto-detected from ID prefix, or choose manually");
        const HeadlessControl& rePick = state(button(w, u"Re-Pick..."));
        EXPECT_EQ(std::make_tuple(rePick.x, rePick.y, rePick.width), std::make_tuple(332, 8, 118));
        const HeadlessControl& ok = state(button(w, u"OK"));
        const HeadlessControl& cancel = state(button(w, u"Cancel"));
        EXPECT_EQ(std::make_tuple(ok.x, ok.y, ok.width, ok.height, cancel.x),
                  std::make_tuple(140, 224, 80, 28, 236));
        EXPECT_EQ(std::make_tuple(state(idField(w)).y, state(typeList(w)).y, state(actionList(w)).width),
                  std::make_tuple(104, 150, 200));
      },
      closeBox())});
  EXPECT_EQ(editVisibilityAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 1);
  EXPECT_EQ(pick.offered, std::vector<std::string>{""});
}

TEST_F(VisibilityEditor, CancelledPickShowsNoDialogAndWritesNothing) {
  for (PickReply reply : {PickReply::Zero, PickReply::EmptyReply, PickReply::ZeroWithReply}) {
    Params params{"Rect1", "btn_a", "Hide"};
    ParamsSnapshot before = snapshotOf(params);
    pick.replies = {reply};
    startAuthor({click(u"OK")});
    EXPECT_EQ(editVisibilityAction(params.list()), 0);
    EXPECT_EQ(author.stepsTaken, 0);
    EXPECT_EQ(snapshotOf(params), before);
  }
}

TEST_F(VisibilityEditor, StoredReferenceOpensWithTheIdAndOkWritesItPlain) {
  Params params{"Rect1", "button:btn_ok", "Hide"};
  startAuthor({look(
      [](UiWindow* w) {
        EXPECT_EQ(textOf(idField(w)), u"btn_ok");
        EXPECT_EQ(selectedText(typeList(w)), u"Button");
        EXPECT_EQ(selectedText(actionList(w)), u"Hide");
        EXPECT_EQ(actionHint(w), u"Make the control invisible  (layout space is preserved)");
        EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect1\" \"btn_ok\" \"Hide\"");
      },
      click(u"OK"))});
  EXPECT_EQ(editVisibilityAction(params.list()), 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "btn_ok", "Hide"}));
  EXPECT_EQ(pick.offered, std::vector<std::string>{"Rect1"});
}

TEST_F(VisibilityEditor, WordsAreMatchedExactly) {
  struct Case {
    const char* stored;
    const char16_t* selected;
    const char* written;
  } cases[] = {{"hide", u"Show", "Show"}, {"", u"Show", "Show"}, {"Toggle", u"Toggle  (Show if Hidden, Hide if Visible)", "Toggle"},
               {"Disable", u"Disable", "Disable"}};
  for (const Case& c : cases) {
    Params params{"Rect1", "a:b:c", c.stored};
    startAuthor({look([&](UiWindow* w) { EXPECT_EQ(selectedText(actionList(w)), c.selected); }, click(u"OK"))});
    EXPECT_EQ(editVisibilityAction(params.list()), 1);
    EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "b:c", c.written})) << c.stored;
  }
}

TEST_F(VisibilityEditor, EventsUpdateHintTypeAndPreview) {
  Params params{"Rect1", "", ""};
  pick.replies = {PickReply::Unchanged, PickReply::EmptyReply, PickReply::NewName};
  startAuthor({
      choose(u"Action:", u"Disable"),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(actionHint(w), u"Prevent interaction - control appears greyed out");
            EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect1\" \"\" \"Disable\"");
          },
          type(u"Control ID:", u"  lbl_status ")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(typeList(w)), u"Label");
            EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect1\" \"lbl_status\" \"Disable\"");
          },
          type(u"Control ID:", u"detail")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(typeList(w)), u"Label");  // no prefix: the type stays
            EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect1\" \"detail\" \"Disable\"");
          },
          click(u"Re-Pick...")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(textOf(labelled(w, u"Rectangle:")), u"Rect1");
            EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect1\" \"detail\" \"Disable\"");
          },
          click(u"Re-Pick...")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(textOf(labelled(w, u"Rectangle:")), u"Rect2");
            EXPECT_EQ(preview(w), u"ZUVO_Visibility \"Rect2\" \"detail\" \"Disable\"");
          },
          choose(u"Control Type:", u"Button")),
      click(u"OK"),
  });
  EXPECT_EQ(editVisibilityAction(params.list()), 1);
  // The chosen type is only for the author's eyes: nothing of it is written.
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect2", "detail", "Disable"}));
  EXPECT_EQ(pick.offered, (std::vector<std::string>{"Rect1", "Rect1", "Rect1"}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(VisibilityEditor, EmptyIdClosesTheDialogAfterItsMessage) {
  Params params{"Rect1", "btn_keep", "Enable"};
  ParamsSnapshot before = snapshotOf(params);
  startAuthor({type(u"Control ID:", u"   "), click(u"OK"), click(u"OK")});
  EXPECT_EQ(editVisibilityAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 2);  // the second OK never comes: the dialog is gone
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, u"ZUVO_Visibility");
  EXPECT_EQ(messages[0].text, kMissingId);
  EXPECT_TRUE(messages[0].ownedByDialog);
  EXPECT_EQ(snapshotOf(params), before);
  EXPECT_TRUE(headlessWindows().empty());
}

TEST_F(VisibilityEditor, CancelAndCloseBoxLeaveTheListAsItWas) {
  for (Step end : {click(u"Cancel"), closeBox()}) {
    Params params{"Rect1", "lbl:lbl_x", "Toggle"};
    ParamsSnapshot before = snapshotOf(params);
    pick.replies = {PickReply::NewName};
    startAuthor({type(u"Control ID:", u"btn_other"), choose(u"Action:", u"Hide"), end});
    EXPECT_EQ(editVisibilityAction(params.list()), 0);
    EXPECT_EQ(snapshotOf(params), before);
    EXPECT_TRUE(headlessWindows().empty());
  }
}
