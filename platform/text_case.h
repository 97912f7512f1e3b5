#pragma once
// Character lower-casing as the platform's user interface does it
// (CharLowerW on Windows), used where IDs are compared without regard to case.
#include <string>

std::u16string lowerCaseText(const std::u16string& text);
