// The dialogs in another language: every text they show comes from the
// table, and the same author steps write the same parameters, show the same
// previews and fail the same checks whatever the language. The language
// here is a pseudo-translation of every listed text ("«Rectangle:»"), so
// that a text shown untranslated, or a shown text read back as data, is
// caught; the built-in tables that hold translations run the steps too.
#include <memory>
#include <ostream>
#include <set>

#include "catalogue/pipe_list.h"
#include "catalogue/property_catalogue.h"
#include "editor_test_support.h"
#include "editors/action_editors.h"
#include "editors/dialog_texts.h"
#include "platform/text_case.h"
#include "platform/standin/ui_languages_standin.h"
#include "tools/shared/utf8.h"

using namespace editor_test;

namespace {
constexpr char16_t kPseudoLanguage[] = u"qps-ploc";

// Every listed text wrapped in guillemets.
struct PseudoTable {
  std::vector<std::u16string> translations;
  std::vector<TextPair> pairs;
  TextTable table{kPseudoLanguage, nullptr};
  PseudoTable() {
    translations.reserve(kEnglishTextCount);
    for (int i = 0; i < kEnglishTextCount; ++i) {
      std::u16string wrapped = u"«";
      wrapped += kEnglishTexts[i];
      wrapped += u"»";
      translations.push_back(wrapped);
      pairs.push_back({kEnglishTexts[i], translations.back().c_str()});
    }
    pairs.push_back(kEndOfTexts);
    table.pairs = pairs.data();
  }
};

bool translated(const std::u16string& text) { return text.find(u'«') != std::u16string::npos; }

// Drop-down entries that are values, shown as they are stored.
std::set<std::u16string> storedValues() {
  ensurePropertyCatalogue();
  std::set<std::u16string> values = {u"true", u"false", u"linear", u"radial"};
  for (int i = 0; i < propertyRecordCount(); ++i)
    for (int n = 1; !pipeField(propertyRecordAt(i).choices, n).empty(); ++n)
      values.insert(pipeField(propertyRecordAt(i).choices, n));
  return values;
}

// Every title, label, caption and drop-down entry of the window in the
// pseudo-language; hints not yet filled are empty.
void expectAllTranslated(UiWindow* w) {
  static const std::set<std::u16string> values = storedValues();
  const HeadlessWindow& window = headlessWindow(w);
  EXPECT_TRUE(translated(window.title)) << utf16ToUtf8(window.title);
  for (UiControl* control : window.controls) {
    const HeadlessControl& c = state(control);
    if (c.kind == HeadlessKind::Label || c.kind == HeadlessKind::Button) {
      EXPECT_TRUE(c.text.empty() || translated(shownText(c))) << utf16ToUtf8(c.text);
    }
    if (c.kind == HeadlessKind::DropDown) {
      for (const std::u16string& entry : c.entries)
        EXPECT_TRUE(translated(entry) || values.count(entry)) << utf16ToUtf8(entry);
    }
  }
}

// What an edit leaves that must not depend on the language.
struct Outcome {
  int32_t result = 0;
  std::vector<std::string> parameters;
  std::vector<std::u16string> fields;  // every text field, at every step
  std::vector<int> selections;         // every drop-down's position, at every step
  std::vector<std::u16string> messageTitles;
  std::u16string fileFilterPatterns;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* out) {
  *out << "result " << o.result << "\nparameters:";
  for (const std::string& p : o.parameters) *out << " \"" << p << '"';
  *out << "\nfields:";
  for (const std::u16string& f : o.fields) *out << " \"" << utf16ToUtf8(f) << '"';
  *out << "\nselections:";
  for (int s : o.selections) *out << ' ' << s;
  *out << "\nmessages:";
  for (const std::u16string& t : o.messageTitles) *out << ' ' << utf16ToUtf8(t);
  *out << "\nfile patterns: " << utf16ToUtf8(o.fileFilterPatterns);
}

struct Scenario {
  const char* name;
  ActionNumber action;
  std::vector<const char*> stored;
  std::vector<Step> steps;
};

// ---- Author steps, reading the dialog in its own language ----

Step typeIn(const char16_t* label, const std::u16string& text) {
  return [=](UiWindow* w) { headlessType(labelled(w, localized(label)), text); };
}
Step chooseIn(const char16_t* label, const char16_t* entry) {
  return [=](UiWindow* w) {
    UiControl* list = labelled(w, localized(label));
    int position = positionOf(list, localized(entry));
    ASSERT_GE(position, 0) << utf16ToUtf8(entry);
    headlessChoose(list, position);
  };
}
Step press(const char16_t* caption) {
  return [=](UiWindow* w) {
    UiControl* found = button(w, localized(caption));
    ASSERT_NE(found, nullptr) << utf16ToUtf8(caption);
    headlessClick(found);
  };
}
Step chooseProperty(const std::u16string& name) {
  return [=](UiWindow* w) {
    UiControl* list = labelled(w, localized(u"Property:"));
    for (int i = 0; i < uiDropCount(list); ++i)
      if (uiDropEntry(list, i).rfind(name + u"  -  ", 0) == 0) return headlessChoose(list, i);
    ADD_FAILURE() << "no property " << utf16ToUtf8(name);
  };
}
// The value's choice list or the builder's type list: the window's only
// drop-down at that height.
Step chooseAt(int y, const std::u16string& entry) {
  return [=](UiWindow* w) {
    UiControl* list =
        controlWhere(w, [&](const HeadlessControl& c) { return c.kind == HeadlessKind::DropDown && c.y == y; });
    headlessChoose(list, positionOf(list, entry));
  };
}

std::vector<Scenario> scenarios() {
  return {
      {"set a choice", kZuvoSet, {"", "", "", ""},
       {typeIn(u"Control ID:", u"btn_ok"), chooseProperty(u"style"), chooseAt(194, u"primary"), press(u"OK")}},
      {"set with the type chosen by hand", kZuvoSet, {"", "", "", ""},
       {typeIn(u"Control ID:", u"plain"), press(u"OK"), chooseIn(u"Control Type:", u"Label"),
        chooseProperty(u"caption"), typeIn(u"Value:", u" Hi "), press(u"OK")}},
      {"set after the property check", kZuvoSet, {"R", "button:btn_ok", "", ""},
       {press(u"OK"), chooseProperty(u"visible"), chooseAt(194, u"true"), press(u"OK")}},
      {"set a file", kZuvoSet, {"R", "image:img_logo", "src", ""}, {press(u"Browse..."), press(u"OK")}},
      {"set a colour", kZuvoSet, {"R", "slider:sld_vol", "trackColor", "#000000"},
       {press(u"Pick Color..."), press(u"OK")}},
      {"set a gradient", kZuvoSet, {"R", "button:btn_ok", "style.background", ""},
       {press(u"Gradient..."), chooseAt(10, u"radial"), press(u"Pick...")/* colour 1 */, press(u"OK"),
        press(u"OK")}},
      {"get a key", kZuvoGet, {"", "", "", ""},
       {chooseIn(u"Read:", u"Current Page Name"), typeIn(u"Result Var:", u"PageVar"), press(u"OK")}},
      {"get a property", kZuvoGet, {"", "", "", ""},
       {typeIn(u"Result Var:", u""), press(u"OK"), typeIn(u"Result Var:", u"V"), press(u"OK"),
        typeIn(u"Control ID:", u"txt_name"), chooseProperty(u"value"), press(u"OK")}},
      {"toggle", kZuvoVisibility, {"", "", "", ""},
       {chooseIn(u"Action:", u"Toggle  (Show if Hidden, Hide if Visible)"), typeIn(u"Control ID:", u"pnl_a"),
        press(u"OK")}},
      {"visibility without an ID", kZuvoVisibility, {"R", "", "Hide", ""}, {press(u"OK")}},
      {"navigate", kZuvoNavigate, {"", "", "", ""},
       {press(u"OK"), chooseIn(u"Action:", u"Reload Layout  (resets to initial state)"), press(u"OK")}},
      {"go to a page", kZuvoNavigate, {"R", "GoToPage", "", ""}, {typeIn(u"Page Name:", u"Home"), press(u"OK")}},
      {"set a text area's text", kZuvoItems, {"", "", "", ""},
       {typeIn(u"Control ID:", u"txa_notes"), typeIn(u"Content:", u"Hello"), press(u"OK")}},
      {"add an item", kZuvoItems, {"R", "cbo_a", "AddItem", ""},
       {press(u"OK"), typeIn(u"New Item:", u" Red "), chooseIn(u"Action:", u"Clear All Items  (ComboBox / ListBox)"),
        chooseIn(u"Action:", u"Add Item  (ComboBox / ListBox)"), press(u"OK")}},
      {"add a row", kZuvoAddRow, {"", "", "", ""},
       {typeIn(u"Table ID:", u"tbl_1"), press(u"OK"), typeIn(u"Cell Values:", u"a,b"), press(u"OK")}},
      {"clear rows", kZuvoClearRows, {"R", "", "", ""},
       {press(u"OK"), typeIn(u"Table ID:", u"tbl_2"), press(u"Re-Pick..."), press(u"OK")}},
      {"go sub", kZuvoGoSub, {"", "", "", ""}, {typeIn(u"Subroutine:", u"OnSave"), press(u"OK")}},
      {"go sub without a name", kZuvoGoSub, {"Old", "", "", ""}, {typeIn(u"Subroutine:", u"  "), press(u"OK")}},
  };
}

// Every field label and every button but OK and Cancel (which answer Enter
// and Escape) has an access key, and no two captions of a window share one.
// A read-only field takes no focus, so its label has no key.
void expectAccessKeys(UiWindow* w) {
  std::set<std::u16string> keys;
  const std::vector<UiControl*>& controls = headlessWindow(w).controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    const HeadlessControl& c = state(controls[i]);
    if (!c.accessKeyed) continue;
    bool readOnlyField = i + 1 < controls.size() && state(controls[i + 1]).readOnly;
    if (c.kind == HeadlessKind::Label && readOnlyField) {
      EXPECT_EQ(accessKeyOf(c.text), 0) << "a key past a read-only field: " << utf16ToUtf8(c.text);
      continue;
    }
    char16_t key = accessKeyOf(c.text);
    std::u16string english = englishOf(c.text);
    if (english == u"OK" || english == u"Cancel") {
      EXPECT_EQ(key, 0) << utf16ToUtf8(c.text);
      continue;
    }
    EXPECT_NE(key, 0) << "no access key: " << utf16ToUtf8(c.text);
    EXPECT_TRUE(keys.insert(lowerCaseText(std::u16string(1, key))).second) << "key taken twice: " << utf16ToUtf8(c.text);
  }
}

// Arabic dialogs are mirrored, and every dialog not in English may widen to
// its texts. A field that holds code (an ID, a name a script uses, a value,
// the preview) reads left to right in a mirrored dialog too; the author's
// own words do not. A field's label is the control made just before it.
void expectTextLayout(UiWindow* w) {
  static const std::set<std::u16string> codeFields = {
      u"Rectangle:", u"Control ID:", u"Value:",    u"Preview:", u"Result Var:",
      u"Table ID:",  u"Subroutine:", u"Color 1:", u"Color 2:", u"Angle:"};
  std::u16string language = dialogTextTable().names;
  const HeadlessWindow& window = headlessWindow(w);
  EXPECT_EQ(window.textLayout.rightToLeft, language == u"ar");
  EXPECT_EQ(window.textLayout.widenToTexts, language != u"en");
  for (size_t i = 1; i < window.controls.size(); ++i) {
    const HeadlessControl& field = state(window.controls[i]);
    if (field.kind != HeadlessKind::TextField) continue;
    std::u16string label = englishOf(withoutAccessKey(state(window.controls[i - 1]).text));
    EXPECT_EQ(field.leftToRight, codeFields.count(label) == 1) << "the field of " << utf16ToUtf8(label);
  }
}

// Runs the scenario's steps in the edit of its action. In the
// pseudo-language every window is checked at every step, and every message.
Outcome run(const Scenario& scenario, bool pseudo) {
  Outcome outcome;
  std::vector<Step> steps;
  for (const Step& step : scenario.steps) {
    steps.push_back([&outcome, step, pseudo](UiWindow* w) {
      if (pseudo) expectAllTranslated(w);
      expectAccessKeys(w);
      expectTextLayout(w);
      for (UiControl* control : headlessWindow(w).controls) {
        const HeadlessControl& c = state(control);
        if (c.kind == HeadlessKind::TextField) outcome.fields.push_back(c.text);
        if (c.kind == HeadlessKind::DropDown) outcome.selections.push_back(c.selected);
      }
      step(w);
    });
  }
  startAuthor(steps);
  pick = PickState{};
  pick.name = "Rect2";
  pick.replies = {PickReply::NewName};
  HeadlessDialogs dialogs;
  dialogs.warning = [&](UiWindow*, const std::u16string& title, const std::u16string& text) {
    outcome.messageTitles.push_back(title);
    if (pseudo) {
      EXPECT_TRUE(translated(text)) << utf16ToUtf8(text);
    }
  };
  dialogs.color = [](UiColor, UiColor& chosen) {
    chosen = {0x12, 0x34, 0x56};
    return true;
  };
  dialogs.openFile = [&](const std::u16string& title, const std::u16string& filters, int, const std::u16string&,
                         std::u16string& chosen) {
    if (pseudo) {
      EXPECT_TRUE(translated(title));
    }
    for (int n = 1; !pipeField(filters, n).empty(); ++n) {
      if (n % 2 == 1 && pseudo) {
        EXPECT_TRUE(translated(pipeField(filters, n)));
      }
      if (n % 2 == 0) outcome.fileFilterPatterns += pipeField(filters, n) + u"|";
    }
    chosen = u"[PubDir]logo.png";
    return true;
  };
  headlessSetDialogs(dialogs);
  Params params{scenario.stored[0], scenario.stored[1], scenario.stored[2], scenario.stored[3]};
  outcome.result = runActionEditor(scenario.action, params.list());
  outcome.parameters = params.texts();
  EXPECT_TRUE(author.steps.empty()) << "steps left over";
  return outcome;
}

struct DialogLanguages : EditorTest {
  void TearDown() override {
    EditorTest::TearDown();
    useTextTables(nullptr, 0);
    standinSetUiLanguages({u"en-US"});
  }
};
}  // namespace

TEST_F(DialogLanguages, EveryTextShownIsTranslatedAndTheParametersStayTheSame) {
  auto pseudo = std::make_unique<PseudoTable>();
  const TextTable* tables[] = {&pseudo->table};
  for (const Scenario& scenario : scenarios()) {
    SCOPED_TRACE(scenario.name);
    useTextTables(nullptr, 0);
    standinSetUiLanguages({u"en-US"});
    Outcome english = run(scenario, false);

    useTextTables(tables, 1);
    standinSetUiLanguages({u"sv-SE", kPseudoLanguage, u"en-US"});
    EXPECT_EQ(run(scenario, true), english);
  }
}

// The built-in tables, as far as they are filled, with the stand-in
// reporting each one's language.
TEST_F(DialogLanguages, BuiltInTablesWriteTheSameParametersAsEnglish) {
  for (const Scenario& scenario : scenarios()) {
    SCOPED_TRACE(scenario.name);
    standinSetUiLanguages({u"en-US"});
    Outcome english = run(scenario, false);
    for (int i = 0; i < textTableCount(); ++i) {
      std::u16string names = textTableAt(i).names;
      std::u16string language = names.substr(0, names.find(u'|'));
      SCOPED_TRACE(utf16ToUtf8(language));
      standinSetUiLanguages({language.c_str()});
      EXPECT_EQ(run(scenario, false), english);
    }
  }
}

// The language is chosen as each editor opens: a host that changes its
// thread's language between two edits gets each in its own.
TEST_F(DialogLanguages, EachEditFollowsTheThreadsLanguage) {
  auto pseudo = std::make_unique<PseudoTable>();
  const TextTable* tables[] = {&pseudo->table};
  useTextTables(tables, 1);
  std::u16string titles[2];
  for (int i = 0; i < 2; ++i) {
    standinSetUiLanguages({i == 0 ? kPseudoLanguage : u"en-US"});
    startAuthor({look([&, i](UiWindow* w) { titles[i] = headlessWindow(w).title; }, closeBox())});
    Params params{"", ""};
    runActionEditor(kZuvoGoSub, params.list());
  }
  EXPECT_EQ(titles[0], u"ZUVO_GoSub  -  «Call a Kesto subroutine»");
  EXPECT_EQ(titles[1], u"ZUVO_GoSub  -  Call a Kesto subroutine");
  EXPECT_EQ(std::u16string(dialogTextTable().names), u"en");  // nothing stays chosen after an edit
}
