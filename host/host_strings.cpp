#include "host/host_strings.h"

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
