#pragma once
// Handing scripts to Kesto: the TavixExecScript line that runs a script in
// the page of one rectangle, and the hand-over to Kesto's script processor.
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "script/action_scripts.h"

// The command line for `script` in `rectangle`; neither is checked or
// escaped here (callers escape user text inside the script).
std::u16string scriptCommandLine(const std::u16string& rectangle, const std::u16string& script);
// The command line's text before and after the script, for callers that
// write the script's middle straight into the host string.
SplitScript scriptCommandLineAround(const std::u16string& rectangle);

// Builds the command line and hands it to Kesto; returns 0.
int32_t sendScriptToRectangle(const std::u16string& rectangle, const std::u16string& script);
// Hands one line of Kesto action script to the script processor. Returns 1
// when it was skipped (no script processor, or an empty line), else 0.
int32_t runHostScript(const std::u16string& line);
// Sends a script made of `pieces` with the host string `text`, escaped,
// between each two of them, composing the command line straight into the
// host string handed to Kesto: `text` is read piece by piece and never held
// in UTF-16 whole. Sends nothing when the line cannot be had.
void sendScriptAroundHostText(const std::u16string& rectangle, std::vector<std::u16string> pieces, HostString text);
// The same for a line of Kesto action script with `text` inserted as it
// stands between the pieces.
void runHostScriptAroundHostText(const std::vector<std::u16string>& pieces, HostString text);
// True when Kesto registered a script processor, so a line would be taken.
bool hostTakesScripts();
// Hands a line already converted to a host string to the script processor
// and releases it; the caller has checked hostTakesScripts.
void runHostScriptString(HostString line);
