#pragma once
// What the run-time tests share: executing an action as Kesto does and
// collecting the lines it hands to the script processor, and test files
// named by the drive-letter paths authors write.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/entry_points.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/host_memory.h"

namespace script_test {
inline std::vector<std::string>& sentLines() {
  static std::vector<std::string> lines;
  return lines;
}

inline int32_t KS_STDCALL collectLine(HostString line) {
  sentLines().push_back(line ? line : "");
  return 1;
}

// Registers the collecting script processor for one test and restores the
// previous one afterwards.
struct CollectedLines {
  ScriptProcessorProc previous = hostState.scriptProcessor;
  CollectedLines() {
    sentLines().clear();
    hostState.scriptProcessor = collectLine;
  }
  ~CollectedLines() { hostState.scriptProcessor = previous; }
  const std::vector<std::string>& lines() const { return sentLines(); }
};

// Runs ksExecAction over host strings made from `parameters`; returns its result.
inline int32_t execute(int32_t action, const std::vector<std::u16string>& parameters) {
  std::vector<HostString> list;
  for (const std::u16string& text : parameters) list.push_back(toHostString(text));
  list.resize(4, nullptr);
  int32_t result = ksExecAction(action, list.data());
  for (HostString entry : list) freeHostString(entry);
  return result;
}

// The single line an action sends, or "(nothing)" / "(several)".
inline std::string sentBy(int32_t action, const std::vector<std::u16string>& parameters) {
  CollectedLines collected;
  execute(action, parameters);
  if (collected.lines().empty()) return "(nothing)";
  if (collected.lines().size() > 1) return "(several)";
  return collected.lines()[0];
}

inline std::string tavix(const std::string& rectangle, const std::string& script) {
  return "TavixExecScript \"" + rectangle + "\" \"" + script + "\" \"\" \"[ZUVO.ExecResult]\"";
}

inline std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// A scratch directory for test files, one per test process (tests run side
// by side) and removed when the process ends. Each file is named by the path
// an author would write: a Windows path under Wine, "Z:\..." natively, which
// the stand-in file layer maps back to the local file system.
struct ScratchDirectory {
  std::filesystem::path path;
  ScratchDirectory() {
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path = std::filesystem::temp_directory_path() /
           ("zuvo-script-tests-" + std::to_string(stamp) + "-" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    std::filesystem::create_directories(path);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

inline std::filesystem::path scratchDirectory() {
  static ScratchDirectory directory;
  return directory.path;
}

inline std::u16string authorPath(const std::filesystem::path& file) {
#if defined(_WIN32)
  std::wstring wide = file.wstring();
  return std::u16string(wide.begin(), wide.end());
#else
  std::u16string path = u"Z:" + ascii(file.string());
  for (char16_t& c : path)
    if (c == u'/') c = u'\\';
  return path;
#endif
}

// Writes `content` to a scratch file and returns its author path.
inline std::u16string writeScratchFile(const std::string& name, const std::string& content) {
  std::filesystem::path file = scratchDirectory() / name;
  std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  return authorPath(file);
}

inline std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }
}  // namespace script_test
