#pragma once
// The hands of kesto-sim edit, one implementation per build: the native one
// acts on the headless backend, the win32 one on real windows from a second
// thread, with the messages a person's typing and clicking produce.
#include <string>
#include <vector>

#include "tools/kesto-sim/edit_session.h"
#include "tools/kesto-sim/kesto_host.h"

// Opens the editor of `action` over `parameters`, plays the steps until it
// returns and returns its result.
int32_t playEditor(int32_t action, HostParameterList& parameters);

// Opens a window of Kesto's that is active when the editor starts, as when
// the author works in a publication; dumps name it "kesto-active".
void activateKestoWindow();
// Dialog windows still open after the editor returned (none, normally).
int windowsLeftOpen();

// The open dialog windows, oldest first.
std::vector<SeenWindow> seeWindows();
void typeInto(const SeenControl& field, const std::u16string& text);
void chooseEntry(const SeenControl& dropDown, int position);
void clickButton(const SeenControl& button);
void pressCloseBox(const SeenWindow& window);
// Presses a key in the window's focused control: enter, escape, and in the
// win32 build also tab, up, down and f4 (opens a drop-down's list). False
// with a message for a key the build cannot press.
bool pressKey(const SeenWindow& window, const std::u16string& key, std::string& error);
// Makes the process DPI-aware and checks that the display runs at `dpi`;
// false with a message when it cannot (the native build has no display).
bool useDisplayDpi(int dpi, std::string& error);
// Writes a PNG picture of the window; false with a message when it cannot.
bool takeShot(const SeenWindow& window, const std::string& file, std::string& error);
