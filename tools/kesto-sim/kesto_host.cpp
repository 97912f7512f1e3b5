#include "tools/kesto-sim/kesto_host.h"

#include "tools/kesto-sim/text.h"

KestoHost kesto;

namespace {
int32_t KS_STDCALL onRegisterAction(int32_t number, HostString name, HostString description, unsigned char* types,
                                    int32_t count, int32_t countAgain) {
  RegisteredAction action;
  action.number = number;
  action.name = utf8ToUtf16(hostStringToUtf8(name));
  action.description = utf8ToUtf16(hostStringToUtf8(description));
  for (int i = 0; i < 4; ++i) action.typeCodes[i] = types ? types[i] : 0;
  action.parameterCount = count;
  action.parameterCountAgain = countAgain;
  kesto.actions.push_back(action);
  return 1;
}

int32_t KS_STDCALL onInterfaceAccess(int32_t request, HostString* slot) {
  return kesto.interfaceAccess ? kesto.interfaceAccess(request, slot) : 0;
}

int32_t KS_STDCALL onScriptLine(HostString line) {
  if (kesto.scriptLine) kesto.scriptLine(hostStringToUtf8(line));
  return 1;
}

void takeInitString(HostString text, std::u16string& into, bool& has) {
  has = true;
  into = utf8ToUtf16(hostStringToUtf8(text));
  releaseHostString(text);  // Kesto owns what ksInitPlugIn stored
}
}  // namespace

bool startKesto(const KestoOptions& options, std::string& error) {
  if (!loadPlugin(options.pluginPath, kesto.plugin, error)) return false;
  HostString name = nullptr, product = nullptr, description = nullptr;
  kesto.plugin.initPlugIn(kestoMainWindow(), options.nullSlot == u"name" ? nullptr : &name,
                          options.nullSlot == u"product" ? nullptr : &product,
                          options.nullSlot == u"description" ? nullptr : &description);
  if (options.nullSlot != u"name") takeInitString(name, kesto.name, kesto.hasName);
  if (options.nullSlot != u"product") takeInitString(product, kesto.product, kesto.hasProduct);
  if (options.nullSlot != u"description") takeInitString(description, kesto.description, kesto.hasDescription);
  kesto.plugin.registerPlugIn(onRegisterAction, 0, 0, 0);
  if (options.interfaceAccess) kesto.plugin.registerInterfaceAccess(onInterfaceAccess);
  if (options.scriptProcessor) kesto.plugin.registerScriptProcessor(onScriptLine);
  return true;
}

int32_t actionNumberFor(const std::u16string& name) {
  if (name.size() > 1 && name[0] == u'#') {
    int32_t number = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (name[i] < u'0' || name[i] > u'9' || number > 100000000) return -1;
      number = number * 10 + (name[i] - u'0');
    }
    return number;
  }
  for (const RegisteredAction& action : kesto.actions)
    if (action.name == name) return action.number;
  return -1;
}

int32_t parameterCountFor(int32_t number) {
  for (const RegisteredAction& action : kesto.actions)
    if (action.number == number) return action.parameterCount;
  return 0;
}

HostParameterList::HostParameterList(const std::vector<std::u16string>& texts, size_t count) {
  entries.assign(count > texts.size() ? count : texts.size(), nullptr);
  for (size_t i = 0; i < texts.size(); ++i) entries[i] = makeHostString(texts[i]);
  if (entries.empty()) entries.push_back(nullptr);  // never hand out a null list
}

HostParameterList::~HostParameterList() {
  for (HostString entry : entries) releaseHostString(entry);
}
