#include "host/host_strings.h"

#include <cstdint>

#include "platform/codepage.h"
#include "platform/host_memory.h"

HostString toHostString(const std::u16string& text) {
  size_t length = ansiLengthOf(text.data(), text.size());
  HostString block = hostBlockAlloc(length + 1);
  if (!block) return nullptr;
  utf16ToAnsi(text.data(), text.size(), block, length);
  return block;
}

int32_t freeHostString(HostString pointer) {
  if (pointer) hostBlockFree(pointer);
  return 0;
}

int32_t storeHostString(HostString* slot, HostString hostString) {
  if (slot) *slot = hostString;
  return 0;
}

std::u16string getHostParam(ParameterList parameters, int index) {
  return ansiToUtf16(parameters[index]);
}

int32_t setHostParam(ParameterList parameters, int index, const std::u16string& text) {
  if (parameters[index]) freeHostString(parameters[index]);
  parameters[index] = toHostString(text);
  return 0;
}

HostString toHostStringAround(const std::u16string& before, size_t middleBytes, const std::u16string& after,
                              char** middle) {
  size_t beforeLength = ansiLengthOf(before.data(), before.size());
  size_t afterLength = ansiLengthOf(after.data(), after.size());
  size_t fixed = beforeLength + afterLength + 1;
  if (fixed < beforeLength || middleBytes > SIZE_MAX - fixed) return nullptr;
  HostString block = hostBlockAlloc(fixed + middleBytes);
  if (!block) return nullptr;
  utf16ToAnsi(before.data(), before.size(), block, beforeLength);
  utf16ToAnsi(after.data(), after.size(), block + beforeLength + middleBytes, afterLength);
  *middle = block + beforeLength;
  return block;
}
