// Running out of memory at every point of an action: each scenario runs
// once per allocation it makes, with that allocation failing (a host block,
// a file buffer or operator new), through the entry points as Kesto calls
// them. Every run must end quietly: ksExecAction returns 1 having sent the
// whole line or nothing, an editor returns 1 with every parameter written or
// 0 with the list untouched, no window stays open, and every block taken
// during the run is released exactly once.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/property_catalogue.h"
#include "host/entry_points.h"
#include "platform/file_access.h"
#include "platform/standin/allocation_faults.h"
#include "script/action_scripts.h"
#include "script/script_dispatch.h"
#include "tests/faults/watched_new.h"
#include "tests/headless/editor_test_support.h"
#include "tests/unit/script_test_support.h"

namespace {
// ---- Kesto, played outside the watch ----

struct SentLines {
  std::string last;
  int count = 0;
};
SentLines sent;

int32_t KS_STDCALL takeLine(HostString line) {
  AllocationFaultsPaused kesto;
  sent.last.assign(line ? line : "");
  ++sent.count;
  return 1;
}

int32_t KS_STDCALL answerPick(int32_t request, HostString* slot) {
  AllocationFaultsPaused kesto;
  return editor_test::fakeInterfaceAccess(request, slot);
}

struct Books {
  HostMemoryStats host;
  FileBufferStats files;
};
Books books() {
  Books now;
  hostMemoryStats(now.host);
  fileBufferStats(now.files);
  return now;
}

// What every run leaves behind, or empty text when it is clean.
std::string leftBehind(const Books& before) {
  Books after = books();
  if (after.host.live != before.host.live) return "host blocks live: " + std::to_string(after.host.live - before.host.live);
  if (after.host.badReleases != before.host.badReleases) return "a host block released twice or never handed out";
  if (after.files.live != before.files.live) return "file buffers live";
  if (watchedBlocksLive() != 0) return "operator new blocks live: " + std::to_string(watchedBlocksLive());
  if (!headlessWindows().empty()) return "a window is still open";
  return {};
}

// Runs `act` with allocation 1, 2, 3 ... failing, until a run makes fewer
// allocations than the number failed. `prepare` sets the scene and `check`
// judges the run (empty text when it held); both run outside the watch.
// Returns the number of allocation points swept.
template <typename Prepare, typename Act, typename Check>
long sweep(const std::string& scenario, Prepare prepare, Act act, Check check) {
  for (long nth = 1;; ++nth) {
    Books before = books();
    {
      AllocationFaultsPaused scene;
      prepare();
    }
    failAllocationNumber(nth);
    act();
    bool failedOne = allocationFailed();
    failAllocationNumber(0);
    std::string problem;
    {
      AllocationFaultsPaused judge;
      problem = check();
      if (problem.empty()) problem = leftBehind(before);
    }
    if (!problem.empty()) {
      ADD_FAILURE() << scenario << ", allocation " << nth << " failing: " << problem;
      return nth;
    }
    if (!failedOne) {
      std::printf("%s: %ld allocation points swept\n", scenario.c_str(), nth - 1);
      return nth - 1;
    }
  }
}

// The catalogue is built on first use and kept; each run starts without it
// so that its building is swept as well, and ends releasing it again.
void startWithoutCatalogue() {
  releasePropertyCatalogueTable();
  setUpPropertyCatalogueTable();
}

struct FaultSweep : ::testing::Test {
  ScriptProcessorProc previousProcessor = hostState.scriptProcessor;
  void SetUp() override {
    hostState.scriptProcessor = takeLine;
    sent.last.reserve(1 << 16);
  }
  void TearDown() override {
    hostState.scriptProcessor = previousProcessor;
    failAllocationNumber(0);
  }
};

// ---- Execution ----

struct ExecCase {
  const char* name;
  int32_t action;
  std::vector<std::u16string> parameters;
  std::u16string fallback;  // a second whole line that may be sent instead
};

// Runs one action the way the sweep runs it, without failures: the line.
std::string lineOf(const ExecCase& c) {
  sent.count = 0;
  std::vector<HostString> list;
  for (const std::u16string& text : c.parameters) list.push_back(toHostString(text));
  list.resize(4, nullptr);
  ksExecAction(c.action, list.data());
  for (HostString entry : list) freeHostString(entry);
  return sent.count == 1 ? sent.last : std::string();
}

std::string fallbackLineOf(const std::u16string& rectangle, const std::u16string& control,
                           const std::u16string& property, const std::u16string& value) {
  std::u16string script = fillScript(findActionScript(kZuvoSet, {}), {{u'C', control}, {u'P', property}, {u'V', value}});
  return script_test::narrow(scriptCommandLine(rectangle, script));
}

void sweepExecution(const ExecCase& c) {
  std::string whole = lineOf(c);
  ASSERT_FALSE(whole.empty()) << c.name;
  std::string fallback = script_test::narrow(c.fallback);
  std::vector<HostString> list;
  int32_t result = 0;
  long points = sweep(
      c.name,
      [&] {
        sent.count = 0;
        list.clear();
        for (const std::u16string& text : c.parameters) list.push_back(toHostString(text));
        list.resize(4, nullptr);
      },
      [&] { result = ksExecAction(c.action, list.data()); },
      [&]() -> std::string {
        std::vector<std::string> after;
        for (HostString entry : list) after.push_back(entry ? entry : "<null>");
        for (HostString entry : list) freeHostString(entry);
        if (result != 1) return "ksExecAction returned " + std::to_string(result);
        if (sent.count > 1) return "more than one line sent";
        if (sent.count == 1 && sent.last != whole && (fallback.empty() || sent.last != fallback))
          return "a line that is not the action's: " + sent.last.substr(0, 200);
        for (size_t i = 0; i < c.parameters.size(); ++i)
          if (after[i] != script_test::narrow(c.parameters[i])) return "a parameter changed";
        return {};
      });
  EXPECT_GT(points, 0) << c.name;
}

TEST_F(FaultSweep, ExecutionOfEveryActionWithTextValues) {
  const ExecCase cases[] = {
      {"ZUVO_Set text", kZuvoSet, {u"Rect1", u"label:lbl_title", u"text", u"It's \"done\" C:\\new\r\n"}, {}},
      {"ZUVO_Get key", kZuvoGet, {u"Rect1", u"PAGE", u"", u"[X]"}, {}},
      {"ZUVO_Get property", kZuvoGet, {u"Rect1", u"textInput:txt_name", u"value", u"[Name]"}, {}},
      {"ZUVO_Visibility", kZuvoVisibility, {u"Rect1", u"pnl_a", u"Toggle"}, {}},
      {"ZUVO_Navigate", kZuvoNavigate, {u"Rect1", u"GoToPage", u"It's"}, {}},
      {"ZUVO_Items AddItem", kZuvoItems, {u"Rect1", u"lst", u"AddItem", u"Apple 'red'"}, {}},
      {"ZUVO_Items SetText", kZuvoItems, {u"Rect1", u"txa", u"SetText", u"line\nline"}, {}},
      {"ZUVO_GoSub", kZuvoGoSub, {u"My \"Sub\""}, {}},
      {"ZUVO_AddRow", kZuvoAddRow, {u"Rect1", u"tbl", u"Ann,12,'x'"}, {}},
      {"ZUVO_ClearRows", kZuvoClearRows, {u"Rect1", u"tbl"}, {}},
  };
  for (const ExecCase& c : cases) sweepExecution(c);
}

TEST_F(FaultSweep, ExecutionEmbeddingAFile) {
  std::u16string path = script_test::writeScratchFile("sweep.png", std::string(3000, '\x89'));
  // A buffer or block that cannot be had sends the path as text instead.
  sweepExecution({"ZUVO_Set embedded file", kZuvoSet, {u"R", u"image:img", u"src", path},
                  script_test::ascii(fallbackLineOf(u"R", u"img", u"src", path))});
}

// ---- Editors ----

using editor_test::Step;
using editor_test::click;
using editor_test::closeBox;
using editor_test::PickReply;
using editor_test::type;

struct EditCase {
  const char* name;
  int32_t action;
  std::vector<const char*> stored;
  std::vector<Step> steps;  // up to the last one, which ends the dialog
  std::vector<PickReply> picks;
  bool usesCatalogue = false;
};

// The author's steps run outside the watch: the author is not the plug-in.
void playAuthor(const std::vector<Step>& steps) {
  editor_test::startAuthor(steps);
  headlessSetDriver([](UiWindow* window) {
    AllocationFaultsPaused author;
    if (editor_test::author.steps.empty()) return;
    Step step = editor_test::author.steps.front();
    editor_test::author.steps.pop_front();
    step(window);
  });
  HeadlessDialogs dialogs;
  dialogs.warning = [](UiWindow*, const std::u16string&, const std::u16string&) {};
  dialogs.color = [](UiColor initial, UiColor& chosen) {
    chosen = initial;
    return true;
  };
  headlessSetDialogs(dialogs);
}

editor_test::Params* makeParams(const std::vector<const char*>& stored) {
  auto* params = new editor_test::Params{};
  for (const char* text : stored)
    params->entries.push_back(toHostString(std::u16string(text, text + std::char_traits<char>::length(text))));
  return params;
}

void sweepEditor(const EditCase& c, Step ending, const char* endingName, int32_t endingResult) {
  std::vector<Step> steps = c.steps;
  steps.push_back(ending);
  std::string name = std::string(c.name) + ", " + endingName;

  // Without failures: what the ending writes, if anything.
  editor_test::Params* params = makeParams(c.stored);
  editor_test::pick = {};
  editor_test::pick.name = "Rect2";
  editor_test::pick.replies.assign(c.picks.begin(), c.picks.end());
  playAuthor(steps);
  int32_t expectedResult = ksEditAction(c.action, params->list());
  std::vector<std::string> expectedTexts = params->texts();
  delete params;
  params = nullptr;
  EXPECT_EQ(expectedResult, endingResult) << name << ", without failures";

  editor_test::ParamsSnapshot before;
  int32_t result = -1;
  long points = sweep(
      name,
      [&] {
        headlessReset();
        if (c.usesCatalogue) startWithoutCatalogue();
        params = makeParams(c.stored);
        before = editor_test::snapshotOf(*params);
        editor_test::pick = {};
        editor_test::pick.name = "Rect2";
        editor_test::pick.replies.assign(c.picks.begin(), c.picks.end());
        playAuthor(steps);
      },
      [&] { result = ksEditAction(c.action, params->list()); },
      [&]() -> std::string {
        std::string problem;
        if (result == 1 && (expectedResult != 1 || params->texts() != expectedTexts))
          problem = "result 1 with other parameters than the author's";
        else if (result == 0 && !(editor_test::snapshotOf(*params) == before))
          problem = "result 0 with the list changed";
        else if (result != 0 && result != 1)
          problem = "result " + std::to_string(result);
        delete params;
        params = nullptr;
        headlessSetDriver(nullptr);
        headlessSetDialogs({});
        if (c.usesCatalogue) releasePropertyCatalogueTable();
        return problem;
      });
  EXPECT_GT(points, 0) << name;
  setUpPropertyCatalogueTable();
}

struct EditorSweep : FaultSweep {
  void SetUp() override {
    FaultSweep::SetUp();
    headlessReset();
    hostState.interfaceAccess = answerPick;
    hostState.hostWindow = reinterpret_cast<HostWindowHandle>(0x1234);
  }
  void TearDown() override {
    headlessReset();
    hostState.interfaceAccess = nullptr;
    hostState.hostWindow = nullptr;
    FaultSweep::TearDown();
  }
};

const EditCase kEditCases[] = {
    {"ZUVO_Set", kZuvoSet, {"Rect1", "button:btn_ok", "caption", "Save"},
     {type(u"Value:", u"Go 'on'")}, {PickReply::Unchanged}, true},
    {"ZUVO_Set, Kesto's reply and Re-Pick", kZuvoSet, {"", "label:lbl_a", "caption", "x"},
     {click(u"Re-Pick..."), type(u"Value:", u"y")}, {PickReply::NewName, PickReply::NewName}, true},
    // The builder's own window waits after "Gradient...": its OK comes next.
    {"ZUVO_Set, colour and gradient builder", kZuvoSet, {"Rect1", "btn_a", "style.background", "rgba(255,0,0,0.5)"},
     {click(u"Pick Color..."), click(u"Gradient..."), click(u"OK")}, {PickReply::Unchanged}, true},
    {"ZUVO_Get", kZuvoGet, {"Rect1", "textInput:txt_name", "value", "[Name]"},
     {type(u"Result Var:", u"Other")}, {PickReply::Unchanged}, true},
    {"ZUVO_Visibility", kZuvoVisibility, {"Rect1", "btn_ok", "Show"},
     {type(u"Control ID:", u"pnl_x"), editor_test::choose(u"Action:", u"Hide")}, {PickReply::Unchanged}},
    {"ZUVO_Navigate", kZuvoNavigate, {"Rect1", "GoToPage", "Home"}, {type(u"Page Name:", u"Settings")},
     {PickReply::Unchanged}},
    {"ZUVO_Items", kZuvoItems, {"Rect1", "lst_a", "AddItem", "x"}, {type(u"Control ID:", u"cbo_color")},
     {PickReply::NewName}},
    {"ZUVO_GoSub", kZuvoGoSub, {"Old"}, {type(u"Subroutine:", u"New")}, {}},
    {"ZUVO_AddRow", kZuvoAddRow, {"Rect1", "tbl", "a,b"}, {type(u"Cell Values:", u"Ann,12")},
     {PickReply::Unchanged}},
    {"ZUVO_ClearRows", kZuvoClearRows, {"Rect1", "tbl"}, {type(u"Table ID:", u"tbl_2")}, {PickReply::Unchanged}},
};

TEST_F(EditorSweep, EveryEditorConfirmed) {
  for (const EditCase& c : kEditCases) sweepEditor(c, click(u"OK"), "OK", 1);
}

TEST_F(EditorSweep, EveryEditorCancelled) {
  for (const EditCase& c : kEditCases) sweepEditor(c, click(u"Cancel"), "Cancel", 0);
}

TEST_F(EditorSweep, EveryEditorClosed) {
  for (const EditCase& c : kEditCases) sweepEditor(c, closeBox(), "close box", 0);
}

TEST_F(EditorSweep, PickCancelledAtStart) {
  EditCase c{"ZUVO_AddRow, pick cancelled", kZuvoAddRow, {"", "", ""}, {}, {PickReply::ZeroWithReply}};
  sweepEditor(c, closeBox(), "no dialog", 0);
}
// ---- An edit that Kesto starts inside another edit's loop ----

// Kesto's windows stay enabled while an editor is up, so Kesto may start a
// second edit from inside the first one's loop. Whichever allocation of the
// second edit fails, the first edit's dialog stays open and goes on: the
// author then confirms it, and it writes what the author typed.
TEST_F(EditorSweep, AFailingEditInsideAnotherLeavesTheOuterOneWorking) {
  editor_test::Params* outer = nullptr;
  editor_test::Params* inner = nullptr;
  UiWindow* outerDialog = nullptr;
  int32_t outerResult = -1, innerResult = -1;
  bool innerRan = false, innerFailed = false, outerStayed = false;
  // The first wait is the outer dialog's: Kesto starts its second edit from
  // there, watched like the first. A dialog of the second edit is closed by
  // the author; then the author confirms the first one.
  auto kestoAndAuthor = [&](UiWindow* window) {
    if (!innerRan) {
      innerRan = true;
      outerDialog = window;
      bool failedBefore = allocationFailed();
      innerResult = ksEditAction(kZuvoClearRows, inner->list());
      AllocationFaultsPaused kesto;
      innerFailed = !failedBefore && allocationFailed();
      std::vector<UiWindow*> open = headlessWindows();
      outerStayed = open.size() == 1 && open[0] == outerDialog;
    }
    AllocationFaultsPaused author;
    if (window != outerDialog) return headlessCloseBox(window);
    if (editor_test::textOf(editor_test::labelled(window, u"Subroutine:")) != u"After")
      return headlessType(editor_test::labelled(window, u"Subroutine:"), u"After");
    headlessClick(editor_test::button(window, u"OK"));
  };
  long points = sweep(
      "ZUVO_ClearRows inside ZUVO_GoSub",
      [&] {
        headlessReset();
        // The headless backend's list of windows grows to two for good;
        // grown here, outside the watch, it is not counted as the plug-in's.
        UiWindow* first = uiCreateWindow(u"", 1, 1, nullptr);
        uiDestroyWindow(uiCreateWindow(u"", 1, 1, nullptr));
        uiDestroyWindow(first);
        outer = makeParams({"Before"});
        inner = makeParams({"Rect1", "tbl"});
        innerRan = innerFailed = outerStayed = false;
        outerDialog = nullptr;
        headlessSetDriver(kestoAndAuthor);
      },
      [&] { outerResult = ksEditAction(kZuvoGoSub, outer->list()); },
      [&]() -> std::string {
        std::string problem;
        if (innerRan && !outerStayed) problem = "the second edit closed the first one's dialog";
        else if (innerFailed && (innerResult != 0 || outerResult != 1 || outer->at(0) != "After"))
          problem = "after the second edit failed, the first returned " + std::to_string(outerResult) + " with " +
                    outer->at(0);
        delete outer;
        delete inner;
        outer = inner = nullptr;
        headlessSetDriver(nullptr);
        return problem;
      });
  EXPECT_GT(points, 0);
}

// ---- Start-up ----

struct Registered {
  int count = 0;
  bool nullText = false;
  std::vector<std::string> texts;
};
Registered registered;

int32_t KS_STDCALL recordRegistration(int32_t, HostString name, HostString description, unsigned char*, int32_t,
                                      int32_t) {
  AllocationFaultsPaused kesto;
  ++registered.count;
  registered.nullText = registered.nullText || !name || !description;
  registered.texts.push_back(std::string(name ? name : "<null>") + " | " + (description ? description : "<null>"));
  return 0;
}

// Kesto is never handed a null name or description: the eight actions are
// registered whole whichever allocation fails, and a slot of ksInitPlugIn
// holds either the plug-in's text or what Kesto left in it.
TEST_F(FaultSweep, StartUpNeverHandsKestoANullString) {
  registered = {};
  ksRegisterPlugIn(recordRegistration, 0, 0, 0);
  const std::vector<std::string> whole = registered.texts;
  ASSERT_EQ(whole.size(), 8u);
  long points = sweep(
      "ksRegisterPlugIn", [&] { registered = {}; }, [&] { ksRegisterPlugIn(recordRegistration, 0, 0, 0); },
      [&]() -> std::string {
        if (registered.nullText) return "a null name or description";
        if (registered.texts != whole) return "registrations other than the eight whole ones";
        return {};
      });
  EXPECT_GT(points, 0);

  char kestos[] = "Kesto's own";
  HostString slots[3] = {};
  points = sweep(
      "ksInitPlugIn", [&] { slots[0] = slots[1] = slots[2] = kestos; },
      [&] { ksInitPlugIn(nullptr, &slots[0], &slots[1], &slots[2]); },
      [&]() -> std::string {
        const char* expected[3] = {"ZUVO Companion", "Quorva Dorezedar Zezovadu",
                                   "6 clean actions for controlling ZUVO runtime controls"};
        std::string problem;
        for (int i = 0; i < 3; ++i) {
          if (!slots[i]) problem = "a null string in a slot";
          else if (slots[i] != kestos && std::string(slots[i]) != expected[i]) problem = "a wrong text in a slot";
          if (slots[i] != kestos) freeHostString(slots[i]);
        }
        return problem;
      });
  EXPECT_GT(points, 0);
}
}  // namespace
