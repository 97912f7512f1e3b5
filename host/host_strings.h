#pragma once
// The crossings between the plug-in's UTF-16 text and Kesto's host strings.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "host/host_api.h"

// A new host string holding `text` in the ANSI code page, or null when no
// memory is left.
HostString toHostString(std::u16string_view text);
int32_t freeHostString(HostString pointer);
// Stores `hostString` into `slot` unless the slot is null; frees nothing.
int32_t storeHostString(HostString* slot, HostString hostString);
// The parameter at `index` as UTF-16; a null entry, or a null list, reads as
// empty text.
std::u16string getHostParam(ParameterList parameters, int index);
// The parameter's host string itself, null for a null entry or list.
HostString hostParamText(ParameterList parameters, int index);
// Replaces the parameter at `index`, releasing the previous entry.
int32_t setHostParam(ParameterList parameters, int index, const std::u16string& text);

// A host string of `before`, then `middleBytes` bytes that the caller fills
// through `middle` with ASCII text, then `after`. ASCII is the same bytes in
// every ANSI code page, so the result equals converting the whole text at
// once. Null when the block cannot be had (or its size would overflow).
HostString toHostStringAround(const std::u16string& before, size_t middleBytes, const std::u16string& after,
                              char** middle);

// A host string that is released when it goes out of scope, whatever way
// the scope ends; release() hands it on.
struct HostStringRelease {
  void operator()(char* text) const { freeHostString(text); }
};
using OwnedHostString = std::unique_ptr<char, HostStringRelease>;

// ---- Large texts ----
// A host string's text read piece by piece as UTF-16, so that a value of
// hundreds of megabytes is never held in UTF-16 whole.

// Changes one UTF-16 piece into `out` (appending), as escaping does; pieces
// must be changed independently of one another.
using TextPieceFilter = void (*)(std::u16string_view piece, std::u16string& out);

// One part of a composed host string: UTF-16 text, or, when `source` is
// set, the text of that host string passed through `filter` (as it stands
// when the filter is null).
struct HostTextPart {
  std::u16string_view text;
  HostString source = nullptr;
  TextPieceFilter filter = nullptr;
};

// One host string of the parts in order, exactly what converting their
// whole UTF-16 text at once gives. The sources are read twice, once to
// measure and once to write, beside a buffer of one piece. Null when the
// block cannot be had or its size does not fit the address space.
HostString composeHostString(std::span<const HostTextPart> parts);
// True when the host string's text is empty (a null string included).
bool hostTextIsEmpty(HostString text);
// The bytes converted at a time: small beside any value worth streaming.
constexpr size_t kHostTextPieceBytes = 64 * 1024;
