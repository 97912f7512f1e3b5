/* Test host, written apart from kesto-sim, that does to the real DLL what a
   live Kesto can do while an editor's dialog is up: its windows stay
   enabled, so it goes on handling its own messages inside the editor's
   event loop. Each scenario runs one edit from a main window, and a timer
   on that window (its messages are dispatched by the editor's loop, as
   Kesto's are) plays Kesto and the author step by step.

   live_host DLL nested           a second edit, started from the first
                                  editor's loop, fails for want of address
                                  space (in a 64-bit process, which cannot
                                  be filled so, the author closes it); the
                                  first goes on and confirms
   live_host DLL owner-destroyed  Kesto destroys the window owning the editor
   live_host DLL builder-destroyed  ... while the gradient builder is up
   live_host DLL builder          the builder is modal to the dialog under it
   live_host DLL host-control     Kesto makes a button during the edit
   live_host DLL placement X Y    every editor opened from a main window at
                                  X,Y: where each dialog stands

   Prints one line per finding; a watchdog ends a hung run with "hung". */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int(__stdcall* InterfaceAccess)(int, char**);
typedef int(__stdcall* InitPlugIn)(HWND, char**, char**, char**);
typedef int(__stdcall* RegisterAccess)(InterfaceAccess);
typedef int(__stdcall* RunAction)(int, char**);

static RunAction editAction;
static HWND mainWindow;
static int step;
static void (*onTick)(void);
static const wchar_t kDialogClass[] = L"ZuvoCompanionDialog";

/* The pick request: the stored rectangle stays chosen. */
static int __stdcall keepRectangle(int request, char** slot) {
  (void)request;
  (void)slot;
  return 1;
}

static char* copyOf(const char* text) {
  char* block = (char*)GlobalAlloc(GMEM_FIXED, strlen(text) + 1);
  if (block) strcpy(block, text);
  return block;
}

static void fillList(char** list, const char* const* texts, int count) {
  int i;
  for (i = 0; i < 4; ++i) list[i] = i < count && texts[i] ? copyOf(texts[i]) : 0;
}

static void freeList(char** list) {
  int i;
  for (i = 0; i < 4; ++i)
    if (list[i]) GlobalFree(list[i]);
}

/* ---- Finding the plug-in's windows ---- */

struct Search {
  const wchar_t* titleStart;
  HWND found;
};

static BOOL CALLBACK matchDialog(HWND hwnd, LPARAM data) {
  struct Search* search = (struct Search*)data;
  wchar_t name[64], title[256];
  GetClassNameW(hwnd, name, 64);
  GetWindowTextW(hwnd, title, 256);
  if (wcscmp(name, kDialogClass) == 0 && IsWindowVisible(hwnd) &&
      wcsncmp(title, search->titleStart, wcslen(search->titleStart)) == 0)
    search->found = hwnd;
  return TRUE;
}

/* The plug-in's visible dialog whose title starts so, or null. */
static HWND dialogTitled(const wchar_t* titleStart) {
  struct Search search = {titleStart, 0};
  EnumThreadWindows(GetCurrentThreadId(), matchDialog, (LPARAM)&search);
  return search.found;
}

static int countDialogs(void) {
  int count = 0;
  HWND hwnd = 0;
  while ((hwnd = FindWindowExW(0, hwnd, kDialogClass, 0)) != 0) ++count;
  return count;
}

/* The caption without its access-key marks ("&Gradient..." is
   "Gradient..."). */
static void withoutMarks(const wchar_t* caption, wchar_t* out, size_t room) {
  size_t n = 0;
  for (; *caption && n + 1 < room; ++caption) {
    if (*caption == L'&' && caption[1]) ++caption;
    out[n++] = *caption;
  }
  out[n] = 0;
}

static HWND buttonCalled(HWND dialog, const wchar_t* caption) {
  HWND child = 0;
  wchar_t text[256], shown[256];
  while ((child = FindWindowExW(dialog, child, L"Button", 0)) != 0) {
    GetWindowTextW(child, text, 256);
    withoutMarks(text, shown, 256);
    if (wcscmp(shown, caption) == 0) return child;
  }
  return 0;
}

/* The first enabled text field of the dialog: the rectangle field is
   read-only (disabled), so in the ZUVO_GoSub dialog this is the name. */
static HWND firstEnabledEdit(HWND dialog) {
  HWND child = 0;
  while ((child = FindWindowExW(dialog, child, L"Edit", 0)) != 0)
    if (IsWindowEnabled(child)) return child;
  return 0;
}

static void click(HWND dialog, const wchar_t* caption) {
  HWND button = buttonCalled(dialog, caption);
  if (button) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
}

static void finishRun(void) { KillTimer(mainWindow, 1); }

/* ---- nested: a failing edit inside an editor's loop ---- */

static char* hugeValue;
static int innerShown;
static void* reserved[4096];
static int reservedCount;

/* Reserves every free stretch of a 32-bit address space down to 16 MB
   pieces, as a long session's fragments leave it: no large block can be
   had. A 64-bit one is too large to fill so (Wine keeps a byte per page of
   a reservation): there the second edit opens its dialog, and the author
   closes it. */
static int addressSpaceFillable(void) { return sizeof(void*) == 4; }

static void fillAddressSpace(void) {
  SIZE_T size = (SIZE_T)1 << 30;
  for (; addressSpaceFillable() && size >= ((SIZE_T)16 << 20); size >>= 1) {
    void* block;
    while (reservedCount < 4096 && (block = VirtualAlloc(0, size, MEM_RESERVE, PAGE_NOACCESS)) != 0)
      reserved[reservedCount++] = block;
  }
}

static void releaseAddressSpace(void) {
  while (reservedCount > 0) VirtualFree(reserved[--reservedCount], 0, MEM_RELEASE);
}

static void nestedTick(void) {
  HWND outer = dialogTitled(L"ZUVO_GoSub");
  HWND inner = dialogTitled(L"ZUVO_Set");
  if (step == 0 && outer) {
    char* list[4] = {hugeValue, copyOf("button:btn_ok"), copyOf("caption"), copyOf("Save")};
    int result;
    step = 1;
    fillAddressSpace();
    result = editAction(1, list);
    releaseAddressSpace();
    printf("inner edit %d (%s), list %s\n", result, innerShown ? "closed by the author" : "failed",
           list[0] == hugeValue ? "intact" : "changed");
    printf("outer dialog %s\n", IsWindow(outer) && IsWindowVisible(outer) && outer == dialogTitled(L"ZUVO_GoSub")
                                    ? "still open" : "gone");
    SendMessageW(firstEnabledEdit(outer), WM_SETTEXT, 0, (LPARAM)L"AfterTheFailure");
    step = 2;
  } else if (step == 1 && inner) {
    innerShown = 1;
    PostMessageW(inner, WM_CLOSE, 0, 0);
  } else if (step == 2 && outer) {
    step = 3;
    click(outer, L"OK");
    finishRun();
  }
}

static int runNested(void) {
  const char* stored[] = {"Before"};
  char* list[4];
  int result;
  size_t size = addressSpaceFillable() ? 64u << 20 : 1u << 20, i;
  hugeValue = (char*)GlobalAlloc(GMEM_FIXED, size + 1);
  if (!hugeValue) return 4;
  for (i = 0; i < size; ++i) hugeValue[i] = (char)('a' + i % 26);
  hugeValue[size] = 0;
  fillList(list, stored, 1);
  onTick = nestedTick;
  result = editAction(6, list);
  printf("outer edit %d, subroutine %s\n", result, list[0] ? list[0] : "<null>");
  freeList(list);
  return 0;
}

/* ---- owner-destroyed and builder-destroyed ---- */

static DWORD destroyedAt;

static void destroyOwner(HWND dialog) {
  printf("dialog owned by the main window: %s\n", GetWindow(dialog, GW_OWNER) == mainWindow ? "yes" : "no");
  destroyedAt = GetTickCount();
  finishRun();
  DestroyWindow(mainWindow);
}

static void ownerDestroyedTick(void) {
  HWND dialog = dialogTitled(L"ZUVO_Set");
  if (dialog && step++ == 0) destroyOwner(dialog);
}

/* The first steps of the builder's scenarios: "Gradient..." on the
   ZUVO_Set dialog, then true once, when the builder is up. */
static int builderUp(HWND* dialog, HWND* builder) {
  *dialog = dialogTitled(L"ZUVO_Set");
  *builder = dialogTitled(L"Build Gradient");
  if (step == 0 && *dialog) {
    step = 1;
    click(*dialog, L"Gradient...");
  } else if (step == 1 && *builder) {
    step = 2;
    return 1;
  }
  return 0;
}

static void builderDestroyedTick(void) {
  HWND dialog, builder;
  if (!builderUp(&dialog, &builder)) return;
  printf("builder open\n");
  destroyOwner(dialog);
}

static const char* const kBackgroundAction[] = {"R1", "button:btn_ok", "style.background", "red"};

static int runDestroyed(void (*tick)(void)) {
  char* list[4];
  char* kept[4];
  int result;
  fillList(list, kBackgroundAction, 4);
  memcpy(kept, list, sizeof list);
  onTick = tick;
  result = editAction(1, list);
  printf("edit returned %d after the owner went\n", result);
  printf("ms %lu from the owner's end to the return\n", (unsigned long)(GetTickCount() - destroyedAt));
  printf("list %s, dialogs left %d\n", memcmp(kept, list, sizeof list) == 0 ? "intact" : "changed", countDialogs());
  freeList(list);
  return 0;
}

/* ---- builder: modal to the dialog under it ---- */

static void builderTick(void) {
  HWND dialog, builder;
  if (builderUp(&dialog, &builder)) {
    printf("while the builder is up the dialog under it is %s\n", IsWindowEnabled(dialog) ? "enabled" : "disabled");
    printf("the builder is %s\n", GetActiveWindow() == builder ? "active" : "not active");
    click(builder, L"OK");
  } else if (step == 2 && dialog && !builder) {
    step = 3;
    printf("after the builder the dialog is %s and %s\n", IsWindowEnabled(dialog) ? "enabled" : "disabled",
           GetActiveWindow() == dialog ? "active" : "not active");
    printf("main window %s\n", IsWindowEnabled(mainWindow) ? "enabled" : "disabled");
    click(dialog, L"OK");
    finishRun();
  }
}

static int runBuilder(void) {
  char* list[4];
  int result;
  fillList(list, kBackgroundAction, 4);
  onTick = builderTick;
  result = editAction(1, list);
  printf("edit %d, value %s\n", result, list[3] ? list[3] : "<null>");
  freeList(list);
  return 0;
}

/* ---- host-control: Kesto's own controls keep their version ---- */

/* Version 6 of the common controls answers BCM_GETIDEALSIZE; the system's
   own buttons of version 5, which a program without a manifest gets, do not. */
static int buttonVersion(void) {
  SIZE ideal = {0, 0};
  HWND button = CreateWindowW(L"BUTTON", L"Kesto", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 4, 4, 80, 24, mainWindow,
                              0, GetModuleHandleW(0), 0);
  int version = SendMessageW(button, BCM_GETIDEALSIZE, 0, (LPARAM)&ideal) ? 6 : 5;
  DestroyWindow(button);
  return version;
}

static void hostControlTick(void) {
  HWND dialog = dialogTitled(L"ZUVO_ClearRows");
  if (dialog && step++ == 0) {
    printf("a button Kesto makes during the edit: version %d\n", buttonVersion());
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    finishRun();
  }
}

static int runHostControl(void) {
  const char* stored[] = {"R1", "tbl"};
  char* list[4];
  printf("a button Kesto makes before the edit: version %d\n", buttonVersion());
  fillList(list, stored, 2);
  onTick = hostControlTick;
  editAction(8, list);
  printf("a button Kesto makes after the edit: version %d\n", buttonVersion());
  freeList(list);
  return 0;
}

/* ---- placement ---- */

static const char* const kStored[8][4] = {
    {"R1", "button:btn_ok", "caption", "Save"}, {"R1", "label:lbl_a", "text", "[X]"},
    {"R1", "btn_ok", "Show", 0},                {"R1", "GoToPage", "Home", 0},
    {"R1", "lst_a", "AddItem", "x"},            {"Sub1", 0, 0, 0},
    {"R1", "tbl", "a,b", 0},                    {"R1", "tbl", 0, 0},
};

static void placementTick(void) {
  HWND dialog = 0;
  HWND hwnd = 0;
  while ((hwnd = FindWindowExW(0, hwnd, kDialogClass, 0)) != 0)
    if (IsWindowVisible(hwnd)) dialog = hwnd;
  if (dialog) {
    MONITORINFO owner, own;
    RECT frame;
    wchar_t title[64];
    char name[64];
    int inside, centredX, centredY;
    owner.cbSize = own.cbSize = sizeof owner;
    GetMonitorInfoW(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &owner);
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &own);
    GetWindowRect(dialog, &frame);
    GetWindowTextW(dialog, title, 64);
    WideCharToMultiByte(CP_UTF8, 0, title, -1, name, sizeof name, 0, 0);
    *strchr(name, ' ') = 0;
    inside = frame.left >= owner.rcWork.left && frame.top >= owner.rcWork.top && frame.right <= owner.rcWork.right &&
             frame.bottom <= owner.rcWork.bottom;
    centredX = abs(frame.left + frame.right - owner.rcMonitor.left - owner.rcMonitor.right) <= 2;
    centredY = abs(frame.top + frame.bottom - owner.rcMonitor.top - owner.rcMonitor.bottom) <= 2;
    printf("%s: on the owner's monitor %s, %s its work area, caption %s, %s\n", name,
           memcmp(&owner.rcMonitor, &own.rcMonitor, sizeof(RECT)) == 0 ? "yes" : "no",
           inside ? "inside" : "not inside",
           frame.top >= owner.rcWork.top && frame.left >= owner.rcWork.left ? "reachable" : "off the screen",
           centredX && centredY ? "centred" : centredX ? "centred across" : "not centred");
    fflush(stdout);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  }
}

static int runPlacement(void) {
  int action;
  onTick = placementTick;
  for (action = 1; action <= 8; ++action) {
    char* list[4];
    fillList(list, kStored[action - 1], 4);
    editAction(action, list);
    freeList(list);
  }
  finishRun();
  return 0;
}

/* ---- Kesto's main window ---- */

static LRESULT CALLBACK mainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && onTick) {
    onTick();
    fflush(stdout);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

static DWORD WINAPI watchdog(LPVOID unused) {
  (void)unused;
  Sleep(60000);
  printf("hung\n");
  fflush(stdout);
  ExitProcess(3);
  return 0;
}

static void makeMainWindow(int x, int y) {
  WNDCLASSW windowClass;
  memset(&windowClass, 0, sizeof windowClass);
  windowClass.lpfnWndProc = mainProcedure;
  windowClass.hInstance = GetModuleHandleW(0);
  windowClass.lpszClassName = L"LiveKestoMain";
  RegisterClassW(&windowClass);
  mainWindow = CreateWindowW(L"LiveKestoMain", L"Kesto", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 300, 200, 0, 0,
                             GetModuleHandleW(0), 0);
  SetForegroundWindow(mainWindow);
  SetActiveWindow(mainWindow);
  SetTimer(mainWindow, 1, 100, 0);
}

int main(int argc, char** argv) {
  HMODULE dll;
  const char* scenario;
  char* slots[3] = {0, 0, 0};
  if (argc < 3) return 2;
  scenario = argv[2];
  dll = LoadLibraryA(argv[1]);
  if (!dll) return 3;
  editAction = (RunAction)(void*)GetProcAddress(dll, "_ksEditAction");
  if (!editAction) return 3;
  makeMainWindow(argc >= 5 ? atoi(argv[3]) : 40, argc >= 5 ? atoi(argv[4]) : 40);
  ((InitPlugIn)(void*)GetProcAddress(dll, "_ksInitPlugIn"))(mainWindow, &slots[0], &slots[1], &slots[2]);
  ((RegisterAccess)(void*)GetProcAddress(dll, "_ksRegisterInterfaceAccess"))(keepRectangle);
  CreateThread(0, 0, watchdog, 0, 0, 0);
  setvbuf(stdout, 0, _IONBF, 0);
  if (strcmp(scenario, "nested") == 0) return runNested();
  if (strcmp(scenario, "owner-destroyed") == 0) return runDestroyed(ownerDestroyedTick);
  if (strcmp(scenario, "builder-destroyed") == 0) return runDestroyed(builderDestroyedTick);
  if (strcmp(scenario, "builder") == 0) return runBuilder();
  if (strcmp(scenario, "host-control") == 0) return runHostControl();
  if (strcmp(scenario, "placement") == 0) return runPlacement();
  return 2;
}
