#pragma once
// Pipe-separated lists: fields separated by "|", counted from 1.
#include <string>

// Field n of the list; a field past the end (or n below 1) reads as empty text.
std::u16string pipeField(const std::u16string& list, int n);
