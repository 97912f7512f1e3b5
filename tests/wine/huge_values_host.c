/* Test host, written apart from kesto-sim: loads the real DLL as Kesto does
   and hands it text values of many megabytes, each held once in one global
   block as Kesto holds a variable, so that what the process needs beyond
   that is the plug-in's own. Built as a plain (not large-address-aware)
   32-bit program: the plug-in must live within 2 GiB.

   huge_values_host DLL exec ACTION MB   one action with an MB-megabyte text
   huge_values_host DLL edit ACTION MB   the editor over such a stored text,
                                         the pick answered with no choice
   huge_values_host DLL null             every action with a null list
   huge_values_host DLL largest ACTION   the largest text (in MB) sent whole

   ACTION: set, items-set, items-add, addrow. Prints "sent BYTES whole",
   "sent BYTES broken" or "sent nothing", then "result N"; "peak MB" is the
   process's peak of private memory beyond the value. */
#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int(__stdcall* ScriptProcessor)(char*);
typedef int(__stdcall* InterfaceAccess)(int, char**);
typedef int(__stdcall* RegisterScript)(ScriptProcessor);
typedef int(__stdcall* RegisterAccess)(InterfaceAccess);
typedef int(__stdcall* RunAction)(int, char**);

static RunAction execAction, editAction;
static const char kUnit[] = "Line 'one' \"two\" C:\\dir\r\n";  /* every escaped character */
static const char kEscapedUnit[] = "Line \\'one\\' \\u0022two\\u0022 C:\\\\dir\\r\\n";

struct Action {
  const char* name;
  int number;
  int valueIndex;
  const char* parameters[4];
  const char* before; /* the line up to the first copy of the value */
};

static const struct Action kActions[] = {
    {"set", 1, 3, {"R", "c", "text", 0}, "TavixExecScript \"R\" \"window.ZUVO.setProp('c','text','"},
    {"items-set", 5, 3, {"R", "t", "SetText", 0}, "TavixExecScript \"R\" \"window.ZUVO.setProp('t','value','"},
    {"items-add", 5, 3, {"R", "l", "AddItem", 0},
     "TavixExecScript \"R\" \"(function(){var e=document.getElementById('l');if(!e)return;if(e.tagName==='SELECT')"
     "{var o=document.createElement('option');o.value='"},
    {"addrow", 7, 2, {"R", "tbl", 0, 0}, "TavixExecScript \"R\" \"window.ZUVO.setProp('tbl','addrow','"},
};

static size_t sentBytes;
static int sentLines, sentWhole;
static const struct Action* expected;
static size_t expectedUnits;

/* The line holds the value's escaped text, unit after unit, right after the
   fixed beginning; the checks stop at the first copy. */
static int __stdcall takeLine(char* line) {
  size_t length = strlen(line), unit = strlen(kEscapedUnit), i;
  const char* at;
  sentLines++;
  sentBytes = length;
  sentWhole = 0;
  if (!expected || strncmp(line, expected->before, strlen(expected->before)) != 0) return 1;
  at = line + strlen(expected->before);
  if ((size_t)(line + length - at) < expectedUnits * unit) return 1;
  for (i = 0; i < expectedUnits; ++i, at += unit)
    if (memcmp(at, kEscapedUnit, unit) != 0) return 1;
  sentWhole = length > 0 && line[length - 1] == '"';
  return 1;
}

static int __stdcall noChoice(int request, char** slot) {
  (void)request;
  (void)slot;
  return 0;
}

static SIZE_T privatePeak(void) {
  PROCESS_MEMORY_COUNTERS counters;
  memset(&counters, 0, sizeof counters);
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakPagefileUsage;
}

static const struct Action* actionNamed(const char* name) {
  size_t i;
  for (i = 0; i < sizeof kActions / sizeof kActions[0]; ++i)
    if (strcmp(kActions[i].name, name) == 0) return &kActions[i];
  return 0;
}

/* A global block of about `mb` megabytes of whole units; null when the
   host itself cannot hold it. */
static char* makeValue(size_t mb, size_t* units) {
  size_t unit = strlen(kUnit), count = mb * 1024 * 1024 / unit, i;
  char* value = (char*)GlobalAlloc(GMEM_FIXED, count * unit + 1);
  if (!value) return 0;
  for (i = 0; i < count; ++i) memcpy(value + i * unit, kUnit, unit);
  value[count * unit] = 0;
  *units = count;
  return value;
}

static char* copyOf(const char* text) {
  char* block = (char*)GlobalAlloc(GMEM_FIXED, strlen(text) + 1);
  if (block) strcpy(block, text);
  return block;
}

/* Runs the action over a list whose value is `mb` megabytes; -1 when the
   host could not make the value. */
static int runWithValue(const struct Action* action, size_t mb, int edit, int* listIntact) {
  char* list[4] = {0, 0, 0, 0};
  char* kept[4];
  size_t units = 0, i;
  int result;
  char* value = makeValue(mb, &units);
  if (!value) return -1;
  for (i = 0; i < 4; ++i) list[i] = action->parameters[i] ? copyOf(action->parameters[i]) : 0;
  list[action->valueIndex] = value;
  memcpy(kept, list, sizeof list);
  expected = action;
  expectedUnits = units;
  sentLines = 0;
  sentWhole = 0;
  result = edit ? editAction(action->number, list) : execAction(action->number, list);
  *listIntact = memcmp(kept, list, sizeof list) == 0 && strlen(value) == units * strlen(kUnit);
  for (i = 0; i < 4; ++i)
    if (list[i]) GlobalFree(list[i]);
  return result;
}

static void report(int result, size_t mb, SIZE_T before) {
  if (sentLines == 0)
    printf("sent nothing\n");
  else
    printf("sent %lu %s\n", (unsigned long)sentBytes, sentWhole && sentLines == 1 ? "whole" : "broken");
  printf("result %d\n", result);
  printf("peak %lu MB beside the value\n",
         (unsigned long)((privatePeak() - before) / (1024 * 1024) > mb ? (privatePeak() - before) / (1024 * 1024) - mb : 0));
}

int main(int argc, char** argv) {
  HMODULE dll;
  const struct Action* action;
  int intact = 0, result, i;
  SIZE_T before;
  if (argc < 3) return 2;
  dll = LoadLibraryA(argv[1]);
  if (!dll) return 3;
  execAction = (RunAction)GetProcAddress(dll, "_ksExecAction");
  editAction = (RunAction)GetProcAddress(dll, "_ksEditAction");
  ((RegisterScript)GetProcAddress(dll, "_ksRegisterScriptProcessor"))(takeLine);
  ((RegisterAccess)GetProcAddress(dll, "_ksRegisterInterfaceAccess"))(noChoice);
  if (!execAction || !editAction) return 3;

  if (strcmp(argv[2], "null") == 0) {
    expected = 0;
    for (i = 1; i <= 8; ++i) printf("exec %d: %d\n", i, execAction(i, 0));
    for (i = 1; i <= 8; ++i) printf("edit %d: %d\n", i, editAction(i, 0));
    printf("lines %d\n", sentLines);
    return 0;
  }
  if (argc < 4 || !(action = actionNamed(argv[3]))) return 2;
  if (strcmp(argv[2], "largest") == 0) {
    /* Doubling, then halving the step: a resolution of 8 MB. */
    size_t low = 0, step = 64;
    while (step >= 8) {
      result = runWithValue(action, low + step, 0, &intact);
      if (result == 1 && sentLines == 1 && sentWhole) {
        low += step;
        if (low >= 2 * step) step *= 2;
      } else {
        step /= 2;
      }
    }
    printf("largest %lu MB\n", (unsigned long)low);
    return 0;
  }
  if (argc < 5) return 2;
  before = privatePeak();
  result = runWithValue(action, (size_t)atoi(argv[4]), strcmp(argv[2], "edit") == 0, &intact);
  if (result == -1) {
    printf("host could not hold the value\n");
    return 4;
  }
  report(result, (size_t)atoi(argv[4]), before);
  printf("list %s\n", intact ? "intact" : "changed");
  return 0;
}
