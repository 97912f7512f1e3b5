// The ZUVO_Items editor: the control type steering the operation, the Text
// row following the operation, the checks in their order and the text
// written exactly as typed.
#include "editors/items_editor.h"

#include <tuple>

#include "editor_test_support.h"

using namespace editor_test;

namespace {
struct ItemsEditor : EditorTest {};

constexpr char16_t kAdd[] = u"Add Item  (ComboBox / ListBox)";
constexpr char16_t kClear[] = u"Clear All Items  (ComboBox / ListBox)";
constexpr char16_t kSet[] = u"Set Text  (TextArea / RichText)";
const std::u16string kSetTextHint =
    u"TextArea: plain text   |   RichText: HTML  e.g. <b>Hello</b> World  (empty = clear)";
const std::u16string kMissingId = u"Please enter the Control ID.\r\nExample:  cbo_color  or  lst_files  or  txa_notes";
const std::u16string kMissingItem =
    u"Please enter the item text.\r\nTo clear a TextArea or RichText use SetText with an empty value.";

UiControl* actionList(UiWindow* w) { return labelled(w, u"Action:"); }
UiControl* typeList(UiWindow* w) { return labelled(w, u"Control Type:"); }
UiControl* idField(UiWindow* w) { return labelled(w, u"Control ID:"); }
// The Text row's label changes with the operation, so it is found by place.
UiControl* textField(UiWindow* w) {
  return controlWhere(w, [](const HeadlessControl& c) { return c.kind == HeadlessKind::TextField && c.y == 194; });
}
std::u16string textLabel(UiWindow* w) { return textOf(labelFor(w, textField(w))); }
std::u16string textHint(UiWindow* w) { return textOf(hintUnder(w, textField(w))); }
bool textRowShown(UiWindow* w, bool expected) {
  UiControl* field = textField(w);
  for (UiControl* c : {labelFor(w, field), field, hintUnder(w, field)})
    if (state(c).visible != expected) return false;
  return true;
}
Step typeText(const std::u16string& text) {
  return [=](UiWindow* w) { headlessType(textField(w), text); };
}

struct Opened {
  std::u16string operation, type, label;
  bool textShown;
};
Opened openedWith(const char* controlId, const char* word) {
  Params params{"Rect1", controlId, word, "t"};
  Opened opened;
  startAuthor({look(
      [&](UiWindow* w) {
        opened = {selectedText(actionList(w)), selectedText(typeList(w)), textLabel(w), textRowShown(w, true)};
      },
      closeBox())});
  editItemsAction(params.list());
  return opened;
}
}  // namespace

TEST_F(ItemsEditor, NewActionOpensOnAddItem) {
  Params params{"", "", "", ""};
  pick.replies = {PickReply::NewName};
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_Items  -  Add items or set text content");
        EXPECT_EQ(std::make_pair(window.innerWidth, window.innerHeight), std::make_pair(510, 316));
        EXPECT_EQ(selectedText(actionList(w)), kAdd);
        EXPECT_EQ(textOf(hintUnder(w, actionList(w))),
                  u"Append one item to the list - call multiple times to add multiple items");
        EXPECT_EQ(textLabel(w), u"New Item:");
        EXPECT_EQ(textHint(w), u"Text of the item to add  e.g. Red  or  Option 1");
        EXPECT_EQ(selectedText(typeList(w)), u"-- choose control type --");
        EXPECT_EQ(textOf(hintUnder(w, idField(w))),
                  u"ComboBox / ListBox for items  |  TextArea / RichText for text  e.g. cbo_color  lst_files  "
                  u"txa_notes");
        EXPECT_EQ(textOf(hintUnder(w, typeList(w))),
                  u"Auto-detected from ID prefix - or choose manually.  Drives the Action list below.");
        EXPECT_TRUE(hasFocus(w, idField(w)));
        EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect2\" \"\" \"AddItem\" \"\"");
        EXPECT_EQ(std::make_tuple(state(typeList(w)).width, state(actionList(w)).width,
                                  state(button(w, u"OK")).x, state(button(w, u"Cancel")).x,
                                  state(button(w, u"OK")).y, state(button(w, u"Re-Pick...")).x),
                  std::make_tuple(240, 270, 170, 266, 278, 378));
      },
      closeBox())});
  EXPECT_EQ(editItemsAction(params.list()), 0);
}

TEST_F(ItemsEditor, SteeringRules) {
  struct Case {
    const char16_t* type;
    const char16_t* word;
    const char16_t* steered;
  } cases[] = {
      {u"textArea", u"AddItem", u"SetText"},    {u"richText", u"AddItem", u"SetText"},
      {u"comboBox", u"SetText", u"AddItem"},    {u"listBox", u"SetText", u"AddItem"},
      {u"textArea", u"ClearItems", u"ClearItems"}, {u"listBox", u"ClearItems", u"ClearItems"},
      {u"textArea", u"SetText", u"SetText"},    {u"comboBox", u"AddItem", u"AddItem"},
      {u"button", u"AddItem", u"AddItem"},      {u"", u"SetText", u"SetText"},
      {u"textArea", u"additem", u"additem"},
  };
  for (const Case& c : cases) EXPECT_EQ(steeredItemsOperation(c.type, c.word), c.steered) << static_cast<int>(&c - cases);
}

TEST_F(ItemsEditor, LoadingIsSteeredByTheStoredWord) {
  Opened setOnList = openedWith("lst_files", "SetText");
  EXPECT_EQ(setOnList.operation, kAdd);
  EXPECT_EQ(setOnList.type, u"List Box");
  EXPECT_EQ(setOnList.label, u"New Item:");

  Opened newOnText = openedWith("txa_notes", "");
  EXPECT_EQ(newOnText.operation, kSet);
  EXPECT_EQ(newOnText.label, u"Content:");

  // A word the list does not know selects Add Item but is not steered.
  Opened unknownOnText = openedWith("txa_notes", "additem");
  EXPECT_EQ(unknownOnText.operation, kAdd);
  EXPECT_EQ(unknownOnText.type, u"Text Area");

  Opened clearOnText = openedWith("textArea:txa_notes", "ClearItems");
  EXPECT_EQ(clearOnText.operation, kClear);
  EXPECT_FALSE(clearOnText.textShown);
  EXPECT_EQ(clearOnText.label, u"Text:");  // a hidden row keeps its first texts
}

TEST_F(ItemsEditor, TypingIdsSwitchesBetweenAddAndSet) {
  Params params{"Rect1", "", "", ""};
  startAuthor({
      type(u"Control ID:", u"txa_notes"),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(typeList(w)), u"Text Area");
            EXPECT_EQ(selectedText(actionList(w)), kSet);
            EXPECT_EQ(textLabel(w), u"Content:");
            EXPECT_EQ(textHint(w), kSetTextHint);
            EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect1\" \"txa_notes\" \"SetText\" \"\"");
          },
          type(u"Control ID:", u"cbo_color")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(typeList(w)), u"Combo Box");
            EXPECT_EQ(selectedText(actionList(w)), kAdd);
            EXPECT_EQ(textLabel(w), u"New Item:");
          },
          type(u"Control ID:", u"nothing")),
      look([](UiWindow* w) { EXPECT_EQ(selectedText(typeList(w)), u"Combo Box"); }, typeText(u"  Red ")),
      look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect1\" \"nothing\" \"AddItem\" \"Red\""); },
           click(u"OK")),
  });
  EXPECT_EQ(editItemsAction(params.list()), 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "nothing", "AddItem", "  Red "}));
}

TEST_F(ItemsEditor, ChosenTypesSteerButNeverClearItems) {
  Params params{"Rect1", "", "ClearItems", "kept"};
  startAuthor({
      choose(u"Control Type:", u"Text Area"),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(actionList(w)), kClear);
            EXPECT_TRUE(textRowShown(w, false));
            EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect1\" \"\" \"ClearItems\" \"\"");
          },
          choose(u"Action:", kAdd)),
      look([](UiWindow* w) { EXPECT_TRUE(textRowShown(w, true)); }, choose(u"Control Type:", u"Rich Text")),
      look([](UiWindow* w) { EXPECT_EQ(selectedText(actionList(w)), kSet); },
           choose(u"Control Type:", u"-- choose control type --")),
      look([](UiWindow* w) { EXPECT_EQ(selectedText(actionList(w)), kSet); }, choose(u"Control Type:", u"List Box")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(selectedText(actionList(w)), kAdd);
            EXPECT_EQ(textOf(textField(w)), u"kept");  // the text survived the hidden spell
          },
          closeBox()),
  });
  EXPECT_EQ(editItemsAction(params.list()), 0);
}

TEST_F(ItemsEditor, ChecksInOrderAndTextAsTyped) {
  Params params{"Rect1", "", "", ""};
  startAuthor({
      click(u"OK"),                        // no ID, no text: the ID is reported first
      type(u"Control ID:", u"  lst_files  "),
      typeText(u"   "),
      click(u"OK"),                        // AddItem of spaces only
      choose(u"Action:", kSet),
      click(u"OK"),                        // SetText takes the spaces as they are
  });
  EXPECT_EQ(editItemsAction(params.list()), 1);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, kMissingId);
  EXPECT_EQ(messages[1].text, kMissingItem);
  EXPECT_EQ(messages[1].title, u"ZUVO_Items");
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "lst_files", "SetText", "   "}));
}

TEST_F(ItemsEditor, EmptySetTextAndClearItemsWithHiddenText) {
  Params setText{"Rect1", "richText:rtx_body", "SetText", ""};
  startAuthor({click(u"OK")});
  EXPECT_EQ(editItemsAction(setText.list()), 1);
  EXPECT_EQ(setText.texts(), (std::vector<std::string>{"Rect1", "rtx_body", "SetText", ""}));

  Params clear{"Rect1", "cbo_a", "ClearItems", " left over "};
  startAuthor({click(u"OK")});
  EXPECT_EQ(editItemsAction(clear.list()), 1);
  EXPECT_EQ(clear.texts(), (std::vector<std::string>{"Rect1", "cbo_a", "ClearItems", " left over "}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(ItemsEditor, RePickCancelAndCloseBox) {
  for (Step end : {click(u"Cancel"), closeBox()}) {
    Params params{"Rect1", "lst_a", "AddItem", "x"};
    ParamsSnapshot before = snapshotOf(params);
    pick.replies = {PickReply::Unchanged, PickReply::Zero, PickReply::NewName};
    startAuthor({
        click(u"Re-Pick..."),
        look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect1\" \"lst_a\" \"AddItem\" \"x\""); },
             click(u"Re-Pick...")),
        look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Items \"Rect2\" \"lst_a\" \"AddItem\" \"x\""); },
             typeText(u"y")),
        end,
    });
    EXPECT_EQ(editItemsAction(params.list()), 0);
    EXPECT_EQ(snapshotOf(params), before);
  }
}
