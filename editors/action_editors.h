#pragma once
// Opens the design-time editor of an action over Kesto's parameter list.
#include <cstdint>

#include "host/action_table.h"
#include "host/host_api.h"

// 1 when the author confirmed and the parameters were rewritten, else 0.
// However the editor ends, the windows it opened are closed when this
// returns or throws; the windows of an edit around it stay.
int32_t runActionEditor(ActionNumber action, ParameterList parameters);
