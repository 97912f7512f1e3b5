// The ZUVO_GoSub editor, which asks Kesto for no rectangle, and the editor
// table behind ksEditAction.
#include "editors/go_sub_editor.h"

#include <tuple>

#include "editor_test_support.h"
#include "host/entry_points.h"

using namespace editor_test;

namespace {
struct GoSubEditor : EditorTest {};
UiControl* nameField(UiWindow* w) { return labelled(w, u"Subroutine:"); }
const std::u16string kMissingName = u"Please enter the subroutine name.\r\nExample:  OnSaveComplete  or  UpdateDisplay";
}  // namespace

TEST_F(GoSubEditor, OpensWithoutAPick) {
  Params params{" My Sub "};
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_GoSub  -  Call a Kesto subroutine");
        EXPECT_EQ(std::make_pair(window.innerWidth, window.innerHeight), std::make_pair(430, 174));
        EXPECT_EQ(textOf(nameField(w)), u" My Sub ");
        EXPECT_EQ(state(nameField(w)).width, 318);
        EXPECT_EQ(textOf(hintUnder(w, nameField(w))),
                  u"Exact name of the Kesto subroutine to call  e.g. OnSaveComplete  or  UpdateDisplay");
        UiControl* first = textLine(w, u"Executes immediately inside Kesto when this action runs - no rectangle needed.");
        UiControl* second = textLine(w, u"The subroutine must exist in your Kesto Subroutine Action (exported subs file).");
        ASSERT_TRUE(first && second);
        EXPECT_EQ(std::make_tuple(state(first).x, state(first).y, state(second).y, state(second).width),
                  std::make_tuple(10, 60, 76, 410));
        EXPECT_EQ(button(w, u"Re-Pick..."), nullptr);
        EXPECT_TRUE(hasFocus(w, nameField(w)));
        EXPECT_EQ(preview(w), u"ZUVO_GoSub \"My Sub\"");
      },
      click(u"OK"))});
  EXPECT_EQ(editGoSubAction(params.list()), 1);
  EXPECT_EQ(pick.requests, 0);
  EXPECT_EQ(params.texts(), std::vector<std::string>{"My Sub"});
}

TEST_F(GoSubEditor, QuotesStayUnescaped) {
  Params params{""};
  startAuthor({type(u"Subroutine:", u"Say \"hi\""),
               look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_GoSub \"Say \"hi\"\""); }, click(u"OK"))});
  EXPECT_EQ(editGoSubAction(params.list()), 1);
  EXPECT_EQ(params.at(0), "Say \"hi\"");
}

TEST_F(GoSubEditor, EmptyNameClosesTheDialogAfterItsMessage) {
  Params params{"OnSave"};
  ParamsSnapshot before = snapshotOf(params);
  startAuthor({type(u"Subroutine:", u"    "), click(u"OK"), click(u"OK")});
  EXPECT_EQ(editGoSubAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 2);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, u"ZUVO_GoSub");
  EXPECT_EQ(messages[0].text, kMissingName);
  EXPECT_TRUE(messages[0].ownedByDialog);
  EXPECT_EQ(snapshotOf(params), before);
  EXPECT_TRUE(headlessWindows().empty());
}

TEST_F(GoSubEditor, CancelAndCloseBoxLeaveTheNameAlone) {
  for (Step end : {click(u"Cancel"), closeBox()}) {
    Params params{"OnSave"};
    ParamsSnapshot before = snapshotOf(params);
    startAuthor({type(u"Subroutine:", u"Other"), end});
    EXPECT_EQ(editGoSubAction(params.list()), 0);
    EXPECT_EQ(snapshotOf(params), before);
  }
}

// Each action number opens its own editor through Kesto's entry point.
TEST_F(GoSubEditor, EditActionOpensTheEditorOfEachNumber) {
  struct Case {
    int32_t number;
    const char16_t* title;
  } cases[] = {
      {3, u"ZUVO_Visibility  -  Show, Hide, Enable or Disable a control"},
      {4, u"ZUVO_Navigate  -  Navigate between pages"},
      {5, u"ZUVO_Items  -  Add items or set text content"},
      {6, u"ZUVO_GoSub  -  Call a Kesto subroutine"},
      {7, u"ZUVO_AddRow  -  Append a row to a Table"},
      {8, u"ZUVO_ClearRows  -  Clear all table rows"},
  };
  for (const Case& c : cases) {
    Params params{"Rect1", "", "", ""};
    std::u16string title;
    startAuthor({look([&](UiWindow* w) { title = headlessWindow(w).title; }, closeBox())});
    EXPECT_EQ(ksEditAction(c.number, params.list()), 0);
    EXPECT_EQ(title, c.title);
  }
}
