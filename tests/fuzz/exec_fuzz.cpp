// Executes every action from arbitrary parameter bytes, as Kesto hands them
// over under code page 1252 or 932, and holds what reaches the script
// processor against the rules of execution:
// - exactly one line when the action's required parameters are there (and
//   its word is one of its list), none otherwise;
// - the line is the TavixExecScript command with the rectangle as given and
//   a script that holds no double quote or line break, so Kesto splits it
//   into the command word and four quoted parameters (GoSub: "GoSub" and the
//   name in quotes);
// - read as JavaScript, the script's text outside its string literals is the
//   template's own, and each literal holds exactly the author's text;
// - every host block is released again, none twice.
//
// Input: byte 0 picks the action (low three bits) and the code page (bit 3);
// byte 1 marks null entries (bit i: entry i is null); the rest are the
// entries' bytes, separated by zero bytes.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "host/entry_points.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/codepage.h"
#include "platform/host_memory.h"
#include "platform/standin/codepage_standin.h"
#include "script/action_scripts.h"
#include "tests/fuzz/script_oracle.h"

namespace {
std::vector<std::string> sentLines;

int32_t KS_STDCALL captureLine(HostString line) {
  sentLines.emplace_back(line ? line : "");
  return 0;
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "exec oracle: %s\n", what);
  std::abort();
}
void require(bool holds, const char* what) {
  if (!holds) fail(what);
}

std::u16string afterFirstColon(const std::u16string& control) {
  size_t colon = control.find(u':');
  return colon == std::u16string::npos ? control : control.substr(colon + 1);
}

bool isFileValued(std::u16string property) {
  for (char16_t& c : property)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return property == u"src" || property == u"image" || property == u"filename" || property == u"filepath";
}

// What the action must send: nothing, or one script (its template and the
// raw texts of its holes), or for GoSub one Kesto line.
struct Expected {
  bool sends = false;
  bool goSub = false;
  const char16_t* script = nullptr;
  std::vector<RawHole> holes;
  bool valueMayBeFile = false;
};

Expected expectedFor(int action, const std::vector<std::u16string>& p) {
  Expected e;
  auto script = [&](const char16_t* text, std::vector<RawHole> holes) {
    e.sends = text != nullptr;
    e.script = text;
    e.holes = std::move(holes);
  };
  ActionNumber number = static_cast<ActionNumber>(action);
  switch (number) {
    case kZuvoSet: {
      std::u16string control = afterFirstColon(p[1]);
      if (p[0].empty() || control.empty() || p[2].empty()) break;
      script(findActionScript(number, {}), {{u'C', control}, {u'P', p[2]}, {u'V', p[3]}});
      e.valueMayBeFile = isFileValued(p[2]);
      break;
    }
    case kZuvoGet: {
      if (const char16_t* key = findWordScript(number, p[1])) {
        script(key, {});
        break;
      }
      std::u16string control = afterFirstColon(p[1]);
      if (p[0].empty() || control.empty() || p[2].empty()) break;
      script(findActionScript(number, {}), {{u'C', control}, {u'P', p[2]}});
      break;
    }
    case kZuvoVisibility:
      if (!p[0].empty() && !p[1].empty()) script(findWordScript(number, p[2]), {{u'C', p[1]}});
      break;
    case kZuvoNavigate:
      if (!p[0].empty()) script(findWordScript(number, p[1]), {{u'N', p[2]}});
      break;
    case kZuvoItems:
      if (!p[0].empty() && !p[1].empty()) script(findWordScript(number, p[2]), {{u'C', p[1]}, {u'T', p[3]}});
      break;
    case kZuvoGoSub:
      e.sends = e.goSub = !p[0].empty();
      break;
    case kZuvoAddRow:
      if (!p[0].empty() && !p[1].empty() && !p[2].empty())
        script(findActionScript(number, {}), {{u'B', p[1]}, {u'L', p[2]}});
      break;
    case kZuvoClearRows:
      if (!p[0].empty() && !p[1].empty()) script(findActionScript(number, {}), {{u'B', p[1]}});
      break;
  }
  return e;
}

bool startsWith(const std::u16string& text, const std::u16string& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}
bool endsWith(const std::u16string& text, const std::u16string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void checkScript(const std::u16string& script, const Expected& e) {
  require(script.find_first_of(u"\"\r\n") == std::u16string::npos, "script holds a quote or a line break");
  ScannedScript sent = scanScript(script);
  require(sent.ok, "script does not tokenize");
  ScannedScript wanted = expectedScan(e.script, e.holes);
  require(sent.outside == wanted.outside, "text outside the literals differs from the template");
  require(sent.literals.size() == wanted.literals.size(), "number of literals differs");
  for (size_t i = 0; i < sent.literals.size(); ++i) {
    // An embedded file replaces the value by its data URI.
    bool dataUri = e.valueMayBeFile && i == 2 && startsWith(sent.literals[i], u"data:");
    require(dataUri || sent.literals[i] == wanted.literals[i], "a literal differs from the author's text");
  }
}

void checkLine(const std::u16string& line, const std::u16string& rectangle, const Expected& e) {
  if (e.goSub) {
    require(line == u"GoSub \"" + rectangle + u"\"", "GoSub line differs");
    return;
  }
  const std::u16string head = u"TavixExecScript \"" + rectangle + u"\" \"";
  const std::u16string tail = u"\" \"\" \"[ZUVO.ExecResult]\"";
  require(startsWith(line, head) && endsWith(line, tail) && line.size() >= head.size() + tail.size(),
          "command line is not TavixExecScript with the rectangle and four parameters");
  checkScript(line.substr(head.size(), line.size() - head.size() - tail.size()), e);
}

std::u16string roundTrip(const std::u16string& text) {
  HostString host = toHostString(text);
  std::u16string back = ansiToUtf16(host);
  freeHostString(host);
  return back;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  int action = (data[0] & 7) + 1;
  standinSetAnsiCodePage(data[0] & 8 ? 932 : 1252);
  uint8_t nulls = data[1];

  std::vector<std::string> fields(4);
  size_t field = 0;
  for (size_t i = 2; i < size && field < fields.size(); ++i) {
    if (data[i] == 0) ++field;
    else fields[field].push_back(static_cast<char>(data[i]));
  }
  // Kesto's list: host blocks like the ones it allocates.
  HostString list[4];
  std::vector<std::u16string> texts;
  for (int i = 0; i < 4; ++i) {
    bool isNull = nulls & (1 << i);
    list[i] = nullptr;
    if (!isNull) {
      list[i] = static_cast<HostString>(hostBlockAlloc(fields[i].size() + 1));
      fields[i].copy(list[i], fields[i].size());
    }
    texts.push_back(ansiToUtf16(list[i]));
    // Text read from Kesto's bytes converts back to the same bytes' text.
    require(roundTrip(texts.back()) == texts.back(), "code page round trip changes a parameter");
  }

  HostMemoryStats before;
  hostMemoryStats(before);
  hostState.scriptProcessor = captureLine;
  sentLines.clear();
  require(ksExecAction(action, list) == 1, "ksExecAction did not return 1");
  hostState.scriptProcessor = nullptr;
  HostMemoryStats after;
  hostMemoryStats(after);
  require(after.live == before.live, "a host block outlived the call");
  require(after.badReleases == before.badReleases, "a host block was released twice or never handed out");

  Expected e = expectedFor(action, texts);
  require(sentLines.size() == (e.sends ? 1u : 0u), "wrong number of lines sent");
  if (e.sends) checkLine(ansiToUtf16(sentLines[0].c_str()), texts[0], e);

  for (HostString entry : list) hostBlockFree(entry);
  return 0;
}
