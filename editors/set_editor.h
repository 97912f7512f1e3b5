#pragma once
// The ZUVO_Set editor: one property of one control, led from the control ID
// through its type and property list to a value entered the way the
// property's kind suggests.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the four parameters were rewritten.
int32_t editSetAction(ParameterList parameters);
