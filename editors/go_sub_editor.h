#pragma once
// The ZUVO_GoSub editor: names the Kesto subroutine to run. It needs no
// rectangle, so it asks Kesto for none.
#include <cstdint>

#include "host/host_api.h"

// 1 when the author confirmed and the subroutine name was rewritten.
int32_t editGoSubAction(ParameterList parameters);
