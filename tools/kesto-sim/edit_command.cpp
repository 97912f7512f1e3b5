// edit: opens an action's editor as Kesto does when an author edits it.
#include "tools/kesto-sim/commands.h"

int commandEdit(const Arguments&) { return usageError("edit is not available yet"); }
