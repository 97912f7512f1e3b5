#pragma once
// The ZUVO_AddRow editor: appends one row of comma-separated cell values to
// a table control.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the three parameters were rewritten.
int32_t editAddRowAction(ParameterList parameters);
