#pragma once
// The ZUVO_ClearRows editor: removes all data rows of a table control.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the two parameters were rewritten.
int32_t editClearRowsAction(ParameterList parameters);
