#include "host/host_strings.h"

#include <cstdint>
#include <cstring>

#include "platform/codepage.h"
#include "platform/host_memory.h"

HostString toHostString(std::u16string_view text) {
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
  return ansiToUtf16(hostParamText(parameters, index));
}

HostString hostParamText(ParameterList parameters, int index) { return parameters ? parameters[index] : nullptr; }

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

namespace {
// Calls `use` with each piece of the host string's text in UTF-16, in order,
// while it returns true.
template <typename Use>
void forEachTextPiece(HostString text, std::u16string& piece, Use use) {
  size_t remaining = text ? std::strlen(text) : 0;
  while (remaining > 0) {
    // A piece ends on a whole character, but the last takes all that is
    // left: a broken character at the end converts only together with what
    // comes before it, as it does in the whole text.
    size_t want = remaining < kHostTextPieceBytes ? remaining : kHostTextPieceBytes;
    size_t take = want < remaining ? ansiWholeCharacterBytes(text, want) : want;
    if (take == 0) take = want;
    piece.clear();
    appendAnsiAsUtf16(text, take, piece);
    if (!use(std::u16string_view(piece))) return;
    text += take;
    remaining -= take;
  }
}

// Calls `use` with the UTF-16 text of each part, piece by piece.
template <typename Use>
void forEachPartPiece(std::span<const HostTextPart> parts, Use use) {
  std::u16string piece, filtered;
  for (const HostTextPart& part : parts) {
    if (!part.source) {
      use(part.text);
      continue;
    }
    forEachTextPiece(part.source, piece, [&](std::u16string_view text) {
      if (part.filter) {
        filtered.clear();
        part.filter(text, filtered);
        text = filtered;
      }
      use(text);
      return true;
    });
  }
}
}  // namespace

HostString composeHostString(std::span<const HostTextPart> parts) {
  // Counted in 64 bits: escaping can make a large value grow past 4 GiB.
  uint64_t length = 0;
  forEachPartPiece(parts, [&](std::u16string_view text) { length += ansiLengthOf(text.data(), text.size()); });
  if (length >= SIZE_MAX) return nullptr;
  HostString block = hostBlockAlloc(static_cast<size_t>(length) + 1);
  if (!block) return nullptr;
  OwnedHostString owned(block);
  size_t written = 0;
  forEachPartPiece(parts, [&](std::u16string_view text) {
    size_t room = static_cast<size_t>(length) - written;
    size_t bytes = ansiLengthOf(text.data(), text.size());
    utf16ToAnsi(text.data(), text.size(), block + written, bytes < room ? bytes : room);
    written += bytes < room ? bytes : room;
  });
  return owned.release();
}

bool hostTextIsEmpty(HostString text) {
  bool empty = true;
  std::u16string piece;
  forEachTextPiece(text, piece, [&](std::u16string_view converted) {
    empty = converted.empty();
    return empty;  // the first piece with text settles it
  });
  return empty;
}
