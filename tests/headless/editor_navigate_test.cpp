// The ZUVO_Navigate editor: the operation list, the Page Name row shown only
// for GoToPage with its text kept while hidden, and the page-name check that
// keeps the dialog open.
#include "editors/navigate_editor.h"

#include <tuple>

#include "editor_test_support.h"

using namespace editor_test;

namespace {
struct NavigateEditor : EditorTest {};

UiControl* actionList(UiWindow* w) { return labelled(w, u"Action:"); }
UiControl* pageField(UiWindow* w) { return labelled(w, u"Page Name:"); }
std::u16string actionHint(UiWindow* w) { return textOf(hintUnder(w, actionList(w))); }
bool pageRowShown(UiWindow* w, bool expected) {
  UiControl* field = pageField(w);
  for (UiControl* c : {labelFor(w, field), field, hintUnder(w, field)})
    if (state(c).visible != expected) return false;
  return true;
}

const std::u16string kMissingPage =
    u"Please enter the Page Name.\r\nType the exact name from the ZUVO Zezovadu page tab  e.g. Home  or  Settings";
}  // namespace

TEST_F(NavigateEditor, NewActionOpensOnGoToPageWithThePageRow) {
  Params params{"", "", ""};
  pick.replies = {PickReply::NewName};
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_Navigate  -  Navigate between pages");
        EXPECT_EQ(std::make_pair(window.innerWidth, window.innerHeight), std::make_pair(460, 222));
        EXPECT_EQ(window.owner, reinterpret_cast<NativeWindow>(0x1234));  // nothing active: Kesto's window
        EXPECT_EQ(selectedText(actionList(w)), u"Go to Page  (by name)");
        EXPECT_EQ(actionHint(w), u"Navigate directly to any page - type the exact page name below");
        EXPECT_TRUE(pageRowShown(w, true));
        EXPECT_EQ(textOf(hintUnder(w, pageField(w))),
                  u"Exact page name from the ZUVO Zezovadu tab  e.g. Home  or  Settings  or  Results");
        EXPECT_TRUE(hasFocus(w, pageField(w)));
        EXPECT_EQ(preview(w), u"ZUVO_Navigate \"Rect2\" \"GoToPage\" \"\"");
        EXPECT_EQ(std::make_tuple(state(actionList(w)).width, state(button(w, u"OK")).y,
                                  state(labelled(w, u"Preview:")).y),
                  std::make_tuple(240, 186, 152));
      },
      closeBox())});
  EXPECT_EQ(editNavigateAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 1);
}

TEST_F(NavigateEditor, WithoutInterfaceAccessANewActionOpensNothing) {
  hostState.interfaceAccess = nullptr;
  Params fresh{"", "", ""};
  startAuthor({click(u"OK")});
  EXPECT_EQ(editNavigateAction(fresh.list()), 0);
  EXPECT_EQ(author.stepsTaken, 0);

  Params stored{"Rect1", "Reload", ""};
  startAuthor({click(u"OK")});
  EXPECT_EQ(editNavigateAction(stored.list()), 1);
  EXPECT_EQ(stored.texts(), (std::vector<std::string>{"Rect1", "Reload", ""}));
}

TEST_F(NavigateEditor, StoredOperationsOpenHiddenOrShown) {
  struct Case {
    const char* word;
    const char16_t* selected;
    bool pageShown;
    const char16_t* preview;
  } cases[] = {
      {"NextPage", u"Next Page  (wraps to first)", false, u"ZUVO_Navigate \"Rect1\" \"NextPage\" \"\""},
      {"PrevPage", u"Previous Page  (wraps to last)", false, u"ZUVO_Navigate \"Rect1\" \"PrevPage\" \"\""},
      {"Reload", u"Reload Layout  (resets to initial state)", false, u"ZUVO_Navigate \"Rect1\" \"Reload\" \"\""},
      {"nextpage", u"Go to Page  (by name)", true, u"ZUVO_Navigate \"Rect1\" \"GoToPage\" \"Home\""},
      {"GoToPage", u"Go to Page  (by name)", true, u"ZUVO_Navigate \"Rect1\" \"GoToPage\" \"Home\""},
  };
  for (const Case& c : cases) {
    Params params{"Rect1", c.word, " Home "};
    startAuthor({look(
        [&](UiWindow* w) {
          EXPECT_EQ(selectedText(actionList(w)), c.selected) << c.word;
          EXPECT_TRUE(pageRowShown(w, c.pageShown)) << c.word;
          EXPECT_EQ(textOf(pageField(w)), u" Home ");  // held as stored
          EXPECT_TRUE(hasFocus(w, pageField(w)));       // also when hidden
          EXPECT_EQ(preview(w), c.preview);
        },
        closeBox())});
    EXPECT_EQ(editNavigateAction(params.list()), 0);
  }
}

TEST_F(NavigateEditor, HiddenPageNameIsKeptAndWritten) {
  Params params{"Rect1", "GoToPage", ""};
  startAuthor({
      type(u"Page Name:", u"  Settings "),
      choose(u"Action:", u"Next Page  (wraps to first)"),
      look(
          [](UiWindow* w) {
            EXPECT_TRUE(pageRowShown(w, false));
            EXPECT_EQ(textOf(pageField(w)), u"  Settings ");
            EXPECT_EQ(actionHint(w), u"Advance to the next page  (wraps back to page 1 when on the last page)");
            EXPECT_EQ(preview(w), u"ZUVO_Navigate \"Rect1\" \"NextPage\" \"\"");
          },
          click(u"OK")),
  });
  EXPECT_EQ(editNavigateAction(params.list()), 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "NextPage", "Settings"}));
}

TEST_F(NavigateEditor, GoToPageNeedsANameAndTheDialogStaysOpen) {
  Params params{"Rect1", "PrevPage", "Old"};
  startAuthor({
      choose(u"Action:", u"Go to Page  (by name)"),
      look([](UiWindow* w) { EXPECT_TRUE(pageRowShown(w, true)); }, type(u"Page Name:", u"   ")),
      click(u"OK"),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(textOf(pageField(w)), u"   ");
            EXPECT_EQ(preview(w), u"ZUVO_Navigate \"Rect1\" \"GoToPage\" \"\"");
          },
          choose(u"Action:", u"Reload Layout  (resets to initial state)")),
      click(u"OK"),  // Reload takes an empty name
  });
  EXPECT_EQ(editNavigateAction(params.list()), 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, u"ZUVO_Navigate");
  EXPECT_EQ(messages[0].text, kMissingPage);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "Reload", ""}));
}

TEST_F(NavigateEditor, RePickAndPageEventsRecomposeThePreview) {
  Params params{"Rect1", "", ""};
  pick.replies = {PickReply::Unchanged, PickReply::NewName};
  startAuthor({
      type(u"Page Name:", u"Home"),
      click(u"Re-Pick..."),
      look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Navigate \"Rect2\" \"GoToPage\" \"Home\""); },
           click(u"OK")),
  });
  EXPECT_EQ(editNavigateAction(params.list()), 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect2", "GoToPage", "Home"}));
}

TEST_F(NavigateEditor, CancelAndCloseBoxLeaveTheListAsItWas) {
  for (Step end : {click(u"Cancel"), closeBox()}) {
    Params params{"Rect1", "GoToPage", "Home"};
    ParamsSnapshot before = snapshotOf(params);
    startAuthor({type(u"Page Name:", u"Other"), choose(u"Action:", u"Reload Layout  (resets to initial state)"), end});
    EXPECT_EQ(editNavigateAction(params.list()), 0);
    EXPECT_EQ(snapshotOf(params), before);
  }
}
