// The ZUVO_Get editor: the read modes and their keys, decoding the stored
// target, the control rows hidden with their contents kept, the property
// list refills, the result variable's brackets and the order of checks.
#include "editors/get_editor.h"

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "editor_test_support.h"
#include "editors/editor_framework.h"

using namespace editor_test;

namespace {
struct GetEditor : EditorTest {};

UiControl* readList(UiWindow* w) { return labelled(w, u"Read:"); }
UiControl* idField(UiWindow* w) { return labelled(w, u"Control ID:"); }
UiControl* typeList(UiWindow* w) { return labelled(w, u"Control Type:"); }
UiControl* propertyList(UiWindow* w) { return labelled(w, u"Property:"); }
std::u16string readHint(UiWindow* w) { return textOf(hintUnder(w, readList(w))); }
std::u16string propertyHint(UiWindow* w) { return textOf(hintUnder(w, propertyList(w))); }
std::u16string chosenProperty(UiWindow* w) { return propertyFromChooserLine(selectedText(propertyList(w))); }

// The nine widgets of the control-property rows.
std::vector<UiControl*> controlRows(UiWindow* w) {
  std::vector<UiControl*> all;
  for (UiControl* field : {idField(w), typeList(w), propertyList(w)}) {
    all.push_back(labelFor(w, field));
    all.push_back(field);
    all.push_back(hintUnder(w, field));
  }
  return all;
}
bool controlRowsShown(UiWindow* w, bool expected) {
  for (UiControl* c : controlRows(w))
    if (!c || state(c).visible != expected) return false;
  return true;
}

Step chooseProperty(const std::u16string& name) {
  return [=](UiWindow* w) {
    UiControl* list = propertyList(w);
    for (int i = 0; i < uiDropCount(list); ++i)
      if (propertyFromChooserLine(uiDropEntry(list, i)) == name) return headlessChoose(list, i);
    ADD_FAILURE() << "no such property line";
  };
}

std::vector<std::u16string> messageTexts() {
  std::vector<std::u16string> texts;
  for (const Message& m : messages) texts.push_back(m.text);
  return texts;
}

const std::u16string kMissingResult = u"Please enter a Result Variable name.\r\nExample:  [MyVar]  or  [PageName]";
const std::u16string kMissingId = u"Please enter the Control ID.\r\nExample:  txt_name  or  sld_vol";
const std::u16string kMissingType =
    u"Please select a Control Type.\r\nChoose from the dropdown, or use a prefixed ID like  txt_  sld_  chk_";
const std::u16string kMissingProperty = u"Please choose a Property from the list.";
}  // namespace

TEST_F(GetEditor, NewActionOpensInControlPropertyMode) {
  Params params{"", "", "", ""};
  pick.replies = {PickReply::NewName};
  startAuthor({look(
      [](UiWindow* w) {
        EXPECT_EQ(headlessWindow(w).title, u"ZUVO_Get  -  Read a control property or runtime value");
        EXPECT_EQ(headlessWindow(w).innerWidth, 510);
        EXPECT_EQ(headlessWindow(w).innerHeight, 352);
        EXPECT_EQ(uiDropCount(readList(w)), 8);
        EXPECT_EQ(selectedText(readList(w)), u"Control Property");
        EXPECT_EQ(readHint(w), u"Read any property of a control - result arrives in [ZUVO.PropValue]");
        EXPECT_TRUE(controlRowsShown(w, true));
        EXPECT_EQ(textOf(idField(w)), u"");
        EXPECT_TRUE(hasFocus(w, idField(w)));
        EXPECT_EQ(uiDropSelected(typeList(w)), 0);
        EXPECT_EQ(uiDropCount(propertyList(w)), 1);
        EXPECT_EQ(uiDropEntry(propertyList(w), 0), u"-- select a Control Type first --");
        EXPECT_EQ(uiDropSelected(propertyList(w)), -1);
        EXPECT_EQ(propertyHint(w), u"Choose a Control Type above to see its properties");
        EXPECT_EQ(textOf(labelled(w, u"Result Var:")), u"[Result]");
        EXPECT_NE(textLine(w, u"e.g. [MyVar]"), nullptr);
        EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect2\" \"\" \"\" \"[Result]\"");
      },
      closeBox())});
  EXPECT_EQ(editGetAction(params.list()), 0);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(GetEditor, EveryKeyOpensItsModeAndIsWrittenBack) {
  struct Key {
    const char* key;
    const char16_t* entry;
    const char16_t* hint;
  } keys[] = {
      {"PAGE", u"Current Page Name", u"Returns the name of the currently active page  e.g. Home  or  Settings"},
      {"PAGE_INDEX", u"Current Page Index", u"Returns the active page index as a number  (0 = first page)"},
      {"PAGE_COUNT", u"Page Count", u"Returns the total number of pages in the layout"},
      {"SCREEN_W", u"Screen Width (px)", u"Returns the WebView2 window inner width in pixels"},
      {"SCREEN_H", u"Screen Height (px)", u"Returns the WebView2 window inner height in pixels"},
      {"ZUVO_TIME", u"Current Time  (HH:MM:SS)", u"Returns the current time as HH:MM:SS  e.g. 14:35:02"},
      {"ZUVO_DATE", u"Current Date  (YYYY-MM-DD)", u"Returns the current date as YYYY-MM-DD  e.g. 2025-06-15"},
  };
  for (const Key& k : keys) {
    SCOPED_TRACE(k.key);
    std::u16string key(k.key, k.key + std::strlen(k.key));
    Params params{"Rect1", k.key, "caption", "[V]"};
    startAuthor({look(
        [&](UiWindow* w) {
          EXPECT_EQ(selectedText(readList(w)), k.entry);
          EXPECT_EQ(readHint(w), k.hint);
          EXPECT_TRUE(controlRowsShown(w, false));
          EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect1\" \"" + key + u"\" \"\" \"[V]\"");
        },
        click(u"OK"))});
    EXPECT_EQ(editGetAction(params.list()), 1);
    EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", k.key, "", "[V]"}));
  }
}

TEST_F(GetEditor, TargetIsDecodedIntoTypeAndId) {
  struct Case {
    const char* target;
    const char16_t* id;
    const char16_t* type;  // the current type after loading
    const char* written;   // parameter 1 on OK
  } cases[] = {
      {"page", u"page", u"", nullptr},                                  // a key in other case is an ID
      {"txt_name", u"txt_name", u"textInput", "textInput:txt_name"},    // type from the prefix
      {":txt_name", u"txt_name", u"textInput", "textInput:txt_name"},   // nothing before the colon
      {"label:txt_name", u"txt_name", u"label", "label:txt_name"},      // the stored type wins
      {"label:a:b", u"a:b", u"label", "label:a:b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    Params params{"Rect1", c.target, "visible", ""};
    startAuthor({look(
        [&](UiWindow* w) {
          EXPECT_EQ(selectedText(readList(w)), u"Control Property");
          EXPECT_TRUE(controlRowsShown(w, true));
          EXPECT_EQ(textOf(idField(w)), c.id);
          EXPECT_EQ(uiDropSelected(typeList(w)), controlTypePosition(c.type));
          if (*c.type) {
            EXPECT_EQ(chosenProperty(w), u"visible");
            EXPECT_EQ(propertyHint(w), propertyRecordAt(findPropertyRecord(c.type, u"visible")).description);
          } else {
            EXPECT_EQ(uiDropCount(propertyList(w)), 1);
          }
        },
        click(u"OK"))});
    int result = editGetAction(params.list());
    if (c.written) {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", c.written, "visible", "[Result]"}));
    } else {
      EXPECT_EQ(result, 0);  // no type: the check holds the dialog, then the steps run out
      EXPECT_EQ(messageTexts().back(), kMissingType);
    }
  }
}

TEST_F(GetEditor, SwitchingModesKeepsTheControlRows) {
  Params params{"Rect1", "button:btn_ok", "caption", "[R]"};
  startAuthor({choose(u"Read:", u"Current Date  (YYYY-MM-DD)"),
               look(
                   [](UiWindow* w) {
                     EXPECT_TRUE(controlRowsShown(w, false));
                     EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect1\" \"ZUVO_DATE\" \"\" \"[R]\"");
                   },
                   choose(u"Read:", u"Control Property")),
               look(
                   [](UiWindow* w) {
                     EXPECT_TRUE(controlRowsShown(w, true));
                     EXPECT_EQ(textOf(idField(w)), u"btn_ok");
                     EXPECT_EQ(chosenProperty(w), u"caption");
                     EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect1\" \"btn_ok\" \"caption\" \"[R]\"");
                   },
                   choose(u"Read:", u"Current Date  (YYYY-MM-DD)")),
               click(u"OK")});
  EXPECT_EQ(editGetAction(params.list()), 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "ZUVO_DATE", "", "[R]"}));
}

TEST_F(GetEditor, KeyModeIgnoresTheHiddenRows) {
  Params params{"Rect1", "", "", ""};
  startAuthor({choose(u"Read:", u"Screen Width (px)"), click(u"OK")});
  EXPECT_EQ(editGetAction(params.list()), 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "SCREEN_W", "", "[Result]"}));
}

TEST_F(GetEditor, IdThatKeepsItsPrefixRefillsThePropertyList) {
  Params params{"Rect1", "textInput:txt_name", "placeholder", ""};
  startAuthor({type(u"Control ID:", u"myField"),
               look(
                   [](UiWindow* w) {
                     // No prefix: type, list and choice stay.
                     EXPECT_EQ(uiDropSelected(typeList(w)), controlTypePosition(u"textInput"));
                     EXPECT_EQ(chosenProperty(w), u"placeholder");
                   },
                   type(u"Control ID:", u"txt_name2")),
               look(
                   [](UiWindow* w) {
                     EXPECT_EQ(uiDropSelected(propertyList(w)), 0);
                     EXPECT_EQ(selectedText(propertyList(w)), u"-- choose property --");
                     EXPECT_EQ(propertyHint(w), u"Choose a property from the list above");
                     EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect1\" \"txt_name2\" \"-- choose property --\" \"[Result]\"");
                   },
                   choose(u"Control Type:", u"Slider")),
               look(
                   [](UiWindow* w) {
                     EXPECT_EQ(uiDropSelected(propertyList(w)), 0);
                     EXPECT_GT(uiDropCount(propertyList(w)), 1);
                   },
                   chooseProperty(u"value")),
               look(
                   [](UiWindow* w) {
                     EXPECT_EQ(propertyHint(w), propertyRecordAt(findPropertyRecord(u"slider", u"value")).description);
                   },
                   choose(u"Property:", u"--- POSITION & SIZE ---")),
               look(
                   [](UiWindow* w) {
                     // A header finds no record: the hint stays.
                     EXPECT_EQ(propertyHint(w), propertyRecordAt(findPropertyRecord(u"slider", u"value")).description);
                   },
                   click(u"OK")),
               chooseProperty(u"value"), click(u"OK")});
  EXPECT_EQ(editGetAction(params.list()), 1);
  EXPECT_EQ(messageTexts(), (std::vector<std::u16string>{kMissingProperty}));
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "slider:txt_name2", "value", "[Result]"}));
}

TEST_F(GetEditor, ResultVariableGetsItsBrackets) {
  struct Case {
    const char16_t* typed;
    const char* written;
  } cases[] = {
      {u"MyVar", "[MyVar]"},       {u"  MyVar  ", "[MyVar]"}, {u"MyVar]", "[MyVar]]"},
      {u"[Open", "[Open"},         {u"[Ok]", "[Ok]"},
  };
  for (const Case& c : cases) {
    Params params{"Rect1", "PAGE", "", ""};
    startAuthor({type(u"Result Var:", c.typed),
                 look([&](UiWindow* w) {
                   // The preview shows what was typed, trimmed, before completion.
                   EXPECT_EQ(preview(w), u"ZUVO_Get \"Rect1\" \"PAGE\" \"\" \"" + trimSpaces(c.typed) + u"\"");
                 }, click(u"OK"))});
    EXPECT_EQ(editGetAction(params.list()), 1);
    EXPECT_EQ(params.at(3), c.written);
  }
}

TEST_F(GetEditor, ChecksRunInOrder) {
  Params params{"Rect1", "", "", ""};
  startAuthor({type(u"Result Var:", u"   "), click(u"OK"), type(u"Result Var:", u"Out"), click(u"OK"),
               type(u"Control ID:", u"myThing"), click(u"OK"), choose(u"Control Type:", u"Check Box"), click(u"OK"),
               chooseProperty(u"checked"), click(u"OK")});
  EXPECT_EQ(editGetAction(params.list()), 1);
  EXPECT_EQ(messageTexts(), (std::vector<std::u16string>{kMissingResult, kMissingId, kMissingType, kMissingProperty}));
  for (const Message& m : messages) {
    EXPECT_EQ(m.title, u"ZUVO_Get");
    EXPECT_TRUE(m.ownedByDialog);
  }
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "checkBox:myThing", "checked", "[Out]"}));
}

TEST_F(GetEditor, CancelAndCloseBoxLeaveTheParameters) {
  for (Step end : {click(u"Cancel"), closeBox()}) {
    Params params{"Rect1", "button:btn_ok", "caption", "[R]"};
    startAuthor({choose(u"Read:", u"Page Count"), type(u"Result Var:", u"X"), end});
    EXPECT_EQ(editGetAction(params.list()), 0);
    EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "button:btn_ok", "caption", "[R]"}));
  }
}
