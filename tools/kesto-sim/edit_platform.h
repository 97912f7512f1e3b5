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
// Writes a PNG picture of the window; false with a message when it cannot.
bool takeShot(const SeenWindow& window, const std::string& file, std::string& error);
