#pragma once
// Kesto action lines: an action name, then parameters in double quotes
// separated by blanks; a double quote inside a parameter is written twice.
#include <string>
#include <vector>

struct ActionLine {
  std::u16string name;                   // the action name, or "#N"
  std::vector<std::u16string> parameters;
};

// False when the line is malformed (a parameter without its closing quote,
// or text outside quotes).
bool parseActionLine(const std::u16string& line, ActionLine& parsed);
// The line a script file holds no action on: blank, or a comment (a "#" not
// followed by a digit).
bool isSkippedLine(const std::u16string& line);
