// The value area: which widget each property kind offers, what it shows and
// selects for a stored value, and what it reads back.
#include <gtest/gtest.h>

#include "catalogue/property_catalogue.h"
#include "editors/value_editor.h"
#include "ui/headless/ui_headless.h"

namespace {
struct ValueAreaTest : ::testing::Test {
  UiWindow* window = nullptr;
  ValueArea area;
  void SetUp() override {
    ensurePropertyCatalogue();
    window = uiCreateWindow(u"test", 510, 316, nullptr);
    area = addValueArea(window, 194, u"typed before");
  }
  void TearDown() override { headlessReset(); }

  void setUp(const char16_t* type, const char16_t* property, const std::u16string& value) {
    int record = findPropertyRecord(type, property);
    ASSERT_GE(record, 0) << "no record for the test";
    setupValueEditor(record, area, value);
  }
  const HeadlessControl& state(UiControl* c) { return headlessControl(c); }
  bool shown(UiControl* c) { return uiIsVisible(c); }
  std::u16string hint() { return uiGetText(area.hintLine); }
  std::u16string selected() { return uiDropSelectedText(area.choiceList); }
};
}  // namespace

TEST_F(ValueAreaTest, StartsAsAPlainTextFieldAskingForAProperty) {
  EXPECT_TRUE(shown(area.textField));
  EXPECT_FALSE(shown(area.choiceList));
  EXPECT_FALSE(shown(area.pickColorButton) || shown(area.browseButton) || shown(area.gradientButton));
  EXPECT_EQ(hint(), u"Choose a Property above to see value options");
  EXPECT_EQ(state(area.hintLine).y, 220);
  EXPECT_EQ(state(area.textField).width, 280);
  EXPECT_EQ(state(area.choiceList).width, 400);
  EXPECT_EQ(readValueEditor(area), u"typed before");
}

TEST_F(ValueAreaTest, BooleanMatchesTrueAndFalseInAnyCase) {
  setUp(u"button", u"visible", u"TRUE");
  EXPECT_FALSE(shown(area.textField));
  EXPECT_TRUE(shown(area.choiceList));
  EXPECT_EQ(uiDropCount(area.choiceList), 3);
  EXPECT_EQ(uiDropEntry(area.choiceList, 0), u"-- select --");
  EXPECT_EQ(selected(), u"true");
  EXPECT_EQ(readValueEditor(area), u"true");
  EXPECT_EQ(hint(), u"Select true or false");

  setUp(u"button", u"visible", u"False");
  EXPECT_EQ(selected(), u"false");

  setUp(u"button", u"visible", u"yes");
  EXPECT_EQ(uiDropSelected(area.choiceList), 0);
  EXPECT_EQ(readValueEditor(area), u"");
  // Hidden, not cleared: the text field still has what it held.
  EXPECT_EQ(uiGetText(area.textField), u"typed before");
  EXPECT_EQ(uiDropCount(area.choiceList), 3);  // refilled, not appended to
}

TEST_F(ValueAreaTest, ChoiceMatchesOnlyTheExactEntry) {
  setUp(u"button", u"style", u"secondary");
  EXPECT_TRUE(shown(area.choiceList));
  EXPECT_EQ(uiDropCount(area.choiceList), 8);
  EXPECT_EQ(uiDropEntry(area.choiceList, 1), u"primary");
  EXPECT_EQ(uiDropEntry(area.choiceList, 7), u"link");
  EXPECT_EQ(uiDropSelected(area.choiceList), 2);
  EXPECT_EQ(readValueEditor(area), u"secondary");
  EXPECT_EQ(hint(), u"Valid:  primary  secondary  ghost  danger  success  warning  link");

  setUp(u"button", u"style", u"Primary");
  EXPECT_EQ(uiDropSelected(area.choiceList), 0);
  EXPECT_EQ(readValueEditor(area), u"");

  setUp(u"button", u"style", u"chartreuse");
  EXPECT_EQ(uiDropSelected(area.choiceList), 0);
}

TEST_F(ValueAreaTest, ColourFileAndBackgroundOfferTheirButtons) {
  setUp(u"slider", u"trackColor", u"RGB(1,2,3)");
  EXPECT_TRUE(shown(area.textField));
  EXPECT_FALSE(shown(area.choiceList));
  EXPECT_TRUE(shown(area.pickColorButton));
  EXPECT_FALSE(shown(area.browseButton) || shown(area.gradientButton));
  EXPECT_EQ(uiGetText(area.textField), u"RGB(1,2,3)");  // shown as stored
  EXPECT_EQ(hint(), u"Click Pick Color or type: #rrggbb  or  rgba(r,g,b,a)");

  setUp(u"textInput", u"filename", u"[PubDir]a.txt");
  EXPECT_TRUE(shown(area.browseButton));
  EXPECT_FALSE(shown(area.pickColorButton) || shown(area.gradientButton));
  EXPECT_EQ(state(area.browseButton).x, 386);
  EXPECT_EQ(hint(), u"Click Browse or type a file path  e.g. [PubDir]photo.jpg");

  setUp(u"*style", u"style.background", u"#fff");
  EXPECT_EQ(state(area.textField).width, 186);
  EXPECT_TRUE(shown(area.pickColorButton) && shown(area.gradientButton));
  EXPECT_FALSE(shown(area.browseButton));
  EXPECT_EQ(state(area.pickColorButton).x, 292);
  EXPECT_EQ(state(area.pickColorButton).width, 86);
  EXPECT_EQ(state(area.gradientButton).x, 382);
  EXPECT_EQ(state(area.gradientButton).width, 120);
  EXPECT_EQ(hint(), u"Pick a color, build a gradient, or type CSS directly");

  // A colour property after the background one puts the button back.
  setUp(u"slider", u"trackColor", u"");
  EXPECT_EQ(state(area.textField).width, 280);
  EXPECT_EQ(state(area.pickColorButton).x, 386);
  EXPECT_EQ(state(area.pickColorButton).width, 116);
  EXPECT_FALSE(shown(area.gradientButton));
}

TEST_F(ValueAreaTest, TextAndNumberShowTheRecordsExample) {
  setUp(u"button", u"caption", u"Save");
  EXPECT_TRUE(shown(area.textField));
  EXPECT_EQ(uiGetText(area.textField), u"Save");
  EXPECT_EQ(hint(), u"e.g. Click Me");
  setUp(u"button", u"borderRadius", u"8");
  EXPECT_EQ(hint(), u"e.g. 8");
  EXPECT_FALSE(shown(area.pickColorButton) || shown(area.browseButton) || shown(area.gradientButton));

  setupValueEditor(-1, area, u"free");
  EXPECT_EQ(hint(), u"Enter the value");
  EXPECT_EQ(readValueEditor(area), u"free");
}

TEST_F(ValueAreaTest, TextValueIsReadUntrimmed) {
  setUp(u"button", u"caption", u"  two spaces  ");
  EXPECT_EQ(readValueEditor(area), u"  two spaces  ");
}

TEST_F(ValueAreaTest, ResetKeepsTheTextAndHidesEverythingElse) {
  setUp(u"*style", u"style.background", u"linear-gradient(1deg,#000,#fff)");
  resetValueArea(area);
  EXPECT_TRUE(shown(area.textField));
  EXPECT_EQ(state(area.textField).width, 280);
  EXPECT_EQ(state(area.pickColorButton).x, 386);
  EXPECT_EQ(state(area.pickColorButton).width, 116);
  EXPECT_FALSE(shown(area.pickColorButton) || shown(area.browseButton) || shown(area.gradientButton));
  EXPECT_EQ(uiGetText(area.textField), u"linear-gradient(1deg,#000,#fff)");
  EXPECT_EQ(hint(), u"Choose a Property above to see value options");

  setUp(u"button", u"style", u"ghost");
  resetValueArea(area);
  EXPECT_FALSE(shown(area.choiceList));
  EXPECT_EQ(readValueEditor(area), u"linear-gradient(1deg,#000,#fff)");
}
