#pragma once
// The crossings between the plug-in's UTF-16 text and Kesto's host strings.
#include <cstdint>
#include <string>

#include "host/host_api.h"

// A new host string holding `text` in the ANSI code page, or null when no
// memory is left.
HostString toHostString(const std::u16string& text);
int32_t freeHostString(HostString pointer);
// Stores `hostString` into `slot` unless the slot is null; frees nothing.
int32_t storeHostString(HostString* slot, HostString hostString);
// The parameter at `index` as UTF-16; a null entry reads as empty text.
std::u16string getHostParam(ParameterList parameters, int index);
// Replaces the parameter at `index`, releasing the previous entry.
int32_t setHostParam(ParameterList parameters, int index, const std::u16string& text);

// A host string of `before`, then `middleBytes` bytes that the caller fills
// through `middle` with ASCII text, then `after`. ASCII is the same bytes in
// every ANSI code page, so the result equals converting the whole text at
// once. Null when the block cannot be had (or its size would overflow).
HostString toHostStringAround(const std::u16string& before, size_t middleBytes, const std::u16string& after,
                              char** middle);
