#include "script/action_execution.h"

void executeAction(ActionNumber, ParameterList) {}
