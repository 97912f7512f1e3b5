#pragma once
// Runs an action at run time: builds its script and hands it to Kesto.
#include "host/action_table.h"
#include "host/host_api.h"

void executeAction(ActionNumber action, ParameterList parameters);
