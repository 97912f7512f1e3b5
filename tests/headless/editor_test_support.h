#pragma once
// Playing Kesto and the author around an editor: a parameter list of real
// host strings, a pick request answered as a test chooses, a script of
// author steps run one per wait of the dialog, and look-ups of controls by
// the label beside them or their caption.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/host_memory.h"
#include "tests/unit/host_block_counter.h"
#include "ui/caption_marks.h"
#include "ui/headless/ui_headless.h"

namespace editor_test {

// How the fake Kesto answers the next pick request.
enum class PickReply {
  Unchanged,      // leaves our string in the slot, returns 1
  NewName,        // stores its own new string, returns 1
  ZeroWithReply,  // stores its own new string, returns 0
  EmptyReply,     // stores its own empty string, returns 1
  Zero,           // leaves the slot, returns 0
};

struct PickState {
  std::deque<PickReply> replies;  // one per request; Unchanged when none left
  std::string name;               // the name a NewName reply carries
  std::vector<std::string> offered;
  int requests = 0;
};
inline PickState pick;

inline int32_t KS_STDCALL fakeInterfaceAccess(int32_t request, HostString* slot) {
  if (request != kPickRectangleRequest) return 0;
  ++pick.requests;
  pick.offered.push_back(*slot ? *slot : "<null>");
  PickReply reply = PickReply::Unchanged;
  if (!pick.replies.empty()) {
    reply = pick.replies.front();
    pick.replies.pop_front();
  }
  switch (reply) {
    case PickReply::Unchanged: return 1;
    case PickReply::NewName: *slot = toHostString(std::u16string(pick.name.begin(), pick.name.end())); return 1;
    case PickReply::ZeroWithReply: *slot = toHostString(u"Ignored"); return 0;
    case PickReply::EmptyReply: *slot = toHostString(u""); return 1;
    case PickReply::Zero: return 0;
  }
  return 0;
}

// Kesto's parameter list, owned like Kesto owns it: host strings that the
// editor may release and replace.
struct Params {
  std::vector<HostString> entries;
  explicit Params(std::initializer_list<const char*> texts) {
    for (const char* text : texts) entries.push_back(text ? toHostString(std::u16string(text, text + std::strlen(text))) : nullptr);
  }
  ~Params() {
    for (HostString entry : entries) freeHostString(entry);
  }
  ParameterList list() { return entries.data(); }
  std::string at(size_t index) const { return entries[index] ? entries[index] : "<null>"; }
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (size_t i = 0; i < entries.size(); ++i) all.push_back(at(i));
    return all;
  }
};

// The list exactly as it stands: each entry's pointer and its bytes, so a
// comparison catches an entry replaced even by an equal text.
struct ParamsSnapshot {
  std::vector<HostString> pointers;
  std::vector<std::string> texts;
  bool operator==(const ParamsSnapshot&) const = default;
};
inline ParamsSnapshot snapshotOf(const Params& params) { return {params.entries, params.texts()}; }


// The author: one step per time the dialog waits with nothing queued. A step
// looks at the dialog and acts on it; when the steps run out the close box is
// used, so a test whose steps end early cannot hang.
using Step = std::function<void(UiWindow*)>;
struct Author {
  std::deque<Step> steps;
  int stepsTaken = 0;
};
inline Author author;

struct Message {
  std::u16string title;
  std::u16string text;
  bool ownedByDialog = false;
};
inline std::vector<Message> messages;

inline void startAuthor(std::vector<Step> steps) {
  author.steps.assign(steps.begin(), steps.end());
  author.stepsTaken = 0;
  headlessSetDriver([](UiWindow* window) {
    if (author.steps.empty()) return;
    Step step = author.steps.front();
    author.steps.pop_front();
    ++author.stepsTaken;
    step(window);
  });
  HeadlessDialogs dialogs;
  dialogs.warning = [](UiWindow* owner, const std::u16string& title, const std::u16string& text) {
    std::vector<UiWindow*> open = headlessWindows();
    messages.push_back({title, text, !open.empty() && owner == open.back()});
  };
  headlessSetDialogs(dialogs);
}

// ---- Finding controls ----

inline const HeadlessControl& state(UiControl* control) { return headlessControl(control); }
// A control's text as the author sees it: a field label's or a button's
// without its access-key mark.
inline std::u16string shownText(const HeadlessControl& c) { return c.accessKeyed ? withoutAccessKey(c.text) : c.text; }

inline UiControl* controlWhere(UiWindow* window, const std::function<bool(const HeadlessControl&)>& match) {
  for (UiControl* control : headlessWindow(window).controls)
    if (match(headlessControl(control))) return control;
  return nullptr;
}

inline UiControl* labelled(UiWindow* window, const std::u16string& labelText) {
  UiControl* label = controlWhere(window, [&](const HeadlessControl& c) {
    return c.kind == HeadlessKind::Label && c.x == 10 && shownText(c) == labelText;
  });
  if (!label) return nullptr;
  int fieldY = state(label).y - 4;
  return controlWhere(window, [&](const HeadlessControl& c) {
    return (c.kind == HeadlessKind::TextField || c.kind == HeadlessKind::DropDown) && c.x == 102 && c.y == fieldY;
  });
}

inline UiControl* labelFor(UiWindow* window, UiControl* field) {
  const HeadlessControl& f = state(field);
  return controlWhere(window, [&](const HeadlessControl& c) {
    return c.kind == HeadlessKind::Label && c.x == 10 && c.y == f.y + 4;
  });
}

inline UiControl* hintUnder(UiWindow* window, UiControl* field) {
  const HeadlessControl& f = state(field);
  return controlWhere(window, [&](const HeadlessControl& c) {
    return c.kind == HeadlessKind::Label && c.x == 102 && c.y == f.y + 26;
  });
}

inline UiControl* button(UiWindow* window, const std::u16string& caption) {
  return controlWhere(window, [&](const HeadlessControl& c) {
    return c.kind == HeadlessKind::Button && shownText(c) == caption;
  });
}

inline UiControl* textLine(UiWindow* window, const std::u16string& text) {
  return controlWhere(window, [&](const HeadlessControl& c) {
    return c.kind == HeadlessKind::Label && c.text == text;
  });
}

inline std::u16string textOf(UiControl* control) { return shownText(state(control)); }
inline std::u16string selectedText(UiControl* dropDown) { return uiDropSelectedText(dropDown); }
inline std::u16string preview(UiWindow* window) { return textOf(labelled(window, u"Preview:")); }
inline bool hasFocus(UiWindow* window, UiControl* control) { return headlessWindow(window).focus == control; }

inline int positionOf(UiControl* dropDown, const std::u16string& entry) {
  for (int i = 0; i < uiDropCount(dropDown); ++i)
    if (uiDropEntry(dropDown, i) == entry) return i;
  return -1;
}

// ---- Common author steps ----

inline Step type(const std::u16string& label, const std::u16string& text) {
  return [=](UiWindow* w) { headlessType(labelled(w, label), text); };
}
inline Step choose(const std::u16string& label, const std::u16string& entry) {
  return [=](UiWindow* w) {
    UiControl* list = labelled(w, label);
    headlessChoose(list, positionOf(list, entry));
  };
}
inline Step click(const std::u16string& caption) {
  return [=](UiWindow* w) { headlessClick(button(w, caption)); };
}
inline Step closeBox() {
  return [](UiWindow* w) { headlessCloseBox(w); };
}
// Looks at the dialog, then acts with `then`.
inline Step look(std::function<void(UiWindow*)> check, Step then) {
  return [=](UiWindow* w) {
    check(w);
    then(w);
  };
}

// Resets the fake Kesto and the author around each test.
struct EditorTest : ::testing::Test {
  void SetUp() override {
    headlessReset();
    pick = PickState{};
    pick.name = "Rect2";
    messages.clear();
    hostState.interfaceAccess = fakeInterfaceAccess;
    hostState.hostWindow = reinterpret_cast<HostWindowHandle>(0x1234);
    startAuthor({});
  }
  void TearDown() override {
    headlessReset();
    hostState.interfaceAccess = nullptr;
    hostState.hostWindow = nullptr;
  }
};

}  // namespace editor_test
