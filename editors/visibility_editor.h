#pragma once
// The ZUVO_Visibility editor: shows, hides, enables, disables or toggles one
// control of the layout.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the three parameters were rewritten.
int32_t editVisibilityAction(ParameterList parameters);
