#pragma once
// UTF-8, the tools' text on the terminal and in files, to and from UTF-16,
// the plug-in's text. Each build links the platform's own converter. A byte
// sequence or a surrogate that is not valid text becomes U+FFFD.
#include <string>

std::u16string utf8ToUtf16(const std::string& text);
std::string utf16ToUtf8(const std::u16string& text);
