// info, exec and run: what the plug-in registers and what it sends.
// exec and run take "--measure N" first: each line is executed N times and
// timed up to the script processor, which then only notes the line's size
// and checksum, and the process's memory peaks are printed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/host_memory.h"
#include "tools/kesto-sim/action_line.h"
#include "tools/kesto-sim/commands.h"
#include "tools/kesto-sim/kesto_host.h"
#include "tools/kesto-sim/run_support.h"
#include "tools/kesto-sim/text.h"

namespace {
std::string typeCodeList(const RegisteredAction& action) {
  std::string codes;
  for (int i = 0; i < action.parameterCount && i < 4; ++i) {
    if (i) codes += ",";
    codes += std::to_string(action.typeCodes[i]);
  }
  return codes;
}

void printInitString(const char* label, bool has, const std::u16string& text) {
  printLine(std::string(label) + "\t" + (has ? utf16ToUtf8(text) : std::string("(null slot)")));
}

using Clock = std::chrono::steady_clock;

struct Measurement {
  int runs = 0;  // 0: print every line sent instead
  Clock::time_point lineArrived;
  size_t lineBytes = 0;
  uint64_t checksum = 0;
  bool lineSeen = false;
};
Measurement measurement;

// FNV-1a over the line's bytes, so that two runs can be compared without
// printing hundreds of megabytes.
uint64_t fnv1a(const char* bytes, size_t length) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < length; ++i) hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
  return hash;
}

int32_t KS_STDCALL measuringScriptProcessor(HostString line) {
  measurement.lineArrived = Clock::now();
  measurement.lineBytes = line ? std::strlen(line) : 0;
  if (!measurement.lineSeen && line) measurement.checksum = fnv1a(line, measurement.lineBytes);
  measurement.lineSeen = true;
  return 1;
}

std::string megabytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", bytes / 1048576.0);
  return text;
}

void printMemory(const char* label) {
  ProcessMemory memory = processMemory();
  printLine(std::string("memory\t") + label + "\tprivate_mb " + megabytes(memory.privateBytes) +
            "\tpeak_private_mb " + megabytes(memory.peakPrivateBytes) + "\tpeak_resident_mb " +
            megabytes(memory.peakResidentBytes));
}

// The least any plug-in could take to hand over a line of that size: a
// fresh block from the host allocator with every page of it written once.
double touchFloorMilliseconds(size_t bytes) {
  if (bytes == 0) return 0;
  Clock::time_point start = Clock::now();
  volatile char* block = hostBlockAlloc(bytes + 1);
  if (!block) return -1;
  for (size_t at = 0; at < bytes; at += 4096) block[at] = 'A';
  Clock::time_point end = Clock::now();
  hostBlockFree(const_cast<char*>(block));
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// Times the call from ksExecAction to the arrival of the line at the script
// processor, over the given number of runs.
void measureAction(int32_t number, ParameterList parameters) {
  std::vector<double> milliseconds;
  measurement.lineSeen = false;
  for (int run = 0; run < measurement.runs; ++run) {
    measurement.lineBytes = 0;
    Clock::time_point start = Clock::now();
    kesto.plugin.execAction(number, parameters);
    Clock::time_point end = measurement.lineBytes ? measurement.lineArrived : Clock::now();
    milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  char text[200];
  std::snprintf(text, sizeof text,
                "measure\truns %d\tmedian_ms %.2f\tmin_ms %.2f\tline_bytes %zu\tfnv1a %016llx\ttouch_floor_ms %.2f",
                measurement.runs, milliseconds[milliseconds.size() / 2], milliseconds.front(), measurement.lineBytes,
                static_cast<unsigned long long>(measurement.checksum), touchFloorMilliseconds(measurement.lineBytes));
  printLine(text);
}

// Kesto expands its path variables before the plug-in sees the parameters;
// "[PubDir]" is the publication's directory.
void expandPathVariables(std::vector<std::u16string>& parameters, const std::u16string& publicationDirectory) {
  const std::u16string variable = u"[PubDir]";
  for (std::u16string& text : parameters)
    for (size_t at = text.find(variable); at != std::u16string::npos; at = text.find(variable, at))
      text.replace(at, variable.size(), publicationDirectory), at += publicationDirectory.size();
}

// Executes one action line as a running publication would.
bool executeLine(const std::u16string& line, const std::u16string& publicationDirectory = {}) {
  ActionLine parsed;
  if (!parseActionLine(line, parsed)) {
    std::fprintf(stderr, "kesto-sim: not an action line: %s\n", utf16ToUtf8(line).c_str());
    return false;
  }
  int32_t number = actionNumberFor(parsed.name);
  if (number < 0) {
    std::fprintf(stderr, "kesto-sim: no action named %s\n", utf16ToUtf8(parsed.name).c_str());
    return false;
  }
  if (!publicationDirectory.empty()) expandPathVariables(parsed.parameters, publicationDirectory);
  HostParameterList parameters(parsed.parameters, static_cast<size_t>(parameterCountFor(number)));
  if (measurement.runs > 0) {
    measureAction(number, parameters.entries.data());
    return true;
  }
  int32_t result = kesto.plugin.execAction(number, parameters.entries.data());
  printLine("result\t" + std::to_string(result));
  return true;
}

void printSentLines() {
  kesto.scriptLine = [](const std::string& line) { printLine("send\t" + line); };
}

// Takes "--measure N" off the front of the arguments; false when N is bad.
bool takeMeasureOption(Arguments& arguments) {
  if (arguments.empty() || arguments[0] != u"--measure") return true;
  if (arguments.size() < 2) return false;
  int runs = 0;
  for (char16_t c : arguments[1]) {
    if (c < u'0' || c > u'9' || runs > 10000) return false;
    runs = runs * 10 + (c - u'0');
  }
  if (runs == 0) return false;
  measurement.runs = runs;
  arguments.erase(arguments.begin(), arguments.begin() + 2);
  kesto.plugin.registerScriptProcessor(measuringScriptProcessor);
  printMemory("start");
  return true;
}
}  // namespace

int commandInfo(const Arguments& arguments) {
  if (!arguments.empty()) return usageError("info takes no arguments");
  printInitString("name", kesto.hasName, kesto.name);
  printInitString("product", kesto.hasProduct, kesto.product);
  printInitString("description", kesto.hasDescription, kesto.description);
  for (const RegisteredAction& action : kesto.actions) {
    printLine("action\t" + std::to_string(action.number) + "\t" + utf16ToUtf8(action.name) + "\t" +
              std::to_string(action.parameterCount) + "\t" + std::to_string(action.parameterCountAgain) + "\t" +
              typeCodeList(action) + "\t" + utf16ToUtf8(action.description));
  }
  return 0;
}

int commandExec(const Arguments& given) {
  Arguments arguments = given;
  if (!takeMeasureOption(arguments)) return usageError("--measure needs a number of runs");
  if (arguments.empty()) return usageError("exec needs at least one action line");
  printSentLines();
  bool allParsed = true;
  for (const std::u16string& line : arguments) allParsed = executeLine(line) && allParsed;
  if (measurement.runs > 0) printMemory("end");
  return allParsed ? 0 : 1;
}

int commandRun(const Arguments& given) {
  Arguments arguments = given;
  if (!takeMeasureOption(arguments)) return usageError("--measure needs a number of runs");
  if (arguments.size() != 1) return usageError("run takes one file");
#if defined(_WIN32)
  std::ifstream file(std::wstring(arguments[0].begin(), arguments[0].end()).c_str(), std::ios::binary);
#else
  std::ifstream file(utf16ToUtf8(arguments[0]), std::ios::binary);
#endif
  if (!file) {
    std::fprintf(stderr, "kesto-sim: cannot read %s\n", utf16ToUtf8(arguments[0]).c_str());
    return 1;
  }
  std::u16string directory = publicationDirectory(arguments[0]);
  printSentLines();
  bool allParsed = true;
  std::string raw;
  while (std::getline(file, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::u16string line = utf8ToUtf16(raw);
    if (isSkippedLine(line)) continue;
    allParsed = executeLine(line, directory) && allParsed;
  }
  if (measurement.runs > 0) printMemory("end");
  return allParsed ? 0 : 1;
}
