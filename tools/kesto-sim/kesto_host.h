#pragma once
// Kesto's side of the plug-in interface: the callbacks it registers, the
// actions it learned, and the set-up calls made in Kesto's order.
#include <functional>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "tools/kesto-sim/plugin.h"

struct RegisteredAction {
  int32_t number = 0;
  std::u16string name;
  std::u16string description;
  unsigned char typeCodes[4] = {0, 0, 0, 0};
  int32_t parameterCount = 0;
  int32_t parameterCountAgain = 0;
};

struct KestoOptions {
  std::u16string pluginPath;
  bool scriptProcessor = true;
  bool interfaceAccess = true;
  std::u16string nullSlot;  // "name", "product" or "description": passed as null
};

struct KestoHost {
  Plugin plugin;
  std::vector<RegisteredAction> actions;
  // What ksInitPlugIn stored; empty and `has...` false for a null slot.
  std::u16string name, product, description;
  bool hasName = false, hasProduct = false, hasDescription = false;
  // Answers the interface-access callback; without it every request fails.
  std::function<int32_t(int32_t request, HostString* slot)> interfaceAccess;
  // Receives each line handed to the script processor (as UTF-8 text).
  std::function<void(const std::string& line)> scriptLine;
};

extern KestoHost kesto;

// Loads the plug-in and calls its four set-up entry points.
bool startKesto(const KestoOptions& options, std::string& error);
// Kesto's main window handle, handed to ksInitPlugIn.
HostWindowHandle kestoMainWindow();
// The action number registered under `name`, or "#N" read as N; -1 if none.
int32_t actionNumberFor(const std::u16string& name);
// The number of parameters registered for an action (0 when unknown).
int32_t parameterCountFor(int32_t number);

// A parameter list of host strings, released when it goes away.
struct HostParameterList {
  std::vector<HostString> entries;
  HostParameterList(const std::vector<std::u16string>& texts, size_t count);
  ~HostParameterList();
  HostParameterList(const HostParameterList&) = delete;
  HostParameterList& operator=(const HostParameterList&) = delete;
};
