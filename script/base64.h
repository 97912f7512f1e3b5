#pragma once
// Base64 with the standard alphabet (A-Z, a-z, 0-9, "+", "/"), padded with
// "=" to a multiple of four characters, without line breaks.
#include <cstddef>
#include <cstdint>

// The encoded length of `bytes` bytes, 4 * ceil(bytes / 3), computed without
// an intermediate overflow; exact for every count below 2^62.
uint64_t base64Length(uint64_t bytes);
// Writes base64Length(bytes) ASCII characters to `out`. Input of a multiple
// of three bytes gives no padding, so consecutive pieces of such lengths
// encode to exactly the encoding of the whole.
void base64Encode(const unsigned char* in, size_t bytes, char* out);
