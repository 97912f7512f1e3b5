#pragma once
// The ZUVO_Items editor: appends an item to a combo box or list box, clears
// their items, or replaces the text of a text area or rich-text control.
#include <cstdint>
#include <string>

#include "host/host_api.h"

// 1 when the author confirmed and the four parameters were rewritten.
int32_t editItemsAction(ParameterList parameters);

// The operation a control type steers towards from the operation `word`:
// text controls from "AddItem" to "SetText", list controls from "SetText" to
// "AddItem"; every other pair keeps `word`.
std::u16string steeredItemsOperation(const std::u16string& controlType, const std::u16string& word);
