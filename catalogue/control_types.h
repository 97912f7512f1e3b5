#pragma once
// The 32 control types of a layout and the pseudo-type "*style", the ID
// prefixes that name them, and the control-type drop-down.
#include <string>

#include "ui/ui.h"

// Display name and type name of every drop-down entry in drop-down order,
// each field followed by "|": field 2n-1 and field 2n describe position n.
const std::u16string& controlTypeList();

// The type that the ID's prefix (the text before its first "_", compared
// without regard to case) names; empty text when there is none.
std::u16string detectControlType(const std::u16string& controlId);

// Refills the drop-down with the placeholder and the 33 display names, in
// the dialog's language, and selects the entry of `currentType` (the
// placeholder when it is not listed).
void fillControlTypeChooser(UiControl* dropDown, const std::u16string& currentType);

// Drop-down position (1 to 33) of a type name; 0 when empty or not listed.
int controlTypePosition(const std::u16string& typeName);
// Type name at a drop-down position; empty text outside 1 to 33.
std::u16string controlTypeAt(int position);

// The ID prefixes in the order detectControlType tries them.
struct ControlTypePrefix {
  const char16_t* prefix;
  const char16_t* typeName;
};
int controlTypePrefixCount();
const ControlTypePrefix& controlTypePrefixAt(int index);

inline constexpr char16_t kControlTypePlaceholder[] = u"-- choose control type --";
inline constexpr char16_t kStyleTypeName[] = u"*style";
