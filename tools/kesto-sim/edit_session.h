#pragma once
// kesto-sim edit: the author that plays an editor dialog. The step list and
// the answers for Kesto's pick request and the platform dialogs are shared;
// each build supplies the hands (edit_platform.h) that act on its windows.
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_api.h"

// What the author sees of one control.
struct SeenControl {
  std::string kind;  // label, field, dropdown, button, swatch
  int x = 0, y = 0, width = 0, height = 0;
  bool visible = true, enabled = true, focused = false;
  std::u16string text;                  // without its access key; a swatch's colour as #rrggbb
  char16_t accessKey = 0;               // field labels and buttons: the key, 0 for none
  std::vector<std::u16string> entries;  // drop-downs
  int selected = -1;                    // drop-downs
  void* handle = nullptr;               // the build's own handle
};

// What the author sees of one dialog window.
struct SeenWindow {
  std::u16string title;
  int innerWidth = 0, innerHeight = 0;
  std::vector<std::string> styles;  // caption, sysmenu, closebox, thickframe, minimizebox, maximizebox
  bool topmost = false, centred = false;
  bool mirrored = false;  // laid out right to left, as for Arabic
  std::string owner;  // kesto, window N, none or other
  std::vector<SeenControl> controls;
  void* handle = nullptr;
};

enum class StepKind { Type, Choose, Click, Close, Pick, PickSame, PickCancel, ColorOk, ColorCancel, Color, File,
                      FileCancel, Dump, Shot, Echo, Random, Key };

struct Step {
  StepKind kind = StepKind::Dump;
  int line = 0;
  std::u16string target;  // label or caption, without its "#N"
  int occurrence = 1;     // the N of "#N"
  std::u16string text;    // what is typed, chosen, answered, the file name, or the key
};

enum class AnswerKind { Same, Name, Cancel, Ok, Color };
struct Answer {
  AnswerKind kind = AnswerKind::Cancel;
  std::u16string text;                  // a pick's name, a file's name
  uint8_t red = 0, green = 0, blue = 0;  // a chosen colour
};

// Reads a step file's text; on a malformed line returns false with a message.
bool parseSteps(const std::u16string& text, std::vector<Step>& steps, std::string& error);
void setSteps(std::vector<Step> steps);

// Answers queued by the steps (or the command line) and taken in order by the
// next request of their kind. Safe to use from two threads.
void queuePickAnswer(Answer answer);
void queueColorAnswer(Answer answer);
void queueFileAnswer(Answer answer);
// An empty queue answers a pick with the slot unchanged and cancels the
// colour and open-file dialogs.
Answer nextPickAnswer();
Answer nextColorAnswer();
Answer nextFileAnswer();

// Kesto's interface-access callback during an edit session.
int32_t answerInterfaceAccess(int32_t request, HostString* slot);

// Runs steps until one of them has given the newest dialog an event; when the
// steps run out, presses the close box instead and returns false.
bool runStepsUntilEvent();
// True when a step failed; the session then ends through the close box.
bool stepsFailed();
// How many steps the random author of "random SEED COUNT" has taken; -1
// when the steps hold no random author.
int randomStepsTaken();

// Output lines shared by both builds.
void printMessageBox(const std::u16string& title, const std::u16string& text);
std::string visibleText(const std::u16string& text);
