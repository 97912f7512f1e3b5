#include "catalogue/control_types.h"

#include <iterator>

#include "catalogue/pipe_list.h"
#include "editors/dialog_texts.h"
#include "platform/text_case.h"

namespace {
const std::u16string kTypeList =
    u"Button|button|Label|label|Text Input|textInput|Text Area|textArea|Rich Text|richText|"
    u"Check Box|checkBox|Radio Button|radioButton|Switch|switch|Slider|slider|Combo Box|comboBox|"
    u"List Box|listBox|Image|image|Rectangle|rectangle|Oval|oval|Progress Bar|progressBar|"
    u"Button Bar|buttonBar|Group Box|groupBox|Tab Control|tabControl|Media Player|mediaPlayer|"
    u"Table|table|Status Bar|statusBar|Search Box|searchBox|Tree View|treeView|"
    u"Progress Steps|progressSteps|Countdown Timer|countdownTimer|Accordion|accordion|"
    u"Simple Chart|simpleChart|Context Menu|contextMenu|Scrolling Ticker|scrollingTicker|"
    u"Container|container|Separator|separator|iFrame Viewer|iframeViewer|Style (Any Control)|*style|";

// Every prefix is compared whole, so this order never changes a result; it
// is kept stable so that listings of the prefixes read the same everywhere.
const ControlTypePrefix kPrefixes[] = {
    {u"btn", u"button"},       {u"lbl", u"label"},          {u"txt", u"textInput"},
    {u"txa", u"textArea"},     {u"rtx", u"richText"},       {u"rte", u"richText"},
    {u"rtb", u"richText"},     {u"chk", u"checkBox"},       {u"rdo", u"radioButton"},
    {u"sw", u"switch"},        {u"sld", u"slider"},         {u"cbo", u"comboBox"},
    {u"lst", u"listBox"},      {u"img", u"image"},          {u"rect", u"rectangle"},
    {u"oval", u"oval"},        {u"sep", u"separator"},      {u"pb", u"progressBar"},
    {u"bar", u"buttonBar"},    {u"ctx", u"contextMenu"},    {u"grp", u"groupBox"},
    {u"ctr", u"container"},    {u"tab", u"tabControl"},     {u"mp", u"mediaPlayer"},
    {u"tbl", u"table"},        {u"stb", u"statusBar"},      {u"srx", u"searchBox"},
    {u"trv", u"treeView"},     {u"pst", u"progressSteps"},  {u"cdt", u"countdownTimer"},
    {u"acd", u"accordion"},    {u"cht", u"simpleChart"},    {u"tkr", u"scrollingTicker"},
    {u"doc", u"iframeViewer"},
};
}  // namespace

const std::u16string& controlTypeList() { return kTypeList; }

int controlTypePrefixCount() { return static_cast<int>(std::size(kPrefixes)); }
const ControlTypePrefix& controlTypePrefixAt(int index) { return kPrefixes[index]; }

std::u16string detectControlType(const std::u16string& controlId) {
  std::u16string prefix = lowerCaseText(controlId.substr(0, controlId.find(u'_')));
  if (prefix.empty()) return {};
  // No underscore: even an ID that is itself a prefix ("btn") names no type.
  if (prefix == lowerCaseText(controlId)) return {};
  for (const ControlTypePrefix& entry : kPrefixes) {
    if (prefix == entry.prefix) return entry.typeName;
  }
  return {};
}

void fillControlTypeChooser(UiControl* dropDown, const std::u16string& currentType) {
  uiDropClear(dropDown);
  uiDropAppend(dropDown, localized(kControlTypePlaceholder));
  int selected = 0;
  for (int n = 1;; ++n) {
    std::u16string displayName = pipeField(kTypeList, 2 * n - 1);
    if (displayName.empty()) break;
    uiDropAppend(dropDown, localized(displayName));
    if (pipeField(kTypeList, 2 * n) == currentType && selected == 0) selected = n;
  }
  uiDropSelect(dropDown, selected);
}

int controlTypePosition(const std::u16string& typeName) {
  if (typeName.empty()) return 0;
  for (int n = 1;; ++n) {
    std::u16string field = pipeField(kTypeList, 2 * n);
    if (field.empty()) return 0;
    if (field == typeName) return n;
  }
}

std::u16string controlTypeAt(int position) {
  if (position <= 0) return {};
  return pipeField(kTypeList, 2 * position);
}
