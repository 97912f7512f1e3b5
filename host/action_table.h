#pragma once
// The eight actions the plug-in registers with Kesto, in registration order.
#include <cstdint>

enum ActionNumber : int32_t {
  kZuvoSet = 1,
  kZuvoGet = 2,
  kZuvoVisibility = 3,
  kZuvoNavigate = 4,
  kZuvoItems = 5,
  kZuvoGoSub = 6,
  kZuvoAddRow = 7,
  kZuvoClearRows = 8,
};

struct ActionTableRow {
  ActionNumber number;
  const char16_t* name;
  const char16_t* description;
  int32_t parameterCount;
  unsigned char typeCodes[4];
};

constexpr int kActionCount = 8;
extern const ActionTableRow kActionTable[kActionCount];

bool isActionNumber(int32_t number);
// The action's name ("ZUVO_Set" for 1); null outside 1 to 8.
const char16_t* actionName(int32_t number);
