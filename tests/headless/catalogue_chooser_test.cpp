// The control-type and property drop-downs as the editors fill them.
#include <gtest/gtest.h>

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"
#include "catalogue/property_chooser.h"
#include "ui/headless/ui_headless.h"

namespace {
struct DropDown : ::testing::Test {
  UiWindow* window = nullptr;
  UiControl* list = nullptr;
  void SetUp() override {
    window = uiCreateWindow(u"test", 300, 100, nullptr);
    list = uiAddDropDown(window, 0, 0, 300, 200);
  }
  void TearDown() override { headlessReset(); }

  std::u16string entry(int position) { return uiDropEntry(list, position); }
  int countFor(const std::u16string& type) {
    fillPropertyChooser(list, type, u"");
    return uiDropCount(list);
  }
};

std::u16string lineOf(const std::u16string& type, const std::u16string& name) {
  const PropertyRecord& record = propertyRecordAt(findPropertyRecord(type, name));
  return record.name + u"  -  " + record.description;
}
}  // namespace

TEST_F(DropDown, ControlTypeChooserSelectsTheCurrentType) {
  fillControlTypeChooser(list, kStyleTypeName);
  EXPECT_EQ(uiDropCount(list), 34);
  EXPECT_EQ(entry(0), u"-- choose control type --");
  EXPECT_EQ(entry(1), u"Button");
  EXPECT_EQ(uiDropSelected(list), 33);
  EXPECT_EQ(uiDropSelectedText(list), u"Style (Any Control)");

  fillControlTypeChooser(list, u"tabControl");
  EXPECT_EQ(uiDropCount(list), 34);  // refilled, not appended to
  EXPECT_EQ(uiDropSelectedText(list), u"Tab Control");

  for (const std::u16string& none : {std::u16string(), std::u16string(u"Button"), std::u16string(u"style")}) {
    fillControlTypeChooser(list, none);
    EXPECT_EQ(uiDropSelected(list), 0);
    EXPECT_EQ(uiDropCount(list), 34);
  }
}

TEST_F(DropDown, PropertyChooserEntryCounts) {
  EXPECT_EQ(countFor(kStyleTypeName), 40);
  EXPECT_EQ(countFor(u""), 1);
  EXPECT_EQ(countFor(u"noSuchType"), 41);
  EXPECT_EQ(countFor(u"button"), 47);
  for (int p = 1; p <= 32; ++p) {
    std::u16string type = controlTypeAt(p);
    int own = 0;
    for (int i = 0; i < propertyRecordCount(); ++i) own += propertyRecordAt(i).controlType == type;
    EXPECT_EQ(countFor(type), own + 41) << "position " << p;
  }
}

TEST_F(DropDown, ButtonLinesAndHeadersSitWhereExpected) {
  fillPropertyChooser(list, u"button", u"caption");
  EXPECT_EQ(entry(0), u"-- choose property --");
  EXPECT_EQ(entry(1), u"--- CONTROL PROPERTIES ---");
  EXPECT_EQ(entry(2), u"caption  -  Text label on the button face");
  EXPECT_EQ(uiDropSelected(list), 2);
  EXPECT_EQ(entry(7), lineOf(u"button", u"enabled"));
  EXPECT_EQ(entry(8), u"--- POSITION & SIZE ---");
  EXPECT_EQ(entry(9), u"width  -  Control width in pixels");
  EXPECT_EQ(entry(13), u"--- FONT & TEXT ---");
  EXPECT_EQ(entry(21), u"--- BACKGROUND ---");
  EXPECT_EQ(entry(28), u"style.background  -  CSS background - color or gradient");
  EXPECT_EQ(entry(29), u"--- BORDER ---");
  EXPECT_EQ(entry(34), u"--- DROP SHADOW ---");
  EXPECT_EQ(entry(41), u"--- GRADIENT ---");
  EXPECT_EQ(entry(46), lineOf(kStyleTypeName, u"gradientAngle"));
}

TEST_F(DropDown, StyleChooserHasNoControlSection) {
  fillPropertyChooser(list, kStyleTypeName, u"width");
  EXPECT_EQ(entry(1), u"--- POSITION & SIZE ---");
  EXPECT_EQ(entry(2), lineOf(kStyleTypeName, u"width"));
  EXPECT_EQ(uiDropSelected(list), 2);
  for (int p = 0; p < uiDropCount(list); ++p) EXPECT_NE(entry(p), u"--- CONTROL PROPERTIES ---");
}

TEST_F(DropDown, SharedNameSelectsTheStyleLine) {
  fillPropertyChooser(list, u"table", u"fontSize");
  EXPECT_EQ(entry(10), u"fontSize  -  Set table font size in pixels");
  EXPECT_EQ(entry(19), u"fontSize  -  Font size in pixels");
  EXPECT_EQ(uiDropSelected(list), 19);

  fillPropertyChooser(list, u"accordion", u"borderColor");
  EXPECT_EQ(uiDropSelectedText(list), lineOf(kStyleTypeName, u"borderColor"));
}

TEST_F(DropDown, UnmatchedPropertySelectsThePlaceholder) {
  for (const std::u16string& property :
       {std::u16string(), std::u16string(u"Caption"), std::u16string(u"--- BORDER ---"), std::u16string(u"items")}) {
    fillPropertyChooser(list, u"button", property);
    EXPECT_EQ(uiDropSelected(list), 0);
  }
  fillPropertyChooser(list, u"", u"width");
  EXPECT_EQ(uiDropCount(list), 1);
  EXPECT_EQ(uiDropSelected(list), 0);
}

TEST_F(DropDown, ChooserBuildsAnUnbuiltCatalogue) {
  setUpPropertyCatalogueTable();
  fillPropertyChooser(list, u"button", u"style");
  EXPECT_EQ(propertyRecordCount(), 258);
  EXPECT_EQ(uiDropCount(list), 47);
  EXPECT_EQ(uiDropSelected(list), 3);
}

// What the editors do with the author's pick: every line gives back a
// name that the catalogue resolves for that type, every header nothing.
TEST_F(DropDown, EveryLineGivesBackItsProperty) {
  for (int p = 1; p <= 33; ++p) {
    std::u16string type = controlTypeAt(p);
    fillPropertyChooser(list, type, u"");
    for (int position = 1; position < uiDropCount(list); ++position) {
      std::u16string line = entry(position);
      std::u16string name = propertyFromChooserLine(line);
      if (line.compare(0, 3, u"---") == 0) {
        EXPECT_EQ(name, u"");
        continue;
      }
      int index = findPropertyRecord(type, name);
      ASSERT_GE(index, 0) << "type " << p << " position " << position;
      EXPECT_EQ(propertyRecordAt(index).name, name);
      fillPropertyChooser(list, type, name);
      EXPECT_EQ(uiDropSelectedText(list).compare(0, name.size() + 5, name + u"  -  "), 0);
      fillPropertyChooser(list, type, u"");
    }
  }
}

TEST(PropertyChooserLine, NameIsTheTextBeforeTheFirstSeparator) {
  EXPECT_EQ(propertyFromChooserLine(u"width  -  Control width in pixels"), u"width");
  EXPECT_EQ(propertyFromChooserLine(u"style.background  -  CSS background - color or gradient"),
            u"style.background");
  EXPECT_EQ(propertyFromChooserLine(u"a  -  b  -  c"), u"a");
  EXPECT_EQ(propertyFromChooserLine(u"x  -  "), u"x");
}

TEST(PropertyChooserLine, HeadersPlaceholderAndBareWords) {
  EXPECT_EQ(propertyFromChooserLine(u"--- BORDER ---"), u"");
  EXPECT_EQ(propertyFromChooserLine(u"---"), u"");
  EXPECT_EQ(propertyFromChooserLine(u"-- choose property --"), u"-- choose property --");
  EXPECT_EQ(propertyFromChooserLine(u"  caption  "), u"caption");
  EXPECT_EQ(propertyFromChooserLine(u"caption"), u"caption");
  EXPECT_EQ(propertyFromChooserLine(u"\tcaption "), u"\tcaption");  // only spaces are trimmed
  EXPECT_EQ(propertyFromChooserLine(u"   "), u"");
  EXPECT_EQ(propertyFromChooserLine(u""), u"");
}

TEST(PropertyChooserLine, LeadingSeparatorIsNoName) {
  EXPECT_EQ(propertyFromChooserLine(u"  -  width"), u"-  width");
  EXPECT_EQ(propertyFromChooserLine(u"  -  "), u"-");
}
