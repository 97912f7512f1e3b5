#include "host/library_lifecycle.h"

#include "catalogue/property_catalogue.h"
#include "host/host_state.h"
#include "ui/ui.h"

namespace {
// Hooks for the plug-in's own start and stop work; there is none.
void attachHook(void*) {}
void detachHook(void*) {}
}  // namespace

// Both run inside the loader's call of the library entry function, which no
// exception may leave. A table that could not be set up is set up again
// when the catalogue is first built.
void libraryAttach(void* instance) {
  hostState.libraryInstance = instance;
  uiRuntimeStart(instance);
  try {
    setUpPropertyCatalogueTable();
  } catch (...) {
  }
  attachHook(instance);
}

void libraryDetach(void* instance) {
  detachHook(instance);
  releasePropertyCatalogueTable();
  uiRuntimeStop();
}
