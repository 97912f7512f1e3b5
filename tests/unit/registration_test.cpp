// The set-up entry points and the eight registrations Kesto receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/entry_points.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/host_memory.h"

namespace {
struct Registration {
  int32_t number;
  std::string name, description;
  unsigned char types[4];
  int32_t count, countAgain;
  HostString namePointer, descriptionPointer;
};
std::vector<Registration> seen;

int32_t KS_STDCALL recordRegistration(int32_t number, HostString name, HostString description,
                                      unsigned char* types, int32_t count, int32_t countAgain) {
  Registration r{number, name, description, {types[0], types[1], types[2], types[3]}, count, countAgain, name,
                 description};
  seen.push_back(r);
  return 0;
}

std::vector<Registration> registerAll() {
  seen.clear();
  EXPECT_EQ(ksRegisterPlugIn(recordRegistration, 0, 11, 22), 0);
  return seen;
}
}  // namespace

TEST(Registration, EightActionsInTableOrderWithTheirCounts) {
  std::vector<Registration> calls = registerAll();
  ASSERT_EQ(calls.size(), 8u);
  const char* names[] = {"ZUVO_Set",   "ZUVO_Get",   "ZUVO_Visibility", "ZUVO_Navigate",
                         "ZUVO_Items", "ZUVO_GoSub", "ZUVO_AddRow",     "ZUVO_ClearRows"};
  const int32_t counts[] = {4, 4, 3, 3, 4, 1, 3, 2};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(calls[i].number, i + 1);
    EXPECT_EQ(calls[i].name, names[i]);
    EXPECT_EQ(calls[i].count, counts[i]);
    EXPECT_EQ(calls[i].countAgain, counts[i]);
  }
  EXPECT_EQ(hostState.hostValue3, 11);
  EXPECT_EQ(hostState.hostValue4, 22);
}

TEST(Registration, TypeCodesAndDescriptions) {
  std::vector<Registration> calls = registerAll();
  ASSERT_EQ(calls.size(), 8u);
  EXPECT_EQ(std::vector<int>(calls[1].types, calls[1].types + 4), (std::vector<int>{1, 1, 1, 7}));
  EXPECT_EQ(calls[5].types[0], 1);
  for (const Registration& r : calls)
    for (int i = 0; i < r.count; ++i) EXPECT_TRUE(r.types[i] == 1 || (r.number == 2 && i == 3)) << r.name;
  EXPECT_EQ(calls[0].description, "Set any property on any ZUVO control.  rectName  ctrlId  propName  value");
  EXPECT_EQ(calls[1].description,
            "Read a control property or the current page name. Result arrives in [ZUVO.PropValue] via "
            "ZUVO_OnPropValue.  rectName  ctrlId  propName  [ResultVar]");
  EXPECT_EQ(calls[7].description, "Remove all rows from a Table control.  rectName  tableId");
}

TEST(Registration, NameAndDescriptionAreReleasedAfterEachCall) {
  HostMemoryStats before, after;
  bool tracked = hostMemoryStats(before);
  std::vector<Registration> calls = registerAll();
  for (const Registration& r : calls) {
    EXPECT_FALSE(hostBlockIsLive(r.namePointer)) << r.name;
    EXPECT_FALSE(hostBlockIsLive(r.descriptionPointer)) << r.name;
  }
  if (tracked) {
    hostMemoryStats(after);
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.allocations - before.allocations, 16);
  }
}

TEST(Registration, NullCallbackRegistersNothing) {
  EXPECT_EQ(ksRegisterPlugIn(nullptr, 0, 0, 0), 0);
  EXPECT_EQ(hostState.registerAction, nullptr);
}

TEST(EntryPoints, InitPlugInFillsEveryNonNullSlot) {
  HostString name = nullptr, description = nullptr;
  int window;
  EXPECT_EQ(ksInitPlugIn(&window, &name, nullptr, &description), 0);
  EXPECT_EQ(hostState.hostWindow, &window);
  ASSERT_NE(name, nullptr);
  ASSERT_NE(description, nullptr);
  EXPECT_STREQ(name, "ZUVO Companion");
  EXPECT_STREQ(description, "6 clean actions for controlling ZUVO runtime controls");
  HostString product = nullptr;
  ksInitPlugIn(&window, nullptr, &product, nullptr);
  EXPECT_STREQ(product, "Quorva Dorezedar Zezovadu");
  // The strings are Kesto's: still live until Kesto releases them.
  EXPECT_TRUE(hostBlockIsLive(name));
  freeHostString(name);
  freeHostString(description);
  freeHostString(product);
}

TEST(EntryPoints, ResultsForEveryActionNumber) {
  ScriptProcessorProc saved = hostState.scriptProcessor;
  HostString params[4] = {nullptr, nullptr, nullptr, nullptr};
  EXPECT_EQ(ksMessage(0, 0), 0);
  EXPECT_EQ(ksMessage(-1, 123456), 0);
  EXPECT_EQ(ksRegisterInterfaceAccess(nullptr), 0);
  EXPECT_EQ(ksRegisterScriptProcessor(nullptr), 0);
  for (int32_t n : {0, 9, -1, 1000}) {
    EXPECT_EQ(ksEditAction(n, params), 1) << n;
    EXPECT_EQ(ksExecAction(n, params), 0) << n;
  }
  for (int32_t n = 1; n <= 8; ++n) EXPECT_EQ(ksExecAction(n, params), 1) << n;
  for (HostString p : params) EXPECT_EQ(p, nullptr);
  ksRegisterScriptProcessor(saved);
}
