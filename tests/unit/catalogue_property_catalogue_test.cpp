// The property catalogue: building, look-up, and invariants of its data that
// catch slips in the constant texts.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/control_types.h"
#include "catalogue/property_catalogue.h"

namespace {
const PropertyRecord& found(const std::u16string& type, const std::u16string& name) {
  return propertyRecordAt(findPropertyRecord(type, name));
}

bool startsWith(const std::u16string& text, const std::u16string& start) { return text.compare(0, start.size(), start) == 0; }

struct Catalogue : ::testing::Test {
  void SetUp() override { ensurePropertyCatalogue(); }
};
}  // namespace

TEST(PropertyCatalogueBuild, UnbuiltTableFindsNothingThenBuildsOnce) {
  setUpPropertyCatalogueTable();
  EXPECT_EQ(propertyRecordCount(), 0);
  EXPECT_EQ(findPropertyRecord(u"button", u"caption"), -1);
  EXPECT_EQ(findPropertyRecord(u"", u"width"), -1);
  EXPECT_EQ(propertyRecordAt(0).name, u"");

  ensurePropertyCatalogue();
  ASSERT_EQ(propertyRecordCount(), 258);
  std::vector<PropertyRecord> first;
  for (int i = 0; i < 258; ++i) first.push_back(propertyRecordAt(i));
  int caption = findPropertyRecord(u"button", u"caption");

  ensurePropertyCatalogue();
  ASSERT_EQ(propertyRecordCount(), 258);
  EXPECT_EQ(findPropertyRecord(u"button", u"caption"), caption);
  for (int i = 0; i < 258; ++i) {
    const PropertyRecord& now = propertyRecordAt(i);
    EXPECT_TRUE(now.controlType == first[i].controlType && now.name == first[i].name &&
                now.description == first[i].description && now.kind == first[i].kind &&
                now.choices == first[i].choices && now.example == first[i].example)
        << "record " << i << " changed";
  }
  EXPECT_EQ(propertyRecordAt(-1).name, u"");
  EXPECT_EQ(propertyRecordAt(258).name, u"");
}

TEST_F(Catalogue, TypeOwnRecordWinsOverTheStyleRecord) {
  EXPECT_EQ(found(u"table", u"fontSize").kind, PropertyKind::text);
  EXPECT_EQ(found(u"table", u"fontSize").description, u"Set table font size in pixels");
  EXPECT_EQ(found(u"button", u"fontSize").kind, PropertyKind::number);
  EXPECT_EQ(found(u"accordion", u"borderColor").controlType, u"accordion");
  EXPECT_EQ(found(u"button", u"borderRadius").controlType, u"button");
  EXPECT_EQ(found(u"rectangle", u"borderRadius").controlType, u"rectangle");
  EXPECT_EQ(found(u"oval", u"borderRadius").controlType, kStyleTypeName);
}

TEST_F(Catalogue, SecondPassFindsStyleRecordsForAnyType) {
  EXPECT_EQ(found(u"button", u"width").description, u"Control width in pixels");
  EXPECT_EQ(found(u"", u"bgColor").controlType, kStyleTypeName);
  EXPECT_EQ(found(u"noSuchType", u"style.background").kind, PropertyKind::background);
  EXPECT_EQ(findPropertyRecord(kStyleTypeName, u"caption"), -1);
  EXPECT_EQ(findPropertyRecord(u"label", u"items"), -1);  // other types' records are not searched
}

TEST_F(Catalogue, HeadersEmptyNamesAndCaseFindNothing) {
  EXPECT_EQ(findPropertyRecord(u"button", u"--- BORDER ---"), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u"---caption"), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u"---"), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u""), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u"Caption"), -1);
  EXPECT_EQ(findPropertyRecord(u"Button", u"caption"), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u"caption "), -1);
  EXPECT_EQ(findPropertyRecord(u"button", u"WIDTH"), -1);
}

TEST_F(Catalogue, EveryControlTypeHasVisibleAndEnabled) {
  for (int p = 1; p <= 32; ++p) {
    std::u16string type = controlTypeAt(p);
    SCOPED_TRACE(testing::Message() << "position " << p);
    const PropertyRecord& visible = found(type, u"visible");
    const PropertyRecord& enabled = found(type, u"enabled");
    EXPECT_EQ(visible.controlType, type);
    EXPECT_EQ(visible.description, u"Show or hide the control");
    EXPECT_EQ(visible.kind, PropertyKind::boolean);
    EXPECT_EQ(enabled.controlType, type);
    EXPECT_EQ(enabled.description, u"Enable or disable user interaction");
    EXPECT_EQ(enabled.kind, PropertyKind::boolean);
  }
}

TEST_F(Catalogue, ChoicesAndExamplesMatchTheKind) {
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const PropertyRecord& r = propertyRecordAt(i);
    SCOPED_TRACE(testing::Message() << "record " << i);
    EXPECT_FALSE(r.description.empty());
    EXPECT_EQ(r.description.find(u"  -  "), std::u16string::npos);  // would end the name in a chooser line
    EXPECT_EQ(r.name.find(u' '), std::u16string::npos);
    EXPECT_FALSE(startsWith(r.name, u"--"));
    switch (r.kind) {
      case PropertyKind::boolean:
        EXPECT_EQ(r.choices, u"true|false");
        EXPECT_EQ(r.example, u"");
        break;
      case PropertyKind::choice:
        EXPECT_NE(r.choices.find(u'|'), std::u16string::npos);
        EXPECT_EQ(r.choices.find(u"||"), std::u16string::npos);
        EXPECT_NE(r.choices.back(), u'|');
        EXPECT_EQ(r.example, u"");
        break;
      default:
        EXPECT_EQ(r.choices, u"");
        EXPECT_FALSE(r.example.empty());
        bool countdownTrigger = r.controlType == u"countdownTimer" && (r.name == u"start" || r.name == u"reset");
        EXPECT_EQ(startsWith(r.example, u"e.g. "), !countdownTrigger);
        EXPECT_EQ(r.example.back() == u' ', false);
    }
    EXPECT_EQ(r.kind == PropertyKind::background, r.controlType == kStyleTypeName && r.name == u"style.background");
  }
}

TEST_F(Catalogue, NamesAreUniqueWithinAType) {
  std::set<std::pair<std::u16string, std::u16string>> seen;
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const PropertyRecord& r = propertyRecordAt(i);
    EXPECT_TRUE(seen.insert({r.controlType, r.name}).second) << "record " << i;
  }
}

TEST_F(Catalogue, TypesAppearInCatalogueOrderWithTheirCounts) {
  // Drop-down order, except separator follows oval and container groupBox.
  const std::vector<std::pair<std::u16string, int>> expected = {
      {u"button", 6},         {u"label", 6},          {u"textInput", 9},      {u"textArea", 7},
      {u"richText", 4},       {u"checkBox", 4},       {u"radioButton", 5},    {u"switch", 7},
      {u"slider", 11},        {u"comboBox", 6},       {u"listBox", 12},       {u"image", 12},
      {u"rectangle", 6},      {u"oval", 5},           {u"separator", 5},      {u"progressBar", 9},
      {u"buttonBar", 6},      {u"groupBox", 4},       {u"container", 6},      {u"tabControl", 5},
      {u"mediaPlayer", 10},   {u"table", 10},         {u"statusBar", 5},      {u"searchBox", 6},
      {u"treeView", 4},       {u"progressSteps", 8},  {u"countdownTimer", 12}, {u"accordion", 10},
      {u"simpleChart", 9},    {u"contextMenu", 4},    {u"scrollingTicker", 6}, {u"iframeViewer", 6},
      {kStyleTypeName, 33},
  };
  std::vector<std::pair<std::u16string, int>> actual;
  for (int i = 0; i < propertyRecordCount(); ++i) {
    const std::u16string& type = propertyRecordAt(i).controlType;
    if (actual.empty() || actual.back().first != type) actual.push_back({type, 0});
    ++actual.back().second;
  }
  EXPECT_EQ(actual, expected);
}

TEST_F(Catalogue, TextsThatAreEasyToMistype) {
  EXPECT_EQ(found(u"textInput", u"filename").description, u"File path to load - fetches plain text into the field");
  EXPECT_EQ(found(u"textArea", u"filename").description, found(u"textInput", u"filename").description);
  EXPECT_EQ(found(u"richText", u"filename").description, u"File path to load - fetches HTML into control");
  EXPECT_EQ(found(u"comboBox", u"selectedIndex").example, u"e.g. 0  or  -1");
  EXPECT_EQ(found(u"label", u"truncate").description, u"Cut off long text with ...");
  EXPECT_EQ(found(u"scrollingTicker", u"separator").example, u"e.g.  |  (spaces + separator)");
  EXPECT_EQ(found(u"treeView", u"items").example, u"e.g. Root|  Child 1|    Grandchild|  Child 2");
  EXPECT_EQ(found(u"countdownTimer", u"start").example, u"1  (triggers timer start)");
  EXPECT_TRUE(startsWith(found(u"iframeViewer", u"src").example, u"e.g. [PubDir]manual.pdf  or  https://"));
  EXPECT_EQ(found(u"", u"fontWeight").choices, u"normal|bold|100|200|300|400|500|600|700|800|900");
}

TEST(PropertyKindNames, NamesByValue) {
  EXPECT_EQ(propertyKindName(PropertyKind::text), u"text");
  EXPECT_EQ(propertyKindName(PropertyKind::background), u"background");
  EXPECT_EQ(propertyKindName(static_cast<PropertyKind>(7)), u"");
  EXPECT_EQ(propertyKindName(static_cast<PropertyKind>(-1)), u"");
}
