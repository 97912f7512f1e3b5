#include "host/library_lifecycle.h"

#include "catalogue/property_catalogue.h"
#include "host/host_state.h"
#include "ui/ui.h"

namespace {
// Hooks for the plug-in's own start and stop work; there is none.
void attachHook(void*) {}
void detachHook(void*) {}
}  // namespace

void libraryAttach(void* instance) {
  hostState.libraryInstance = instance;
  uiRuntimeStart(instance);
  setUpPropertyCatalogueTable();
  attachHook(instance);
}

void libraryDetach(void* instance) {
  detachHook(instance);
  releasePropertyCatalogueTable();
  uiRuntimeStop();
}
