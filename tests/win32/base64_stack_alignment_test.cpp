// 32-bit Windows guarantees the stack only 4-byte alignment, and Kesto may
// call the plug-in that way. Each vector encoder is called here with the
// stack at every 4-byte step below a 32-byte boundary: one that kept a
// vector on the stack with an aligned access would fault. (64-bit Windows
// keeps the stack aligned to 16 bytes: there the question does not arise.)
#if defined(__i386__)
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "script/base64.h"

namespace {
struct EncodeCall {
  Base64Encoder encoder;
  const unsigned char* in;
  size_t bytes;
  char* out;
};

void __cdecl encodeFromHere(EncodeCall* call) { base64EncodeWith(call->encoder, call->in, call->bytes, call->out); }

uint32_t savedStackPointer;

// Calls target(call) with the stack pointer `offset` bytes below a 32-byte
// boundary before the argument is pushed.
void callWithStackOffset(void (*target)(EncodeCall*), EncodeCall* call, uint32_t offset) {
  __asm__ volatile(
      "movl %%esp, %[saved]\n\t"
      "andl $-32, %%esp\n\t"
      "subl %%esi, %%esp\n\t"
      "pushl %%edi\n\t"
      "call *%%ebx\n\t"
      "movl %[saved], %%esp\n\t"
      : [saved] "+m"(savedStackPointer)
      : "b"(target), "D"(call), "S"(offset)
      : "eax", "ecx", "edx", "memory", "cc");
}
}  // namespace

TEST(Base64StackAlignment, VectorEncodersRunFromAnyFourByteAlignedStack) {
  std::mt19937 random(3);
  std::string bytes(3000, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  for (Base64Encoder encoder : {Base64Encoder::ssse3, Base64Encoder::avx2}) {
    if (!base64EncoderRuns(encoder)) continue;
    for (size_t length : {size_t{0}, size_t{40}, size_t{97}, bytes.size()}) {
      std::string expected(base64Length(length), '?');
      base64EncodeWith(Base64Encoder::pairTable, in, length, expected.data());
      for (uint32_t offset = 0; offset < 32; offset += 4) {
        std::string got(expected.size(), '?');
        EncodeCall call{encoder, in, length, got.data()};
        callWithStackOffset(encodeFromHere, &call, offset);
        ASSERT_EQ(got, expected) << "encoder " << static_cast<int>(encoder) << ", offset " << offset;
      }
    }
  }
}
#endif
