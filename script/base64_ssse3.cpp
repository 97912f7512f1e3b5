// The base64 encoder for processors with SSSE3: 12 input bytes to 16
// characters per step. Only the functions marked for SSSE3 use its
// instructions; the choice of encoder runs this file's code only on a
// processor that has them.
#include <immintrin.h>

#include "script/base64_encoders.h"

// 32-bit Windows keeps the stack aligned to 4 bytes only; the entry point
// realigns it, so that vector values the compiler keeps on the stack sit
// where its aligned loads and stores expect them.
#define SSSE3_ENTRY __attribute__((target("ssse3"), force_align_arg_pointer))
#define SSSE3_INLINE __attribute__((target("ssse3"), always_inline)) inline

namespace {
// Each triple ABC spread over four bytes as B A C B, so that every output
// character's six bits lie inside one 16-bit half.
SSSE3_INLINE __m128i spreadTriples(__m128i in) {
  return _mm_shuffle_epi8(in, _mm_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10));
}

// Moves each six-bit value to the bottom of its own byte: two of the four by
// a high multiplication (a right shift), two by a low one (a left shift).
SSSE3_INLINE __m128i sixBitValues(__m128i spread) {
  __m128i firstAndThird = _mm_mulhi_epu16(_mm_and_si128(spread, _mm_set1_epi32(0x0FC0FC00)), _mm_set1_epi32(0x04000040));
  __m128i secondAndFourth = _mm_mullo_epi16(_mm_and_si128(spread, _mm_set1_epi32(0x003F03F0)), _mm_set1_epi32(0x01000010));
  return _mm_or_si128(firstAndThird, secondAndFourth);
}

// Six-bit values to characters: each value's range (A-Z, a-z, 0-9, "+",
// "/") picks, by a shuffle lookup, the offset that turns it into its letter.
SSSE3_INLINE __m128i characters(__m128i values) {
  __m128i range = _mm_subs_epu8(values, _mm_set1_epi8(51));  // 0 below 52, then 1 to 12
  __m128i belowTwentySix = _mm_cmpgt_epi8(_mm_set1_epi8(26), values);
  range = _mm_or_si128(range, _mm_and_si128(belowTwentySix, _mm_set1_epi8(13)));
  const __m128i offsets = _mm_setr_epi8('a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                        '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
  return _mm_add_epi8(values, _mm_shuffle_epi8(offsets, range));
}
}  // namespace

// Each step reads 16 bytes and uses 12, so it stops while 16 remain.
SSSE3_ENTRY void base64EncodeSsse3(const unsigned char* in, size_t bytes, char* out) {
  size_t done = 0;
  for (; bytes - done >= 16; done += 12, out += 16) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), characters(sixBitValues(spreadTriples(block))));
  }
  base64EncodePairTable(in + done, bytes - done, out);
}
