// Access keys in the dialogs, pressed as a person presses them: Alt and a
// field label's key moves the focus to its field, Alt and a button's key
// clicks the button, through the real dialog keyboard handling of the
// message loop. First on a dialog made here, then on every editor dialog
// and the gradient builder in English and in German.
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "tests/win32/editor_dialogs_win32_support.h"

namespace {
HWND focusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

HWND focusIn(HWND dialog) { return focusOf(GetWindowThreadProcessId(dialog, nullptr)); }

// Polls for up to two seconds, as the window's thread acts in its own time.
template <typename Condition>
bool eventually(Condition done) {
  for (int tries = 0; tries < 200; ++tries) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

bool focusReaches(HWND dialog, HWND control) {
  return eventually([&] { return focusIn(dialog) == control; });
}

// The key-down and key-up a keyboard sends to the focused control while
// Alt is held; the message loop's translation makes of them the WM_SYSCHAR
// the dialog keyboard handling reads. A key the test display's layout does
// not have (a German umlaut on a US layout) comes as the WM_SYSCHAR that a
// layout with it would give.
void pressAltKey(HWND focus, char16_t key) {
  constexpr LPARAM kAltHeld = 1 | (1 << 29);
  SHORT typed = VkKeyScanW(static_cast<wchar_t>(std::towlower(key)));
  if (typed == -1 || HIBYTE(typed) != 0) {
    PostMessageW(focus, WM_SYSCHAR, key, kAltHeld);
    return;
  }
  UINT virtualKey = LOBYTE(typed);
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(focus, WM_SYSKEYDOWN, virtualKey, kAltHeld | scan);
  PostMessageW(focus, WM_SYSKEYUP, virtualKey, kAltHeld | scan | 0xC0000000);
}

void pressKey(HWND focus, WPARAM key) {
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
}

bool isEdit(HWND control) { return lstrcmpiW(classOf(control).c_str(), L"Edit") == 0; }

// Whether an edit control has its whole text selected, as a dialog leaves a
// field that the keyboard moved to.
bool wholeTextSelected(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start == 0 && static_cast<int>(end) == GetWindowTextLengthW(field);
}

bool listOpen(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

// A label whose text may carry an access key: a STATIC drawn with prefixes.
bool isFieldLabel(HWND control) {
  return lstrcmpiW(classOf(control).c_str(), L"Static") == 0 && !(GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX);
}

// The next shown control in z-order, the one the tab order reaches next.
HWND shownAfter(HWND control) {
  for (HWND next = GetWindow(control, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
    if (IsWindowVisible(next)) return next;
  return nullptr;
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}
}  // namespace

// ---- A dialog made here ----

namespace {
struct Form {
  UiWindow* window = nullptr;
  HWND dialog = nullptr, name = nullptr, colour = nullptr, hint = nullptr, apply = nullptr, ok = nullptr;
  UiControl* applyButton = nullptr;
};

// A name field and a colour list, each with its keyed label, a hint with an
// "&" of its own, and a keyed button beside OK.
Form makeForm() {
  Form form;
  form.window = uiCreateWindow(u"t", 400, 200, nullptr);
  uiAddFieldLabel(form.window, u"&Name:", 10, 14, 80, 18);
  UiControl* name = uiAddTextField(form.window, u"Rect1", 100, 10, 200, 24, false);
  uiAddLabel(form.window, u"B&W only", 100, 36, 200, 14);
  uiAddFieldLabel(form.window, u"&Colour:", 10, 64, 80, 18);
  UiControl* colour = uiAddDropDown(form.window, 100, 60, 200, 24);
  for (const char16_t* entry : {u"red", u"green", u"blue"}) uiDropAppend(colour, entry);
  uiDropSelect(colour, 0);
  form.applyButton = uiAddButton(form.window, u"&Apply", 220, 160, 80, 28);
  uiSetDefaultButton(uiAddButton(form.window, u"OK", 310, 160, 80, 28));
  uiFocus(name);
  std::vector<HWND> byId = childrenById(hwndOf(form.window));
  form.dialog = hwndOf(form.window);
  form.name = byId[1], form.hint = byId[2], form.colour = byId[4], form.apply = byId[5], form.ok = byId[6];
  return form;
}

// Runs `act` on a second thread while the dialog waits for events, then
// closes the wait; returns the first event the dialog reported.
template <typename Act>
UiEvent whileWaiting(const Form& form, Act act) {
  return waitWhile(form.window, [&] {
    act();
    PostMessageW(form.dialog, WM_CLOSE, 0, 0);
  });
}
}  // namespace

TEST(UiWin32AccessKeys, ALabelsKeyMovesToItsFieldFromATextFieldAndFromAnOpenList) {
  REQUIRE_DISPLAY();
  Form form = makeForm();
  bool reachedList = false, listClosed = false, reachedField = false, selected = false;
  UiEvent event = whileWaiting(form, [&] {
    pressAltKey(focusIn(form.dialog), u'c');
    reachedList = focusReaches(form.dialog, form.colour);
    pressKey(form.colour, VK_F4);
    eventually([&] { return listOpen(form.colour); });
    pressAltKey(focusIn(form.dialog), u'N');  // the key's letter case does not matter
    reachedField = focusReaches(form.dialog, form.name);
    listClosed = !listOpen(form.colour);
    selected = wholeTextSelected(form.name);
  });
  EXPECT_EQ(event.kind, UiEventKind::CloseBox) << "the keys changed no entry and clicked nothing";
  EXPECT_TRUE(reachedList) << "Alt+C in the text field";
  EXPECT_TRUE(reachedField) << "Alt+N in the open list";
  EXPECT_TRUE(listClosed);
  EXPECT_TRUE(selected) << "the field's whole text, for typing over it";
  uiDestroyWindow(form.window);
}

TEST(UiWin32AccessKeys, AButtonsKeyClicksItAndAHintsAmpersandIsNoKey) {
  REQUIRE_DISPLAY();
  Form form = makeForm();
  EXPECT_EQ(textOf(form.hint), L"B&W only") << "a hint shows its \"&\" as it is";
  UiEvent clicked = waitWhile(form.window, [&] { pressAltKey(focusIn(form.dialog), u'a'); });
  EXPECT_EQ(clicked.kind, UiEventKind::Control);
  EXPECT_EQ(clicked.control, form.applyButton);
  // From the name field, the hint's "W" would move on to the colour list.
  HWND afterW = nullptr;
  whileWaiting(form, [&] {
    pressAltKey(focusIn(form.dialog), u'n');
    focusReaches(form.dialog, form.name);
    pressAltKey(form.name, u'w');
    Sleep(200);
    afterW = focusIn(form.dialog);
  });
  EXPECT_EQ(afterW, form.name) << "Alt+W, the hint's \"&W\", moved the focus";
  uiDestroyWindow(form.window);
}

// The message the dialog keyboard handling sends to move the focus, in its
// three forms: to a named control, to the next tab item and the previous.
TEST(UiWin32AccessKeys, NextDialogControlMovesTheFocusAsADialogDoes) {
  REQUIRE_DISPLAY();
  Form form = makeForm();
  HWND named = nullptr, next = nullptr, previous = nullptr;
  bool selected = false;
  whileWaiting(form, [&] {
    SendMessageW(form.dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(form.apply), TRUE);
    named = focusIn(form.dialog);
    SendMessageW(form.dialog, WM_NEXTDLGCTL, FALSE, FALSE);
    next = focusIn(form.dialog);
    for (int back = 0; back < 3; ++back) SendMessageW(form.dialog, WM_NEXTDLGCTL, TRUE, FALSE);
    previous = focusIn(form.dialog);
    selected = wholeTextSelected(form.name);
  });
  EXPECT_EQ(named, form.apply);
  EXPECT_EQ(next, form.ok);
  EXPECT_EQ(previous, form.name) << "back from OK past Apply and the colour list";
  EXPECT_TRUE(selected) << "the field's whole text, for typing over it";
  uiDestroyWindow(form.window);
}

// ---- Every editor dialog, in English and in German ----

namespace {
struct KeyPresses {
  int dialogs = 0;
  int labels = 0;          // field labels whose key was pressed
  int builderOpened = 0;   // by the key of "Gradient..."
  std::vector<std::string> pastReadOnly;  // labels of read-only fields, whose key goes on past them
  std::vector<std::string> problems;
};

// Takes the focus off `field` with Tab, so that its label's key has
// somewhere to move it from.
void leave(HWND dialog, HWND field) {
  if (focusIn(dialog) != field) return;
  pressKey(field, VK_TAB);
  eventually([&] { return focusIn(dialog) != field; });
}

// Where a label's key takes the focus: to the field right after it, or
// where that field is read-only (disabled, so no tab stop) on to the next
// tab stop, as in any dialog.
HWND keyTarget(HWND dialog, HWND field) {
  return IsWindowEnabled(field) ? field : GetNextDlgTabItem(dialog, field, FALSE);
}

// Presses the key of each shown field label in `dialog` and checks that
// the focus lands on its field, an edit field with its whole text selected.
void pressEveryLabelsKey(HWND dialog, KeyPresses& found) {
  std::wstring title = textOf(dialog);
  for (HWND label : childrenById(dialog)) {
    char16_t key = accessKeyOf(markedTextOf(label));
    if (!isFieldLabel(label) || !IsWindowVisible(label) || !key) continue;
    HWND field = shownAfter(label), target = keyTarget(dialog, field);
    std::wstring what = title + L": " + textOf(label) + L" (Alt+" + static_cast<wchar_t>(key) + L")";
    ++found.labels;
    if (target != field) found.pastReadOnly.push_back(narrow(what + L" -> " + textOf(target)));
    leave(dialog, target);
    pressAltKey(focusIn(dialog), key);
    if (!focusReaches(dialog, target)) {
      HWND at = focusIn(dialog);
      found.problems.push_back(narrow(what + L" left the focus on " + (at ? textOf(at) : L"nothing")));
    } else if (isEdit(target) && !wholeTextSelected(target)) {
      found.problems.push_back(narrow(what + L" did not select the field's text"));
    }
  }
}

// The key of "Gradient..." opens the gradient builder, which is then
// closed by its close box.
void pressGradientsKey(HWND dialog, KeyPresses& found) {
  HWND button = buttonCalled(dialog, u"Gradient...");
  if (!button) return;
  DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
  pressAltKey(focusIn(dialog), accessKeyOf(markedTextOf(button)));
  HWND builder = otherDialog(waitForDialogs(thread, 2), dialog);
  if (!builder) {
    found.problems.push_back(narrow(textOf(dialog) + L": the key of " + textOf(button) + L" opened nothing"));
    return;
  }
  ++found.builderOpened;
  PostMessageW(builder, WM_CLOSE, 0, 0);
  eventually([&] { return dialogsOf(thread).size() == 1; });
}

void pressEveryKey(HWND dialog, KeyPresses& found) {
  ++found.dialogs;
  pressEveryLabelsKey(dialog, found);
  pressGradientsKey(dialog, found);
}

const TextTable* tableNamed(const std::u16string& name) {
  for (int i = 0; i < textTableCount(); ++i) {
    std::u16string names = textTableAt(i).names;
    if (names.substr(0, names.find(u'|')) == name) return &textTableAt(i);
  }
  return nullptr;
}

// Plays a language in the dialogs for as long as it lives.
struct PlayedLanguage {
  explicit PlayedLanguage(const TextTable* table) { playDialogLanguage(table); }
  ~PlayedLanguage() { playDialogLanguage(nullptr); }
  PlayedLanguage(const PlayedLanguage&) = delete;
  PlayedLanguage& operator=(const PlayedLanguage&) = delete;
};

KeyPresses pressEveryEditorsKeys(const TextTable* language) {
  PlayedLanguage played(language);
  KeyPresses found;
  inspectEveryEditor([&](HWND dialog) { pressEveryKey(dialog, found); });
  return found;
}
}  // namespace

TEST(UiWin32AccessKeys, EveryLabelsKeyReachesItsFieldAndGradientsKeyOpensTheBuilderInEnglishAndGerman) {
  REQUIRE_DISPLAY();
  const TextTable* german = tableNamed(u"de");
  ASSERT_NE(german, nullptr);
  KeyPresses english = pressEveryEditorsKeys(nullptr), inGerman = pressEveryEditorsKeys(german);
  for (const KeyPresses* found : {&english, &inGerman}) {
    const char* language = found == &english ? "English" : "German";
    std::printf("%s: %d field labels' keys pressed in %d dialogs\n", language, found->labels, found->dialogs);
    EXPECT_EQ(found->dialogs, 11) << language;
    EXPECT_EQ(found->builderOpened, 1) << language;
    for (const std::string& passed : found->pastReadOnly) std::printf("  past a read-only field: %s\n", passed.c_str());
    for (const std::string& problem : found->problems) ADD_FAILURE() << language << ": " << problem;
  }
  EXPECT_GT(english.labels, 0);
  EXPECT_EQ(inGerman.labels, english.labels) << "the same labels carry keys in both languages";
}
