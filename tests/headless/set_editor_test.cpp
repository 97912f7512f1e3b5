// The ZUVO_Set editor as an author uses it: loading stored actions of every
// value kind, the reactions of the control and property rows, the value
// buttons with their platform dialogs, the checks and the write-back.
#include "editors/set_editor.h"

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "editor_test_support.h"
#include "host/entry_points.h"

using namespace editor_test;

namespace {
struct SetEditor : EditorTest {};

UiControl* idField(UiWindow* w) { return labelled(w, u"Control ID:"); }
UiControl* typeList(UiWindow* w) { return labelled(w, u"Control Type:"); }
UiControl* propertyList(UiWindow* w) { return labelled(w, u"Property:"); }
UiControl* valueField(UiWindow* w) { return labelled(w, u"Value:"); }
UiControl* choiceList(UiWindow* w) {
  return controlWhere(w, [](const HeadlessControl& c) { return c.kind == HeadlessKind::DropDown && c.y == 194; });
}
std::u16string propertyHint(UiWindow* w) { return textOf(hintUnder(w, propertyList(w))); }
std::u16string valueHint(UiWindow* w) {
  return textOf(controlWhere(w, [](const HeadlessControl& c) { return c.kind == HeadlessKind::Label && c.y == 220; }));
}
bool shown(UiControl* c) { return state(c).visible; }

Step chooseProperty(const std::u16string& name) {
  return [=](UiWindow* w) {
    UiControl* list = propertyList(w);
    for (int i = 0; i < uiDropCount(list); ++i)
      if (uiDropEntry(list, i).rfind(name + u"  -  ", 0) == 0) return headlessChoose(list, i);
    ADD_FAILURE() << "no such property line";
  };
}
Step chooseValue(const std::u16string& entry) {
  return [=](UiWindow* w) { headlessChoose(choiceList(w), positionOf(choiceList(w), entry)); };
}

std::u16string descriptionOf(const std::u16string& type, const std::u16string& name) {
  return propertyRecordAt(findPropertyRecord(type, name)).description;
}
}  // namespace

TEST_F(SetEditor, NewActionOpensEmptyAfterThePick) {
  Params params{"", "", "", ""};
  pick.replies = {PickReply::NewName};
  startAuthor({look(
      [](UiWindow* w) {
        const HeadlessWindow& window = headlessWindow(w);
        EXPECT_EQ(window.title, u"ZUVO_Set  -  Set a control property");
        EXPECT_EQ(window.innerWidth, 510);
        EXPECT_EQ(window.innerHeight, 316);
        EXPECT_EQ(textOf(idField(w)), u"");
        EXPECT_TRUE(hasFocus(w, idField(w)));
        EXPECT_EQ(uiDropSelected(typeList(w)), 0);
        EXPECT_EQ(uiDropCount(propertyList(w)), 1);
        EXPECT_EQ(uiDropEntry(propertyList(w), 0), u"-- select a Control Type first --");
        EXPECT_EQ(uiDropSelected(propertyList(w)), -1);
        EXPECT_EQ(propertyHint(w), u"Choose a Control Type above to see its properties");
        EXPECT_TRUE(shown(valueField(w)));
        EXPECT_FALSE(shown(choiceList(w)));
        EXPECT_FALSE(shown(button(w, u"Pick Color...")) || shown(button(w, u"Browse...")) ||
                     shown(button(w, u"Gradient...")));
        EXPECT_EQ(valueHint(w), u"Choose a Property above to see value options");
        EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect2\" \"\" \"\" \"\"");
      },
      closeBox())});
  EXPECT_EQ(editSetAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 1);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(SetEditor, CancelledPickShowsNoDialog) {
  Params params{"", "", "", ""};
  pick.replies = {PickReply::Zero};
  EXPECT_EQ(editSetAction(params.list()), 0);
  EXPECT_EQ(author.stepsTaken, 0);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(SetEditor, StoredActionOfEachKindOpensWithItsValueWidget) {
  struct Case {
    const char* control;
    const char* property;
    const char* value;
    const char16_t* type;
    bool choice;
    const char16_t* selected;  // the choice list's entry, or the text field's text
    const char16_t* button;    // the one value button shown, or null
    const char* written;       // the value OK writes
  } cases[] = {
      {"button:btn_ok", "caption", " Save ", u"button", false, u" Save ", nullptr, " Save "},
      {"button:btn_ok", "visible", "TRUE", u"button", true, u"true", nullptr, "true"},
      {"button:btn_ok", "style", "ghost", u"button", true, u"ghost", nullptr, "ghost"},
      {"slider:sld_vol", "trackColor", "RGB(1,2,3)", u"slider", false, u"RGB(1,2,3)", u"Pick Color...", "RGB(1,2,3)"},
      {"mediaPlayer:mp_music", "filename", "[PubDir]a.mp3", u"mediaPlayer", false, u"[PubDir]a.mp3", u"Browse...",
       "[PubDir]a.mp3"},
      {"label:lbl_x", "style.background", "#fff", u"label", false, u"#fff", u"Gradient...", "#fff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.property);
    Params params{"Rect1", c.control, c.property, c.value};
    startAuthor({look(
        [&](UiWindow* w) {
          std::u16string id = textOf(idField(w));
          EXPECT_EQ(id.find(u':'), std::u16string::npos);
          EXPECT_EQ(uiDropSelected(typeList(w)), controlTypePosition(c.type));
          std::u16string property(c.property, c.property + std::strlen(c.property));
          EXPECT_EQ(propertyFromChooserLine(selectedText(propertyList(w))), property);
          EXPECT_EQ(propertyHint(w), descriptionOf(c.type, property));
          EXPECT_EQ(shown(choiceList(w)), c.choice);
          EXPECT_EQ(c.choice ? selectedText(choiceList(w)) : textOf(valueField(w)), c.selected);
          if (c.button) {
            EXPECT_TRUE(shown(button(w, c.button)));
          }
          EXPECT_EQ(shown(button(w, u"Browse...")), c.button && std::u16string(c.button) == u"Browse...");
          EXPECT_EQ(preview(w).find(u"ZUVO_Set \"Rect1\" \"" + id + u"\""), 0u);
        },
        click(u"OK"))});
    EXPECT_EQ(editSetAction(params.list()), 1);
    EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", c.control, c.property, c.written}));
  }
}

TEST_F(SetEditor, StoredTypeIsFoundAgainFromTheId) {
  // The type before the colon is not used; without a known prefix no type
  // is chosen until the author picks one.
  Params params{"Rect1", "button:myButton", "caption", "Go"};
  startAuthor({look(
                   [](UiWindow* w) {
                     EXPECT_EQ(textOf(idField(w)), u"myButton");
                     EXPECT_EQ(uiDropSelected(typeList(w)), 0);
                     EXPECT_EQ(uiDropCount(propertyList(w)), 1);
                     EXPECT_EQ(uiDropSelected(propertyList(w)), -1);
                     EXPECT_EQ(textOf(valueField(w)), u"Go");
                     EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect1\" \"myButton\" \"\" \"Go\"");
                   },
                   click(u"OK")),
               choose(u"Control Type:", u"Label"), chooseProperty(u"caption"), type(u"Value:", u"Hi"), click(u"OK")});
  EXPECT_EQ(editSetAction(params.list()), 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, u"ZUVO_Set");
  EXPECT_EQ(messages[0].text.rfind(u"Please select a Control Type.", 0), 0u);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "label:myButton", "caption", "Hi"}));
}

TEST_F(SetEditor, StoredPropertyUnknownToTheTypeKeepsThePlainField) {
  Params params{"Rect1", "btn_ok", "noSuchThing", "value"};
  startAuthor({look(
      [](UiWindow* w) {
        EXPECT_EQ(uiDropSelected(propertyList(w)), 0);  // "-- choose property --"
        EXPECT_EQ(propertyHint(w), u"Choose a Control Type above to see its properties");
        EXPECT_TRUE(shown(valueField(w)));
        EXPECT_EQ(textOf(valueField(w)), u"value");
      },
      closeBox())});
  EXPECT_EQ(editSetAction(params.list()), 0);
}

TEST_F(SetEditor, ANewPropertyStartsWithAnEmptyValue) {
  Params params{"Rect1", "button:btn_ok", "style", "ghost"};
  startAuthor({chooseProperty(u"caption"),
               look(
                   [](UiWindow* w) {
                     EXPECT_TRUE(shown(valueField(w)));
                     EXPECT_EQ(textOf(valueField(w)), u"");
                     EXPECT_EQ(propertyHint(w), descriptionOf(u"button", u"caption"));
                     EXPECT_EQ(valueHint(w), u"e.g. Click Me");
                   },
                   chooseProperty(u"style")),
               look(
                   [](UiWindow* w) {
                     EXPECT_EQ(uiDropSelected(choiceList(w)), 0);
                     EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect1\" \"btn_ok\" \"style\" \"\"");
                   },
                   // A section header changes nothing.
                   choose(u"Property:", u"--- FONT & TEXT ---")),
               look([](UiWindow* w) { EXPECT_TRUE(shown(choiceList(w))); }, chooseValue(u"danger")),
               look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect1\" \"btn_ok\" \"\" \"danger\""); },
                    closeBox())});
  EXPECT_EQ(editSetAction(params.list()), 0);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "button:btn_ok", "style", "ghost"}));
}

TEST_F(SetEditor, IdAndTypeChangesResetTheValueArea) {
  Params params{"Rect1", "button:btn_ok", "style", "ghost"};
  startAuthor({
      // No known prefix: the type and property list stay, the value area resets.
      type(u"Control ID:", u"myThing"),
      look(
          [](UiWindow* w) {
            EXPECT_TRUE(shown(valueField(w)));
            EXPECT_FALSE(shown(choiceList(w)));
            EXPECT_EQ(valueHint(w), u"Choose a Property above to see value options");
            EXPECT_EQ(propertyFromChooserLine(selectedText(propertyList(w))), u"style");
            EXPECT_EQ(uiDropSelected(typeList(w)), controlTypePosition(u"button"));
            EXPECT_EQ(textOf(valueField(w)), u"ghost");  // the field kept its loaded text
          },
          type(u"Control ID:", u" sld_vol ")),
      look(
          [](UiWindow* w) {
            EXPECT_EQ(uiDropSelected(typeList(w)), controlTypePosition(u"slider"));
            EXPECT_EQ(uiDropSelected(propertyList(w)), 0);
            EXPECT_EQ(propertyHint(w), u"Choose a property from the list above");
            EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect1\" \"sld_vol\" \"-- choose property --\" \"ghost\"");
          },
          chooseProperty(u"trackColor")),
      look([](UiWindow* w) { EXPECT_TRUE(shown(button(w, u"Pick Color..."))); },
           choose(u"Control Type:", u"-- choose control type --")),
      look(
          [](UiWindow* w) {
            EXPECT_FALSE(shown(button(w, u"Pick Color...")));
            EXPECT_EQ(uiDropCount(propertyList(w)), 1);
            EXPECT_EQ(propertyHint(w), u"Choose a property from the list above");
          },
          click(u"OK")),
      closeBox(),
  });
  EXPECT_EQ(editSetAction(params.list()), 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, u"Please select a Control Type.\r\nChoose the type from the dropdown, or use a prefixed "
                              u"ID like  btn_  lbl_  txt_");
}

TEST_F(SetEditor, ChecksRunInOrderAndKeepTheDialogOpen) {
  Params params{"Rect1", "", "", ""};
  startAuthor({click(u"OK"), type(u"Control ID:", u"   "), click(u"OK"), type(u"Control ID:", u" btn_go "),
               click(u"OK"), choose(u"Property:", u"--- CONTROL PROPERTIES ---"), click(u"OK"),
               chooseProperty(u"caption"), click(u"OK")});
  EXPECT_EQ(editSetAction(params.list()), 1);
  std::vector<std::u16string> texts;
  for (const Message& m : messages) {
    EXPECT_EQ(m.title, u"ZUVO_Set");
    EXPECT_TRUE(m.ownedByDialog);
    texts.push_back(m.text);
  }
  const std::u16string missingId = u"Please enter the Control ID.\r\nExample:  btn_submit  or  lbl_status  or  txt_name";
  EXPECT_EQ(texts, (std::vector<std::u16string>{missingId, missingId, u"Please choose a Property from the list.",
                                                u"Please choose a Property from the list."}));
  // An empty value is accepted; the ID is written trimmed, after its type.
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "button:btn_go", "caption", ""}));
}

TEST_F(SetEditor, BrowseOffersTheFiltersAndTakesAChosenPath) {
  struct Offer {
    std::u16string title, filters, proposed;
    int filterIndex;
  };
  std::vector<Offer> offers;
  std::vector<std::u16string> answers = {u"", u"C:\\media\\song.mp3"};
  Params params{"Rect1", "mediaPlayer:mp_music", "filename", "old.mp3"};
  startAuthor({click(u"Browse..."),
               look([](UiWindow* w) { EXPECT_EQ(textOf(valueField(w)), u"old.mp3"); }, click(u"Browse...")),
               click(u"OK")});
  HeadlessDialogs dialogs;
  dialogs.openFile = [&](const std::u16string& title, const std::u16string& filters, int index,
                         const std::u16string& proposed, std::u16string& chosen) {
    offers.push_back({title, filters, proposed, index});
    chosen = answers[offers.size() - 1];
    return offers.size() == 2;  // the first is cancelled
  };
  headlessSetDialogs(dialogs);
  EXPECT_EQ(editSetAction(params.list()), 1);
  ASSERT_EQ(offers.size(), 2u);
  EXPECT_EQ(offers[0].title, u"Select File");
  EXPECT_EQ(offers[0].filterIndex, 2);
  EXPECT_EQ(offers[0].proposed, u"old.mp3");
  EXPECT_EQ(offers[0].filters,
            u"Images (*.png,*.jpg,*.gif,*.bmp,*.webp,*.svg,*.avif)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp;*.ico;*.svg;"
            u"*.avif;*.apng|Audio (*.mp3,*.wav,*.ogg,*.flac,*.aac,*.wma)|*.mp3;*.wav;*.ogg;*.flac;*.aac;*.wma;*.m4a|"
            u"Video (*.mp4,*.webm,*.avi,*.mkv,*.mov)|*.mp4;*.webm;*.avi;*.mkv;*.mov;*.wmv|HTML (*.html,*.htm)|*.html;"
            u"*.htm|Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf|All Files (*.*)|*.*");
  EXPECT_EQ(params.at(3), "C:\\media\\song.mp3");

  // Any other type starts at the Images filter.
  offers.clear();
  Params image{"Rect1", "textInput:txt_a", "filename", ""};
  startAuthor({click(u"Browse..."), click(u"OK")});
  headlessSetDialogs(dialogs);
  EXPECT_EQ(editSetAction(image.list()), 1);
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].filterIndex, 1);
  EXPECT_EQ(image.at(3), "");
}

TEST_F(SetEditor, PickColorAndGradientFillTheValueField) {
  Params params{"Rect1", "btn_a", "style.background", "rgba(255,0,0,0.5)"};
  bool accept = false;
  startAuthor({click(u"Pick Color..."),
               look([](UiWindow* w) { EXPECT_EQ(textOf(valueField(w)), u"rgba(255,0,0,0.5)"); },
                    click(u"Pick Color...")),
               look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect1\" \"btn_a\" \"style.background\" "
                                                            u"\"#ff0000\""); },
                    click(u"Gradient...")),
               // The builder's own window waits next: its OK at once.
               [](UiWindow* w) {
                 EXPECT_EQ(headlessWindow(w).title, u"Build Gradient");
                 headlessClick(button(w, u"OK"));
               },
               look([](UiWindow* w) { EXPECT_EQ(headlessWindow(w).title, u"ZUVO_Set  -  Set a control property"); },
                    click(u"OK"))});
  HeadlessDialogs dialogs = {};
  dialogs.color = [&](UiColor initial, UiColor& chosen) {
    EXPECT_EQ(initial.red, 255);
    chosen = initial;
    bool answer = accept;
    accept = true;  // cancel the first, accept the second
    return answer;
  };
  headlessSetDialogs(dialogs);
  EXPECT_EQ(editSetAction(params.list()), 1);
  EXPECT_EQ(params.at(3), "linear-gradient(135deg,#cc2244,#2244cc)");
}

TEST_F(SetEditor, CancelAfterEditingLeavesTheParameters) {
  Params params{"Rect1", "button:btn_ok", "caption", "Save"};
  pick.replies = {PickReply::Unchanged, PickReply::NewName};
  startAuthor({type(u"Control ID:", u"lbl_x"), chooseProperty(u"caption"), type(u"Value:", u"new"),
               click(u"Re-Pick..."),
               look([](UiWindow* w) { EXPECT_EQ(preview(w), u"ZUVO_Set \"Rect2\" \"lbl_x\" \"caption\" \"new\""); },
                    click(u"Cancel"))});
  EXPECT_EQ(editSetAction(params.list()), 0);
  EXPECT_EQ(params.texts(), (std::vector<std::string>{"Rect1", "button:btn_ok", "caption", "Save"}));
  EXPECT_TRUE(headlessWindows().empty());
}

// The builder is modal to the dialog under it, like the system's own modal
// dialogs: that dialog takes no input until the builder has gone.
TEST_F(SetEditor, TheGradientBuilderDisablesTheDialogUnderItUntilItCloses) {
  Params params{"Rect1", "btn_a", "style.background", "red"};
  UiWindow* dialog = nullptr;
  startAuthor({look([&](UiWindow* w) { dialog = w; }, click(u"Gradient...")),
               [&](UiWindow* builder) {
                 EXPECT_EQ(headlessWindow(builder).title, u"Build Gradient");
                 EXPECT_EQ(headlessWindow(builder).owner, uiNativeWindow(dialog));
                 EXPECT_FALSE(headlessWindow(dialog).enabled);
                 EXPECT_TRUE(headlessWindow(builder).enabled);
                 headlessClick(button(builder, u"Cancel"));
               },
               look([&](UiWindow* w) { EXPECT_TRUE(headlessWindow(w).enabled); }, click(u"OK"))});
  EXPECT_EQ(editSetAction(params.list()), 1);
  EXPECT_EQ(params.at(3), "red");
}

// Kesto destroying the window that owns the dialog ends the edit: whatever
// the author had done or queued, nothing is written.
TEST_F(SetEditor, ADialogDestroyedFromOutsideEndsTheEditWithoutWriting) {
  Params params{"Rect1", "btn_a", "style.background", "red"};
  ParamsSnapshot before = snapshotOf(params);
  startAuthor({type(u"Value:", u"blue"), [](UiWindow* w) {
                 headlessClick(button(w, u"OK"));
                 headlessDestroyFromOutside(w);
               }});
  EXPECT_EQ(ksEditAction(1, params.list()), 0);
  EXPECT_TRUE(snapshotOf(params) == before);
  EXPECT_TRUE(headlessWindows().empty());

  // The same with the builder up: both windows go, the builder's result
  // is not taken.
  startAuthor({click(u"Gradient..."), [](UiWindow* builder) {
                 headlessClick(button(builder, u"OK"));
                 for (UiWindow* window : headlessWindows()) headlessDestroyFromOutside(window);
               }});
  EXPECT_EQ(ksEditAction(1, params.list()), 0);
  EXPECT_TRUE(snapshotOf(params) == before);
  EXPECT_TRUE(headlessWindows().empty());
}
