#pragma once
// What an editor's checks guarantee of the parameters it writes on OK, as
// one judgement per action: the random-author test and the editor fuzzer
// hold every confirmed edit against it.
#include <string>
#include <vector>

// Empty text when `parameters` (the action's parameters as text, in order)
// are what the editor of action `action` (1 to 8) may write on OK; else what
// is wrong with them.
std::string storedParametersProblem(int action, const std::vector<std::u16string>& parameters);
