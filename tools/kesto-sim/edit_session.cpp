// The author of kesto-sim edit: step files, answers, and the dump.
#include "tools/kesto-sim/edit_session.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <mutex>

#include "tools/kesto-sim/edit_platform.h"
#include "tools/kesto-sim/text.h"

namespace {
struct StepWord {
  const char16_t* word;
  StepKind kind;
  int arguments;  // how many texts follow the word
};

constexpr StepWord kStepWords[] = {
    {u"type", StepKind::Type, 2},         {u"choose", StepKind::Choose, 2},
    {u"click", StepKind::Click, 1},       {u"close", StepKind::Close, 0},
    {u"pick", StepKind::Pick, 1},         {u"pick-same", StepKind::PickSame, 0},
    {u"pick-cancel", StepKind::PickCancel, 0}, {u"color-ok", StepKind::ColorOk, 0},
    {u"color-cancel", StepKind::ColorCancel, 0}, {u"color", StepKind::Color, 1},
    {u"file", StepKind::File, 1},         {u"file-cancel", StepKind::FileCancel, 0},
    {u"dump", StepKind::Dump, 0},         {u"shot", StepKind::Shot, 1},
    {u"echo", StepKind::Echo, 1},         {u"random", StepKind::Random, 2},
    {u"key", StepKind::Key, 1},
};

std::mutex answerLock;
std::deque<Answer> pickAnswers, colorAnswers, fileAnswers;
std::vector<Step> steps;
size_t nextStep = 0;
bool failed = false;

// The random author: a seeded generator of its own (the same sequence in
// both builds) and the steps it still has to take.
struct RandomAuthor {
  uint64_t state = 0;
  int remaining = 0;
  int taken = -1;
};
RandomAuthor randomAuthor;

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Splits a step line into words; a word in double quotes may hold blanks,
// and a doubled quote inside it stands for one quote.
bool splitWords(const std::u16string& line, std::vector<std::u16string>& words) {
  size_t at = 0;
  while (true) {
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at == line.size()) return true;
    std::u16string word;
    if (line[at] == u'"') {
      for (++at;; ++at) {
        if (at == line.size()) return false;
        if (line[at] != u'"') {
          word.push_back(line[at]);
        } else if (at + 1 < line.size() && line[at + 1] == u'"') {
          word.push_back(u'"');
          ++at;
        } else {
          ++at;
          break;
        }
      }
      if (at < line.size() && !isBlank(line[at])) return false;
    } else {
      while (at < line.size() && !isBlank(line[at])) word.push_back(line[at++]);
    }
    words.push_back(word);
  }
}

// "Pick...#2" names the second "Pick..."; a name without the suffix the first.
void splitOccurrence(const std::u16string& name, Step& step) {
  step.target = name;
  size_t hash = name.rfind(u'#');
  if (hash == std::u16string::npos || hash == 0 || hash + 1 == name.size() || name.size() - hash > 4) return;
  int number = 0;
  for (size_t i = hash + 1; i < name.size(); ++i) {
    if (name[i] < u'0' || name[i] > u'9') return;
    number = number * 10 + (name[i] - u'0');
  }
  if (number < 1) return;
  step.target = name.substr(0, hash);
  step.occurrence = number;
}

bool parseColor(const std::u16string& text, Answer& answer) {
  if (text.size() != 7 || text[0] != u'#') return false;
  int value[6];
  for (int i = 0; i < 6; ++i) {
    char16_t c = text[i + 1];
    value[i] = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10
             : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
    if (value[i] < 0) return false;
  }
  answer.kind = AnswerKind::Color;
  answer.red = static_cast<uint8_t>(value[0] * 16 + value[1]);
  answer.green = static_cast<uint8_t>(value[2] * 16 + value[3]);
  answer.blue = static_cast<uint8_t>(value[4] * 16 + value[5]);
  return true;
}

bool isNumber(const std::u16string& text) {
  if (text.empty() || text.size() > 9) return false;
  for (char16_t c : text)
    if (c < u'0' || c > u'9') return false;
  return true;
}

int numberOf(const std::u16string& text) {
  int value = 0;
  for (char16_t c : text) value = value * 10 + (c - u'0');
  return value;
}

bool parseStepLine(const std::u16string& line, int number, std::vector<Step>& parsed, std::string& error) {
  size_t first = line.find_first_not_of(u" \t");
  if (first == std::u16string::npos || line[first] == u'#') return true;  // blank or a comment
  std::vector<std::u16string> words;
  if (!splitWords(line, words)) {
    error = "line " + std::to_string(number) + ": unbalanced quote";
    return false;
  }
  for (const StepWord& known : kStepWords) {
    if (words[0] != known.word) continue;
    if (static_cast<int>(words.size()) != known.arguments + 1) {
      error = "line " + std::to_string(number) + ": " + utf16ToUtf8(words[0]) + " takes " +
              std::to_string(known.arguments) + " argument(s)";
      return false;
    }
    Step step;
    step.kind = known.kind;
    step.line = number;
    bool named = known.kind == StepKind::Type || known.kind == StepKind::Choose || known.kind == StepKind::Click;
    if (named) splitOccurrence(words[1], step);
    else if (known.arguments == 1) step.text = words[1];
    if (known.kind == StepKind::Type || known.kind == StepKind::Choose) step.text = words[2];
    if (known.kind == StepKind::Random) {
      step.target = words[1];
      step.text = words[2];
      if (!isNumber(step.target) || !isNumber(step.text)) {
        error = "line " + std::to_string(number) + ": random takes a seed and a step count";
        return false;
      }
    }
    Answer color;
    if (known.kind == StepKind::Color && !parseColor(step.text, color)) {
      error = "line " + std::to_string(number) + ": a colour is written #rrggbb";
      return false;
    }
    parsed.push_back(step);
    return true;
  }
  error = "line " + std::to_string(number) + ": unknown step " + utf16ToUtf8(words[0]);
  return false;
}

void stepFailed(const Step& step, const std::string& message) {
  printLine("error\tline " + std::to_string(step.line) + "\t" + message);
  failed = true;
}

// The label or caption as the step named it, "#N" included.
std::string stepTarget(const Step& step) {
  std::string name = visibleText(step.target);
  return step.occurrence > 1 ? name + "#" + std::to_string(step.occurrence) : name;
}

std::string yesNo(bool value) { return value ? "yes" : "no"; }

void printWindow(const SeenWindow& window, size_t number) {
  std::string styles;
  for (const std::string& style : window.styles) styles += (styles.empty() ? "" : " ") + style;
  printLine("window\t" + std::to_string(number) + "\t" + visibleText(window.title) + "\tinner " +
            std::to_string(window.innerWidth) + "x" + std::to_string(window.innerHeight) + "\tstyles " + styles +
            "\ttopmost " + yesNo(window.topmost) + "\tcentred " + yesNo(window.centred) + "\towner " + window.owner +
            // Only a mirrored window says its layout, so the dumps of every
            // left-to-right language stay as they were.
            (window.mirrored ? "\tlayout rtl" : ""));
  for (size_t i = 0; i < window.controls.size(); ++i) {
    const SeenControl& c = window.controls[i];
    std::string line = "control\t" + std::to_string(i + 1) + "\t" + c.kind + "\t" + std::to_string(c.x) + "," +
                       std::to_string(c.y) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) + "\t" +
                       (c.visible ? "shown" : "hidden") + "\t" + (c.enabled ? "enabled" : "disabled") + "\t" +
                       (c.focused ? "focus" : "-");
    if (c.kind == "dropdown")
      line += "\tselected " + std::to_string(c.selected) + " of " + std::to_string(c.entries.size());
    printLine(line + "\t" + visibleText(c.text));
    for (size_t e = 0; e < c.entries.size(); ++e)
      printLine("entry\t" + std::to_string(e) + "\t" + visibleText(c.entries[e]));
  }
}

bool matchesName(const SeenControl& control, const std::u16string& name) {
  return control.visible && control.text == name;
}

// The n-th visible control of `kind` whose text is `name`.
const SeenControl* findNamed(const SeenWindow& window, const char* kind, const std::u16string& name, int occurrence) {
  for (const SeenControl& control : window.controls)
    if (control.kind == kind && matchesName(control, name) && --occurrence == 0) return &control;
  return nullptr;
}

// The visible input of `kind` that stands right of the label on its row:
// the nearest one whose height spans the label's middle.
const SeenControl* findRightOf(const SeenWindow& window, const SeenControl& label, const char* kind) {
  const SeenControl* best = nullptr;
  int middle = label.y + label.height / 2;
  for (const SeenControl& control : window.controls) {
    if (control.kind != kind || !control.visible || control.x < label.x + label.width / 2) continue;
    if (middle < control.y || middle >= control.y + control.height) continue;
    if (!best || control.x < best->x) best = &control;
  }
  return best;
}

const SeenControl* findLabelledInput(const SeenWindow& window, const Step& step, const char* kind) {
  const SeenControl* label = findNamed(window, "label", step.target, step.occurrence);
  if (!label) {
    stepFailed(step, "no label " + stepTarget(step));
    return nullptr;
  }
  const SeenControl* input = findRightOf(window, *label, kind);
  if (!input) stepFailed(step, std::string("no ") + kind + " right of " + stepTarget(step));
  return input;
}

int entryPosition(const SeenControl& dropDown, const std::u16string& wanted) {
  if (wanted.size() > 1 && wanted[0] == u'#') {
    int position = 0;
    for (size_t i = 1; i < wanted.size(); ++i) {
      if (wanted[i] < u'0' || wanted[i] > u'9' || position > 100000) return -1;
      position = position * 10 + (wanted[i] - u'0');
    }
    return position < static_cast<int>(dropDown.entries.size()) ? position : -1;
  }
  for (size_t i = 0; i < dropDown.entries.size(); ++i)
    if (dropDown.entries[i] == wanted) return static_cast<int>(i);
  return -1;
}

// Acts on the newest window; true when the step gave it an event.
bool performOnWindow(const Step& step, const SeenWindow& window) {
  switch (step.kind) {
    case StepKind::Type: {
      const SeenControl* field = findLabelledInput(window, step, "field");
      if (field) typeInto(*field, step.text);
      return field != nullptr;
    }
    case StepKind::Choose: {
      const SeenControl* dropDown = findLabelledInput(window, step, "dropdown");
      if (!dropDown) return false;
      int position = entryPosition(*dropDown, step.text);
      if (position < 0) {
        stepFailed(step, "no entry " + visibleText(step.text));
        return false;
      }
      chooseEntry(*dropDown, position);
      return true;
    }
    case StepKind::Click: {
      const SeenControl* button = findNamed(window, "button", step.target, step.occurrence);
      if (button) clickButton(*button);
      else stepFailed(step, "no button " + stepTarget(step));
      return button != nullptr;
    }
    case StepKind::Close:
      pressCloseBox(window);
      return true;
    case StepKind::Key: {
      std::string error;
      if (pressKey(window, step.text, error)) return true;
      stepFailed(step, error);
      return false;
    }
    case StepKind::Shot: {
      std::string error;
      if (!takeShot(window, utf16ToUtf8(step.text), error)) stepFailed(step, error);
      return false;
    }
    default:
      return false;
  }
}

bool performStep(const Step& step) {
  switch (step.kind) {
    case StepKind::Pick: queuePickAnswer({AnswerKind::Name, step.text}); return false;
    case StepKind::PickSame: queuePickAnswer({AnswerKind::Same, u""}); return false;
    case StepKind::PickCancel: queuePickAnswer({AnswerKind::Cancel, u""}); return false;
    case StepKind::ColorOk: queueColorAnswer({AnswerKind::Ok, u""}); return false;
    case StepKind::ColorCancel: queueColorAnswer({AnswerKind::Cancel, u""}); return false;
    case StepKind::Color: {
      Answer color;
      parseColor(step.text, color);
      queueColorAnswer(color);
      return false;
    }
    case StepKind::File: queueFileAnswer({AnswerKind::Name, step.text}); return false;
    case StepKind::FileCancel: queueFileAnswer({AnswerKind::Cancel, u""}); return false;
    case StepKind::Echo: printLine(utf16ToUtf8(step.text)); return false;
    case StepKind::Random:
      randomAuthor.state = static_cast<uint64_t>(numberOf(step.target));
      randomAuthor.remaining = numberOf(step.text);
      if (randomAuthor.taken < 0) randomAuthor.taken = 0;
      return false;
    case StepKind::Dump: {
      std::vector<SeenWindow> windows = seeWindows();
      for (size_t i = 0; i < windows.size(); ++i) printWindow(windows[i], i + 1);
      return false;
    }
    default: break;
  }
  std::vector<SeenWindow> windows = seeWindows();
  if (windows.empty()) {
    stepFailed(step, "no dialog is open");
    return false;
  }
  return performOnWindow(step, windows.back());
}

// ---- The random author ----

// splitmix64: small, and the same numbers on every platform.
uint32_t randomBelow(uint32_t bound) {
  uint64_t z = (randomAuthor.state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return bound ? static_cast<uint32_t>(z % bound) : 0;
}

// Texts built from pieces that matter to the dialogs: ID prefixes, quotes,
// backslashes, colons, brackets, spaces at the ends, colours, a letter the
// ANSI code page holds beyond ASCII.
std::u16string randomText() {
  static const char16_t* const kPieces[] = {
      u"btn_", u"txa_", u"lst_", u"cbo_", u"tbl_", u"sld_", u"pnl_", u"ok", u"Home", u"x", u" ", u"'",
      u"\"",  u"\\", u":",    u"[",    u"]",    u"#",    u"ff",   u"rgb(", u",", u")",  u"\u00e9", u"1"};
  std::u16string text;
  for (uint32_t n = randomBelow(5); n > 0; --n) text += kPieces[randomBelow(std::size(kPieces))];
  return text;
}

// Kesto's answer to a Re-Pick: the same name, another (maybe empty) or no.
Answer randomPickAnswer() {
  switch (randomBelow(3)) {
    case 0: return {AnswerKind::Cancel, u""};
    case 1: return {AnswerKind::Same, u""};
    default: return {AnswerKind::Name, randomText()};
  }
}

// The colour dialog's: Cancel, OK as it opened, or another colour.
Answer randomColorAnswer() {
  switch (randomBelow(3)) {
    case 0: return {AnswerKind::Cancel, u""};
    case 1: return {AnswerKind::Ok, u""};
    default: {
      Answer color{AnswerKind::Color, u""};
      color.red = static_cast<uint8_t>(randomBelow(256));
      color.green = static_cast<uint8_t>(randomBelow(256));
      color.blue = static_cast<uint8_t>(randomBelow(256));
      return color;
    }
  }
}

std::vector<const SeenControl*> usable(const SeenWindow& window, const char* kind) {
  std::vector<const SeenControl*> found;
  for (const SeenControl& control : window.controls)
    if (control.kind == kind && control.visible && control.enabled) found.push_back(&control);
  return found;
}

const SeenControl* anyOf(const std::vector<const SeenControl*>& controls) {
  return controls.empty() ? nullptr : controls[randomBelow(static_cast<uint32_t>(controls.size()))];
}

void clearAnswers();

// One step of the random author on the newest dialog: mostly typing and
// choosing, sometimes a button (with fresh answers queued for whatever
// Kesto or platform dialog it may open), now and then the close box. True
// when the dialog got an event.
bool performRandomStep() {
  --randomAuthor.remaining;
  ++randomAuthor.taken;
  std::vector<SeenWindow> windows = seeWindows();
  if (windows.empty()) return false;
  const SeenWindow& window = windows.back();
  uint32_t roll = randomBelow(100);
  if (roll < 2) {
    pressCloseBox(window);
    return true;
  }
  if (roll < 47) {
    const SeenControl* field = anyOf(usable(window, "field"));
    if (field) typeInto(*field, randomText());
    return field != nullptr;
  }
  if (roll < 85) {
    const SeenControl* dropDown = anyOf(usable(window, "dropdown"));
    if (!dropDown || dropDown->entries.empty()) return false;
    chooseEntry(*dropDown, static_cast<int>(randomBelow(static_cast<uint32_t>(dropDown->entries.size()))));
    return true;
  }
  const SeenControl* button = anyOf(usable(window, "button"));
  if (!button) return false;
  clearAnswers();
  queuePickAnswer(randomPickAnswer());
  queueColorAnswer(randomColorAnswer());
  queueFileAnswer({AnswerKind::Cancel, u""});
  clickButton(*button);
  return true;
}

Answer takeFrom(std::deque<Answer>& queue, AnswerKind whenEmpty) {
  std::lock_guard<std::mutex> hold(answerLock);
  if (queue.empty()) return {whenEmpty, u""};
  Answer answer = queue.front();
  queue.pop_front();
  return answer;
}

void putInto(std::deque<Answer>& queue, Answer answer) {
  std::lock_guard<std::mutex> hold(answerLock);
  queue.push_back(answer);
}

void clearAnswers() {
  std::lock_guard<std::mutex> hold(answerLock);
  pickAnswers.clear();
  colorAnswers.clear();
  fileAnswers.clear();
}
}  // namespace

bool parseSteps(const std::u16string& text, std::vector<Step>& parsed, std::string& error) {
  parsed.clear();
  int number = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    std::u16string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (!parseStepLine(line, ++number, parsed, error)) return false;
    start = end + 1;
  }
  return true;
}

void setSteps(std::vector<Step> list) {
  steps = std::move(list);
  nextStep = 0;
  failed = false;
}

void queuePickAnswer(Answer answer) { putInto(pickAnswers, answer); }
void queueColorAnswer(Answer answer) { putInto(colorAnswers, answer); }
void queueFileAnswer(Answer answer) { putInto(fileAnswers, answer); }
Answer nextPickAnswer() { return takeFrom(pickAnswers, AnswerKind::Same); }
Answer nextColorAnswer() { return takeFrom(colorAnswers, AnswerKind::Cancel); }
Answer nextFileAnswer() { return takeFrom(fileAnswers, AnswerKind::Cancel); }

int32_t answerInterfaceAccess(int32_t request, HostString* slot) {
  if (request != kPickRectangleRequest || !slot) return 0;
  printLine("pick\t" + (*slot ? visibleText(utf8ToUtf16(hostStringToUtf8(*slot))) : std::string("(null)")));
  Answer answer = nextPickAnswer();
  if (answer.kind == AnswerKind::Cancel) return 0;
  if (answer.kind == AnswerKind::Name) *slot = makeHostString(answer.text);  // the plug-in releases both
  return 1;
}

bool runStepsUntilEvent() {
  static const bool tracing = std::getenv("KESTO_SIM_TRACE") != nullptr;
  while (!failed && (randomAuthor.remaining > 0 || nextStep < steps.size())) {
    if (randomAuthor.remaining > 0) {
      if (performRandomStep()) return true;
      continue;
    }
    if (tracing) std::fprintf(stderr, "kesto-sim: step at line %d\n", steps[nextStep].line);
    if (performStep(steps[nextStep++])) return true;
  }
  std::vector<SeenWindow> windows = seeWindows();
  if (!windows.empty()) pressCloseBox(windows.back());
  return false;
}

bool stepsFailed() { return failed; }

int randomStepsTaken() { return randomAuthor.taken; }

void printMessageBox(const std::u16string& title, const std::u16string& text) {
  printLine("message\t" + visibleText(title) + "\t" + visibleText(text));
}

std::string visibleText(const std::u16string& text) {
  std::u16string shown;
  for (char16_t c : text) {
    if (c == u'\r') shown += u"\\r";
    else if (c == u'\n') shown += u"\\n";
    else if (c == u'\t') shown += u"\\t";
    else shown.push_back(c);
  }
  return utf16ToUtf8(shown);
}
