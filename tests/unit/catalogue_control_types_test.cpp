// Control types: the ID prefix rule and the drop-down positions.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/control_types.h"
#include "catalogue/pipe_list.h"

TEST(ControlTypeDetection, PrefixIsComparedWithoutRegardToCase) {
  EXPECT_EQ(detectControlType(u"btn_submit"), u"button");
  EXPECT_EQ(detectControlType(u"BTN_Submit"), u"button");
  EXPECT_EQ(detectControlType(u"Btn_"), u"button");
  EXPECT_EQ(detectControlType(u"LbL_status"), u"label");
}

TEST(ControlTypeDetection, IdWithoutUsablePrefixNamesNoType) {
  EXPECT_EQ(detectControlType(u"btn"), u"");  // a prefix alone, without underscore
  EXPECT_EQ(detectControlType(u"BTN"), u"");
  EXPECT_EQ(detectControlType(u"_btn"), u"");  // empty prefix
  EXPECT_EQ(detectControlType(u""), u"");
  EXPECT_EQ(detectControlType(u"_"), u"");
  EXPECT_EQ(detectControlType(u"pnl_detail"), u"");
  EXPECT_EQ(detectControlType(u"btn2_ok"), u"");  // no partial matches
  EXPECT_EQ(detectControlType(u"bt_ok"), u"");
  EXPECT_EQ(detectControlType(u" btn_ok"), u"");  // spaces are the caller's to trim
  EXPECT_EQ(detectControlType(u"btn _ok"), u"");
  EXPECT_EQ(detectControlType(u"a_btn_c"), u"");  // only the first field counts
}

TEST(ControlTypeDetection, LongAndSharedPrefixes) {
  EXPECT_EQ(detectControlType(u"rect_1"), u"rectangle");
  EXPECT_EQ(detectControlType(u"rectangle_1"), u"");
  EXPECT_EQ(detectControlType(u"oval_logo"), u"oval");
  EXPECT_EQ(detectControlType(u"rtx_a"), u"richText");
  EXPECT_EQ(detectControlType(u"rte_a"), u"richText");
  EXPECT_EQ(detectControlType(u"RTB_a"), u"richText");
  EXPECT_EQ(detectControlType(u"sw_dark"), u"switch");
  EXPECT_EQ(detectControlType(u"doc_manual_v2"), u"iframeViewer");
  EXPECT_EQ(detectControlType(u"sep__"), u"separator");
}

TEST(ControlTypeDetection, EveryPrefixNamesAListedTypeAndEveryTypeHasOne) {
  std::set<std::u16string> prefixes, typesWithPrefix;
  for (int i = 0; i < controlTypePrefixCount(); ++i) {
    const ControlTypePrefix& entry = controlTypePrefixAt(i);
    EXPECT_TRUE(prefixes.insert(entry.prefix).second) << "duplicate prefix";
    EXPECT_GT(controlTypePosition(entry.typeName), 0);
    EXPECT_EQ(detectControlType(std::u16string(entry.prefix) + u"_x"), entry.typeName);
    typesWithPrefix.insert(entry.typeName);
  }
  EXPECT_EQ(controlTypePrefixCount(), 34);
  EXPECT_EQ(typesWithPrefix.size(), 32u);
  EXPECT_EQ(typesWithPrefix.count(kStyleTypeName), 0u);
}

TEST(ControlTypePositions, RoundTripForEveryPosition) {
  for (int p = 0; p <= 33; ++p) EXPECT_EQ(controlTypePosition(controlTypeAt(p)), p) << p;
  EXPECT_EQ(controlTypeAt(1), u"button");
  EXPECT_EQ(controlTypeAt(32), u"iframeViewer");
  EXPECT_EQ(controlTypeAt(33), kStyleTypeName);
}

TEST(ControlTypePositions, OutOfRangeAndUnlistedNames) {
  EXPECT_EQ(controlTypeAt(0), u"");
  EXPECT_EQ(controlTypeAt(-1), u"");
  EXPECT_EQ(controlTypeAt(34), u"");
  EXPECT_EQ(controlTypeAt(1000), u"");
  EXPECT_EQ(controlTypePosition(u""), 0);
  EXPECT_EQ(controlTypePosition(u"Button"), 0);  // a display name, not a type name
  EXPECT_EQ(controlTypePosition(u"Button|button"), 0);
  EXPECT_EQ(controlTypePosition(u"style"), 0);
}

TEST(ControlTypePositions, ListHoldsDistinctPairsWithATrailingBar) {
  const std::u16string& list = controlTypeList();
  EXPECT_EQ(list.back(), u'|');
  EXPECT_EQ(pipeField(list, 67), u"");
  std::set<std::u16string> names;
  for (int n = 1; n <= 33; ++n) {
    EXPECT_FALSE(pipeField(list, 2 * n - 1).empty());
    EXPECT_TRUE(names.insert(pipeField(list, 2 * n)).second);
  }
}

TEST(PipeList, FieldsCountFromOneAndPastTheEndAreEmpty) {
  EXPECT_EQ(pipeField(u"a|b|c", 1), u"a");
  EXPECT_EQ(pipeField(u"a|b|c", 3), u"c");
  EXPECT_EQ(pipeField(u"a|b|c", 4), u"");
  EXPECT_EQ(pipeField(u"a||c", 2), u"");
  EXPECT_EQ(pipeField(u"a|b|", 3), u"");
  EXPECT_EQ(pipeField(u"a|b", 0), u"");
  EXPECT_EQ(pipeField(u"", 1), u"");
}
