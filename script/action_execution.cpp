#include "script/action_execution.h"

#include "host/host_strings.h"
#include "script/action_scripts.h"
#include "script/data_uri_embedding.h"
#include "script/script_dispatch.h"

namespace {
std::u16string parameter(ParameterList parameters, int index) { return getHostParam(parameters, index); }

// The editors store "type:id"; only the text after the first colon is the ID.
std::u16string normalisedControlId(const std::u16string& control) {
  size_t colon = control.find(u':');
  return colon == std::u16string::npos ? control : control.substr(colon + 1);
}

void sendActionScript(const std::u16string& rectangle, ActionNumber action, const std::u16string& word,
                      std::initializer_list<ScriptHole> holes) {
  const char16_t* script = findActionScript(action, word);
  if (script) sendScriptToRectangle(rectangle, fillScript(script, holes));
}

// Sends setProp with the file's content as a data URI; false when the file
// is not embedded and the value has to go as text. The data URI is written
// straight into the host string handed to Kesto: a media file can take a
// good part of a 32-bit address space, so it is never held twice.
bool sendEmbeddedFile(const std::u16string& rectangle, const std::u16string& control,
                      const std::u16string& property, const std::u16string& path) {
  if (!hostTakesScripts()) return true;  // nothing would be sent either way
  SplitScript line = scriptCommandLineAround(rectangle);
  SplitScript script =
      fillScriptAround(findActionScript(kZuvoSet, {}), u'V', {{u'C', control}, {u'P', property}});
  HostString embedded = embedFileIntoHostString(line.before + script.before, path, script.after + line.after);
  if (!embedded) return false;
  runHostScriptString(embedded);
  return true;
}

void executeSet(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string control = normalisedControlId(parameter(parameters, 1));
  std::u16string property = parameter(parameters, 2);
  std::u16string value = parameter(parameters, 3);
  if (rectangle.empty() || control.empty() || property.empty()) return;
  if (isFileValuedProperty(property) && sendEmbeddedFile(rectangle, control, property, value)) return;
  sendActionScript(rectangle, kZuvoSet, {}, {{u'C', control}, {u'P', property}, {u'V', value}});
}

// A runtime key gives its own script; any other key names a control whose
// property is read.
void executeGet(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string key = parameter(parameters, 1);
  if (const char16_t* keyScript = findWordScript(kZuvoGet, key)) {
    sendScriptToRectangle(rectangle, keyScript);  // even to an empty rectangle name
    return;
  }
  std::u16string control = normalisedControlId(key);
  std::u16string property = parameter(parameters, 2);
  if (rectangle.empty() || control.empty() || property.empty()) return;
  sendActionScript(rectangle, kZuvoGet, {}, {{u'C', control}, {u'P', property}});
}

void executeVisibility(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string control = parameter(parameters, 1);
  if (rectangle.empty() || control.empty()) return;
  sendActionScript(rectangle, kZuvoVisibility, parameter(parameters, 2), {{u'C', control}});
}

void executeNavigate(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  if (rectangle.empty()) return;
  std::u16string page = parameter(parameters, 2);
  sendActionScript(rectangle, kZuvoNavigate, parameter(parameters, 1), {{u'N', page}});
}

void executeItems(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string control = parameter(parameters, 1);
  if (rectangle.empty() || control.empty()) return;
  std::u16string text = parameter(parameters, 3);
  sendActionScript(rectangle, kZuvoItems, parameter(parameters, 2), {{u'C', control}, {u'T', text}});
}

// No rectangle: the subroutine line goes to Kesto itself, the name unchanged.
void executeGoSub(ParameterList parameters) {
  std::u16string name = parameter(parameters, 0);
  if (name.empty()) return;
  runHostScript(fillScript(findActionScript(kZuvoGoSub, {}), {{u'S', name, HoleFill::verbatim}}));
}

void executeAddRow(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string table = parameter(parameters, 1);
  std::u16string cells = parameter(parameters, 2);
  if (rectangle.empty() || table.empty() || cells.empty()) return;
  sendActionScript(rectangle, kZuvoAddRow, {}, {{u'B', table}, {u'L', cells}});
}

void executeClearRows(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string table = parameter(parameters, 1);
  if (rectangle.empty() || table.empty()) return;
  sendActionScript(rectangle, kZuvoClearRows, {}, {{u'B', table}});
}

using ActionRunner = void (*)(ParameterList);
// In action-number order, 1 to 8.
constexpr ActionRunner kRunners[kActionCount] = {executeSet,   executeGet,    executeVisibility, executeNavigate,
                                                 executeItems, executeGoSub,  executeAddRow,     executeClearRows};
}  // namespace

void executeAction(ActionNumber action, ParameterList parameters) { kRunners[action - 1](parameters); }
