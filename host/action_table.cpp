#include "host/action_table.h"

// Type code 1 is a text parameter; 7 names a Kesto variable (ZUVO_Get's
// result variable). Bytes past a row's count are never read.
const ActionTableRow kActionTable[kActionCount] = {
    {kZuvoSet, u"ZUVO_Set", u"Set any property on any ZUVO control.  rectName  ctrlId  propName  value", 4, {1, 1, 1, 1}},
    {kZuvoGet, u"ZUVO_Get",
     u"Read a control property or the current page name. Result arrives in [ZUVO.PropValue] via ZUVO_OnPropValue.  "
     u"rectName  ctrlId  propName  [ResultVar]",
     4, {1, 1, 1, 7}},
    {kZuvoVisibility, u"ZUVO_Visibility", u"Show, Hide, Enable, Disable or Toggle a control.  rectName  ctrlId  action", 3,
     {1, 1, 1}},
    {kZuvoNavigate, u"ZUVO_Navigate",
     u"Go to a named page, next/prev page, or reload the layout.  rectName  action  pageName", 3, {1, 1, 1}},
    {kZuvoItems, u"ZUVO_Items",
     u"Add/clear list items, or set the text content of a TextArea or RichText.  rectName  ctrlId  action  text", 4,
     {1, 1, 1, 1}},
    {kZuvoGoSub, u"ZUVO_GoSub", u"Call any Kesto subroutine by name. No rectangle needed.  subName", 1, {1}},
    {kZuvoAddRow, u"ZUVO_AddRow",
     u"Append a row to a Table control. Cell values are comma-separated.  rectName  tableId  cellValues", 3, {1, 1, 1}},
    {kZuvoClearRows, u"ZUVO_ClearRows", u"Remove all rows from a Table control.  rectName  tableId", 2, {1, 1}},
};

bool isActionNumber(int32_t number) { return number >= 1 && number <= kActionCount; }

const char16_t* actionName(int32_t number) {
  return isActionNumber(number) ? kActionTable[number - 1].name : nullptr;
}
