// The base64 encoder for processors with AVX2: 24 input bytes to 32
// characters per step, 12 to 16 in each 128-bit lane. Only the functions
// marked for AVX2 use its instructions; the choice of encoder runs this
// file's code only where the processor has them and the operating system
// saves the 256-bit registers.
#include <immintrin.h>

#include "script/base64_encoders.h"

// 32-bit Windows keeps the stack aligned to 4 bytes only; the entry point
// realigns it, so that vector values the compiler keeps on the stack sit
// where its aligned loads and stores expect them.
#define AVX2_ENTRY __attribute__((target("avx2"), force_align_arg_pointer))
#define AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace {
// Bytes 0-11 into the low lane and 12-23 into the high one (each load reads
// four bytes more than its lane uses).
AVX2_INLINE __m256i loadTwelveAndTwelve(const unsigned char* in) {
  __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 12));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

// Each triple ABC spread over four bytes as B A C B, so that every output
// character's six bits lie inside one 16-bit half.
AVX2_INLINE __m256i spreadTriples(__m256i in) {
  return _mm256_shuffle_epi8(in, _mm256_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10,  //
                                                  1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10));
}

// Moves each six-bit value to the bottom of its own byte: two of the four by
// a high multiplication (a right shift), two by a low one (a left shift).
AVX2_INLINE __m256i sixBitValues(__m256i spread) {
  __m256i firstAndThird =
      _mm256_mulhi_epu16(_mm256_and_si256(spread, _mm256_set1_epi32(0x0FC0FC00)), _mm256_set1_epi32(0x04000040));
  __m256i secondAndFourth =
      _mm256_mullo_epi16(_mm256_and_si256(spread, _mm256_set1_epi32(0x003F03F0)), _mm256_set1_epi32(0x01000010));
  return _mm256_or_si256(firstAndThird, secondAndFourth);
}

// Six-bit values to characters: each value's range (A-Z, a-z, 0-9, "+",
// "/") picks, by a shuffle lookup, the offset that turns it into its letter.
AVX2_INLINE __m256i characters(__m256i values) {
  __m256i range = _mm256_subs_epu8(values, _mm256_set1_epi8(51));  // 0 below 52, then 1 to 12
  __m256i belowTwentySix = _mm256_cmpgt_epi8(_mm256_set1_epi8(26), values);
  range = _mm256_or_si256(range, _mm256_and_si256(belowTwentySix, _mm256_set1_epi8(13)));
  const __m256i offsets = _mm256_setr_epi8(
      'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
      '+' - 62, '/' - 63, 'A', 0, 0,  //
      'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
      '+' - 62, '/' - 63, 'A', 0, 0);
  return _mm256_add_epi8(values, _mm256_shuffle_epi8(offsets, range));
}
}  // namespace

// Each step reads 28 bytes and uses 24, so it stops while 28 remain.
AVX2_ENTRY void base64EncodeAvx2(const unsigned char* in, size_t bytes, char* out) {
  size_t done = 0;
  for (; bytes - done >= 28; done += 24, out += 32) {
    __m256i block = loadTwelveAndTwelve(in + done);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), characters(sixBitValues(spreadTriples(block))));
  }
  base64EncodePairTable(in + done, bytes - done, out);
}
