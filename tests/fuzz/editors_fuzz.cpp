// Opens the editor of an action over a fuzzed parameter list and plays an
// author from the rest of the input: typing into fields, choosing entries,
// clicking buttons, the close box, and Kesto's and the platform dialogs'
// answers (Re-Pick, colour, open-file). Then holds the outcome against the
// editor contract:
// - no dialog is left open;
// - every host block is released again, none twice;
// - result 0 leaves the list exactly as passed (the same pointers, the same
//   bytes); result 1 writes parameters that pass the editor's own checks.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/entry_points.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/codepage.h"
#include "platform/host_memory.h"
#include "platform/standin/codepage_standin.h"
#include "tests/support/stored_parameters.h"
#include "ui/headless/ui_headless.h"

namespace {
constexpr int kParameterCounts[] = {4, 4, 3, 3, 4, 1, 3, 2};
constexpr int kMaxSteps = 64;
constexpr size_t kMaxText = 48;

FuzzedDataProvider* input = nullptr;
int stepsTaken = 0;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "editor oracle: %s\n", what.c_str());
  std::abort();
}

std::u16string fuzzedText() {
  std::string bytes = input->ConsumeRandomLengthString(kMaxText);
  HostString host = hostBlockAlloc(bytes.size() + 1);
  bytes.copy(host, bytes.size());
  std::u16string text = ansiToUtf16(host);  // as typed through the code page
  hostBlockFree(host);
  return text;
}

// Kesto's pick request, answered as the input says.
int32_t KS_STDCALL answerPick(int32_t request, HostString* slot) {
  if (request != 8 || !slot) return 0;
  switch (input->ConsumeIntegralInRange(0, 4)) {
    case 0: return 1;                                           // the offered name
    case 1: *slot = toHostString(fuzzedText()); return 1;       // another name (maybe empty)
    case 2: return 0;                                           // cancelled
    case 3: *slot = toHostString(u"Ignored"); return 0;         // cancelled, with a reply to release
    default: *slot = toHostString(u"Rect1"); return 1;
  }
}

bool answerColor(UiColor initial, UiColor& chosen) {
  if (!input->ConsumeBool()) return false;
  chosen = initial;
  if (input->ConsumeBool()) chosen = {input->ConsumeIntegral<uint8_t>(), input->ConsumeIntegral<uint8_t>(),
                                      input->ConsumeIntegral<uint8_t>()};
  return true;
}

bool answerOpenFile(const std::u16string&, const std::u16string&, int, const std::u16string&, std::u16string& chosen) {
  if (!input->ConsumeBool()) return false;
  chosen = fuzzedText();
  return true;
}

std::vector<UiControl*> visible(UiWindow* window, HeadlessKind kind) {
  std::vector<UiControl*> found;
  for (UiControl* control : headlessWindow(window).controls) {
    const HeadlessControl& c = headlessControl(control);
    if (c.kind == kind && c.visible && !c.readOnly) found.push_back(control);
  }
  return found;
}

UiControl* pickOne(const std::vector<UiControl*>& controls) {
  if (controls.empty()) return nullptr;
  return controls[input->ConsumeIntegralInRange<size_t>(0, controls.size() - 1)];
}

// One author step on the newest dialog; true when it gave the dialog an event.
bool authorStep(UiWindow* window) {
  switch (input->ConsumeIntegralInRange(0, 9)) {
    case 0: case 1: case 2:
      if (UiControl* field = pickOne(visible(window, HeadlessKind::TextField))) {
        headlessType(field, fuzzedText());
        return true;
      }
      return false;
    case 3: case 4: case 5:
      if (UiControl* list = pickOne(visible(window, HeadlessKind::DropDown))) {
        headlessChoose(list, input->ConsumeIntegralInRange(-1, uiDropCount(list)));
        return true;
      }
      return false;
    case 6: case 7: case 8:
      if (UiControl* button = pickOne(visible(window, HeadlessKind::Button))) {
        headlessClick(button);
        return true;
      }
      return false;
    default:
      headlessCloseBox(window);
      return true;
  }
}

void drive(UiWindow* window) {
  while (input->remaining_bytes() > 0 && stepsTaken < kMaxSteps) {
    ++stepsTaken;
    if (authorStep(window)) return;
  }
  // Out of steps: nothing queued, so the dialog gets its close box.
}

std::u16string textOf(HostString entry) { return ansiToUtf16(entry); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  input = &provider;
  stepsTaken = 0;
  int action = provider.ConsumeIntegralInRange(1, 8);
  standinSetAnsiCodePage(provider.ConsumeBool() ? 932 : 1252);
  int count = kParameterCounts[action - 1];

  std::vector<HostString> list(count, nullptr);
  for (HostString& entry : list) {
    if (provider.ConsumeIntegralInRange(0, 7) == 0) continue;  // now and then a null entry
    std::string bytes = provider.ConsumeRandomLengthString(kMaxText);
    entry = hostBlockAlloc(bytes.size() + 1);
    bytes.copy(entry, bytes.size());
  }
  std::vector<HostString> passedPointers = list;
  std::vector<std::string> passedBytes;
  for (HostString entry : list) passedBytes.emplace_back(entry ? entry : "<null>");

  headlessReset();
  headlessSetDriver(drive);
  HeadlessDialogs dialogs;
  dialogs.color = answerColor;
  dialogs.openFile = answerOpenFile;
  headlessSetDialogs(dialogs);
  hostState.interfaceAccess = answerPick;

  HostMemoryStats before;
  hostMemoryStats(before);
  int32_t result = ksEditAction(action, list.data());
  HostMemoryStats after;
  hostMemoryStats(after);

  if (!headlessWindows().empty()) fail("a dialog outlived the editor");
  if (after.badReleases != before.badReleases) fail("a host block was released twice or never handed out");
  // On OK every entry is replaced by a new block (a null entry too).
  long passedBlocks = 0;
  for (HostString entry : passedPointers) passedBlocks += entry != nullptr;
  long expectedLive = result == 1 ? before.live - passedBlocks + count : before.live;
  if (after.live != expectedLive)
    fail("action " + std::to_string(action) + ", result " + std::to_string(result) + ": " +
         std::to_string(after.live - expectedLive) + " host block(s) more live than expected");
  if (result == 0) {
    for (int i = 0; i < count; ++i)
      if (list[i] != passedPointers[i] || (list[i] ? list[i] : "<null>") != passedBytes[i])
        fail("result 0 but parameter " + std::to_string(i) + " changed");
  } else if (result == 1) {
    std::vector<std::u16string> written;
    for (HostString entry : list) {
      if (!entry) fail("result 1 with a null parameter");
      written.push_back(textOf(entry));
    }
    std::string problem = storedParametersProblem(action, written);
    if (!problem.empty()) fail("result 1 but " + problem);
  } else {
    fail("result neither 0 nor 1");
  }

  headlessReset();
  hostState.interfaceAccess = nullptr;
  for (HostString entry : list) hostBlockFree(entry);
  input = nullptr;
  return 0;
}
