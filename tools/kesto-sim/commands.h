#pragma once
// The commands of kesto-sim, each given the arguments after its name.
#include <string>
#include <vector>

using Arguments = std::vector<std::u16string>;

int commandInfo(const Arguments& arguments);
int commandExec(const Arguments& arguments);
int commandRun(const Arguments& arguments);
int commandEdit(const Arguments& arguments);
int commandVersion(const Arguments& arguments);

// Prints a usage error and returns the exit status for it.
int usageError(const std::string& message);
