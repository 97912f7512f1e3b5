#pragma once
// The ZUVO_Navigate editor: go to a named page, to the next or previous
// page, or reload the layout.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the three parameters were rewritten.
int32_t editNavigateAction(ParameterList parameters);
