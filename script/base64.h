#pragma once
// Base64 with the standard alphabet (A-Z, a-z, 0-9, "+", "/"), padded with
// "=" to a multiple of four characters, without line breaks.
#include <cstddef>
#include <cstdint>

// The encoded length of `bytes` bytes, 4 * ceil(bytes / 3), computed without
// an intermediate overflow; exact for every count below 2^62.
uint64_t base64Length(uint64_t bytes);
// Writes base64Length(bytes) ASCII characters to `out`, with the fastest
// encoder the processor offers. Input of a multiple of three bytes gives no
// padding, so consecutive pieces of such lengths encode to exactly the
// encoding of the whole. Input and output may have any alignment.
void base64Encode(const unsigned char* in, size_t bytes, char* out);

// The encoders, by the instructions they need; all give the same text.
// base64Encode takes the fastest one that runs here, tests and benchmarks
// call each one by name.
enum class Base64Encoder {
  pairTable,  // any processor: two characters per table lookup
  ssse3,      // 12 bytes at a time with the byte shuffle
  avx2,       // 24 bytes at a time
};
// Whether this processor (and, for AVX2, the operating system) runs it.
bool base64EncoderRuns(Base64Encoder encoder);
// The encoder base64Encode uses: the fastest one that runs here.
Base64Encoder fastestBase64Encoder();
// Encodes with `encoder`, which must run here (base64EncoderRuns).
void base64EncodeWith(Base64Encoder encoder, const unsigned char* in, size_t bytes, char* out);
