#pragma once
// The ZUVO_Get editor: reads one property of a control, or one of the
// layout's runtime values, into a Kesto variable.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the four parameters were rewritten.
int32_t editGetAction(ParameterList parameters);
