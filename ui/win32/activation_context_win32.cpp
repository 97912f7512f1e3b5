#include "ui/win32/activation_context_win32.h"

namespace {
HINSTANCE moduleInstance = nullptr;
HANDLE activationContext = INVALID_HANDLE_VALUE;
bool activationContextTried = false;

// Made from the manifest among the module's own resources, at first use.
HANDLE ownActivationContext() {
  if (!activationContextTried) {
    activationContextTried = true;
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = instanceHandle();
    request.lpResourceName = MAKEINTRESOURCEW(2);  // the manifest of a library
    activationContext = CreateActCtxW(&request);
  }
  return activationContext;
}

}  // namespace

void setModuleInstance(HINSTANCE instance) { moduleInstance = instance; }

HINSTANCE instanceHandle() { return moduleInstance ? moduleInstance : GetModuleHandleW(nullptr); }

void releaseActivationContext() {
  if (activationContext != INVALID_HANDLE_VALUE) ReleaseActCtx(activationContext);
  activationContext = INVALID_HANDLE_VALUE;
  activationContextTried = false;
}

ActivationScope::ActivationScope() {
  HANDLE context = ownActivationContext();
  active = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie);
}

ActivationScope::~ActivationScope() {
  if (active) DeactivateActCtx(0, cookie);
}
