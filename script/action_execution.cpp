#include "script/action_execution.h"

#include <cstring>

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

// The same with the author's text (a value, an item text, cell values),
// which may be a whole loaded file, escaped into the hole `textHole` straight
// from Kesto's host string: it is never held in UTF-16 whole.
void sendActionScriptAround(const std::u16string& rectangle, ActionNumber action, const std::u16string& word,
                            char16_t textHole, HostString text, std::initializer_list<ScriptHole> holes) {
  const char16_t* script = findActionScript(action, word);
  if (script) sendScriptAroundHostText(rectangle, fillScriptPieces(script, textHole, holes), text);
}

// A Windows path has at most 32767 UTF-16 units, and no ANSI code page
// needs more than three bytes for one unit: a longer value names no file.
constexpr size_t kLongestPathBytes = 3 * 32767;
bool mayNameFile(HostString value) { return value && strnlen(value, kLongestPathBytes + 1) <= kLongestPathBytes; }

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
  HostString value = hostParamText(parameters, 3);
  if (rectangle.empty() || control.empty() || property.empty()) return;
  if (isFileValuedProperty(property) && mayNameFile(value) &&
      sendEmbeddedFile(rectangle, control, property, parameter(parameters, 3)))
    return;
  sendActionScriptAround(rectangle, kZuvoSet, {}, u'V', value, {{u'C', control}, {u'P', property}});
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
  sendActionScriptAround(rectangle, kZuvoItems, parameter(parameters, 2), u'T', hostParamText(parameters, 3),
                         {{u'C', control}});
}

// No rectangle: the subroutine line goes to Kesto itself, the name unchanged.
void executeGoSub(ParameterList parameters) {
  HostString name = hostParamText(parameters, 0);
  if (hostTextIsEmpty(name)) return;
  runHostScriptAroundHostText(fillScriptPieces(findActionScript(kZuvoGoSub, {}), u'S', {}), name);
}

void executeAddRow(ParameterList parameters) {
  std::u16string rectangle = parameter(parameters, 0);
  std::u16string table = parameter(parameters, 1);
  HostString cells = hostParamText(parameters, 2);
  if (rectangle.empty() || table.empty() || hostTextIsEmpty(cells)) return;
  sendActionScriptAround(rectangle, kZuvoAddRow, {}, u'L', cells, {{u'B', table}});
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
