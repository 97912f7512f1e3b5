// The ZUVO_AddRow and ZUVO_ClearRows editors: their dialogs, trimmed write-
// back and the checks in the order of the rows.
#include <tuple>

#include "editor_test_support.h"
#include "editors/add_row_editor.h"
#include "editors/clear_rows_editor.h"

using namespace editor_test;

namespace {
struct TableRowsEditors : EditorTest {};

const std::u16string kMissingRectangle = u"Please enter the Rectangle name.";
const std::u16string kMissingTable = u"Please enter the Table ID.  e.g. tbl_1";
const std::u16string kMissingCells = u"Please enter the cell values.  e.g. Alice,Engineering,Lead";

std::vector<std::u16string> messageTexts(const std::u16string& title) {
  std::vector<std::u16string> texts;
  for (const Message& m : messages) {
    EXPECT_EQ(m.title, title);
    texts.push_back(m.text);
  }
  return texts;
}
}  // namespace

TEST_F(TableRowsEditors, AddRowOpensAsLaidOut) {
  Params params{"Rect1", "tbl_staff", "Alice,Eng"};
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_AddRow  -  Append a row to a Table");
        EXPECT_EQ(std::make_pair(window.innerWidth, window.innerHeight), std::make_pair(480, 210));
        UiControl* rectangle = labelled(w, u"Rectangle:");
        EXPECT_EQ(hintUnder(w, rectangle), nullptr);
        EXPECT_EQ(std::make_tuple(state(rectangle).y, state(rectangle).width, state(button(w, u"Re-Pick...")).x),
                  std::make_tuple(10, 270, 376));
        UiControl* cells = labelled(w, u"Cell Values:");
        EXPECT_EQ(textOf(hintUnder(w, cells)),
                  u"Comma-separated cell values  e.g.  Alice Chen,Engineering,Lead Developer");
        EXPECT_EQ(state(hintUnder(w, cells)).y, 96);
        EXPECT_TRUE(hasFocus(w, labelled(w, u"Table ID:")));
        EXPECT_EQ(preview(w), u"ZUVO_AddRow \"Rect1\" \"tbl_staff\" \"Alice,Eng\"");
        const HeadlessControl& ok = state(button(w, u"OK"));
        EXPECT_EQ(std::make_tuple(ok.x, ok.y, ok.width, state(button(w, u"Cancel")).x),
                  std::make_tuple(145, 160, 90, 249));
      },
      closeBox())});
  EXPECT_EQ(editAddRowAction(params.list()), 0);
}

TEST_F(TableRowsEditors, AddRowChecksRectangleThenTableThenCells) {
  Params params{"  ", "", ""};  // Kesto answers with a name of spaces
  startAuthor({click(u"OK"), type(u"Table ID:", u" tbl_1 "), click(u"OK"), click(u"Re-Pick..."), click(u"OK"),
               type(u"Cell Values:", u"  Alice , Eng,  "), click(u"OK")});
  pick.replies = {PickReply::Unchanged, PickReply::NewName};
  EXPECT_EQ(editAddRowAction(params.list()), 1);
  EXPECT_EQ(messageTexts(u"ZUVO_AddRow"),
            (std::vector<std::u16string>{kMissingRectangle, kMissingRectangle, kMissingCells}));
  // Trimmed at the ends only; the cells are neither split nor checked.
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect2", "tbl_1", "Alice , Eng,"}));
}

TEST_F(TableRowsEditors, AddRowTableBeforeCells) {
  Params params{"Rect1", "", ""};
  startAuthor({click(u"OK"), type(u"Table ID:", u"tbl"), click(u"OK"), closeBox()});
  EXPECT_EQ(editAddRowAction(params.list()), 0);
  EXPECT_EQ(messageTexts(u"ZUVO_AddRow"), (std::vector<std::u16string>{kMissingTable, kMissingCells}));
}

TEST_F(TableRowsEditors, AddRowPreviewFollowsFieldsAndRePick) {
  Params params{"Rect1", "", ""};
  pick.replies = {PickReply::Unchanged, PickReply::Zero};
  startAuthor({
      type(u"Table ID:", u" tbl_a"),
      type(u"Cell Values:", u"1,2 "),
      click(u"Re-Pick..."),
      look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_AddRow \"Rect1\" \"tbl_a\" \"1,2\""); }, click(u"Cancel")),
  });
  EXPECT_EQ(editAddRowAction(params.list()), 0);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "", ""}));
}

TEST_F(TableRowsEditors, ClearRowsOpensChecksAndWrites) {
  Params params{"Rect1", "", "not ours"};
  startAuthor({
      look(
          [](UiWindow* w) {
            const HeadlessWindow& window = headlessWindow(w);
            EXPECT_EQ(window.title, u"ZUVO_ClearRows  -  Clear all table rows");
            EXPECT_EQ(std::make_pair(window.innerWidth, window.innerHeight), std::make_pair(430, 174));
            UiControl* info = textLine(w, u"Removes all data rows from the specified Table control.");
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(std::make_tuple(state(info).x, state(info).y, state(info).width), std::make_tuple(10, 74, 410));
            EXPECT_EQ(std::make_tuple(state(labelled(w, u"Rectangle:")).width, state(button(w, u"Re-Pick...")).x,
                                      state(button(w, u"OK")).x, state(button(w, u"OK")).y),
                      std::make_tuple(218, 326, 114, 136));
            EXPECT_TRUE(hasFocus(w, labelled(w, u"Table ID:")));
            EXPECT_EQ(preview(w), u"ZUVO_ClearRows \"Rect1\" \"\"");
          },
          click(u"OK")),
      type(u"Table ID:", u"  tbl_9 "),
      look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_ClearRows \"Rect1\" \"tbl_9\""); }, click(u"OK")),
  });
  EXPECT_EQ(editClearRowsAction(params.list()), 1);
  EXPECT_EQ(messageTexts(u"ZUVO_ClearRows"), std::vector<std::u16string>{kMissingTable});
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "tbl_9", "not ours"}));
}

TEST_F(TableRowsEditors, ClearRowsRectangleOfSpacesIsReportedFirst) {
  Params params{" ", "tbl_1"};
  startAuthor({click(u"OK"), closeBox()});
  EXPECT_EQ(editClearRowsAction(params.list()), 0);
  EXPECT_EQ(messageTexts(u"ZUVO_ClearRows"), std::vector<std::u16string>{kMissingRectangle});
}

TEST_F(TableRowsEditors, CancelledPickAndCancelLeaveBothListsAlone) {
  Params addRow{"Rect1", "tbl_1", "a,b"};
  Params clearRows{"Rect1", "tbl_1"};
  ParamsSnapshot addBefore = snapshotOf(addRow), clearBefore = snapshotOf(clearRows);
  pick.replies = {PickReply::Zero, PickReply::EmptyReply};
  EXPECT_EQ(editAddRowAction(addRow.list()), 0);
  EXPECT_EQ(editClearRowsAction(clearRows.list()), 0);
  EXPECT_TRUE(messages.empty());
  for (Step end : {click(u"Cancel"), closeBox()}) {
    startAuthor({type(u"Table ID:", u"tbl_2"), end});
    EXPECT_EQ(editAddRowAction(addRow.list()), 0);
    startAuthor({type(u"Table ID:", u"tbl_2"), end});
    EXPECT_EQ(editClearRowsAction(clearRows.list()), 0);
  }
  EXPECT_EQ(snapshotOf(addRow), addBefore);
  EXPECT_EQ(snapshotOf(clearRows), clearBefore);
}
