#pragma once
// The encoders behind base64Encode, each a whole encoder with the same
// contract. The vector ones need the instructions their names give and
// finish the last few bytes, and the padding, with the pair table.
#include <cstddef>

void base64EncodePairTable(const unsigned char* in, size_t bytes, char* out);
void base64EncodeSsse3(const unsigned char* in, size_t bytes, char* out);
void base64EncodeAvx2(const unsigned char* in, size_t bytes, char* out);

