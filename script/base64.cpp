#include "script/base64.h"

#include <array>
#include <cstring>

#include "script/base64_encoders.h"
#include "script/processor_features.h"

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Every 12-bit value as its two base64 characters, so three input bytes
// take two lookups and two 16-bit stores instead of four of each. The 8 KiB
// table stays in the first-level cache. This is the encoder of processors
// without SSSE3's byte shuffle: without it, spreading each triple over four
// bytes with shifts and masks measured slower than the table.
constexpr std::array<char, 8192> makePairTable() {
  std::array<char, 8192> table{};
  for (int i = 0; i < 4096; ++i) {
    table[2 * i] = kAlphabet[i >> 6];
    table[2 * i + 1] = kAlphabet[i & 63];
  }
  return table;
}
constexpr std::array<char, 8192> kPairs = makePairTable();

inline void encodeTriple(const unsigned char* in, char* out) {
  uint32_t bits = (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
  std::memcpy(out, &kPairs[2 * (bits >> 12)], 2);
  std::memcpy(out + 2, &kPairs[2 * (bits & 0xFFF)], 2);
}

void encodeTail(const unsigned char* in, size_t bytes, char* out) {
  uint32_t bits = uint32_t{in[0]} << 16;
  if (bytes == 2) bits |= uint32_t{in[1]} << 8;
  out[0] = kAlphabet[bits >> 18];
  out[1] = kAlphabet[(bits >> 12) & 63];
  out[2] = bytes == 2 ? kAlphabet[(bits >> 6) & 63] : '=';
  out[3] = '=';
}

using EncodeFunction = void (*)(const unsigned char*, size_t, char*);
struct EncoderRow {
  Base64Encoder encoder;
  EncodeFunction encode;
  bool ProcessorFeatures::*needs;  // null: runs everywhere
};
// Slowest first: the fastest that runs is the last that does.
constexpr EncoderRow kEncoders[] = {
    {Base64Encoder::pairTable, base64EncodePairTable, nullptr},
    {Base64Encoder::ssse3, base64EncodeSsse3, &ProcessorFeatures::ssse3},
    {Base64Encoder::avx2, base64EncodeAvx2, &ProcessorFeatures::avx2},
};

const EncoderRow& rowOf(Base64Encoder encoder) {
  for (const EncoderRow& row : kEncoders)
    if (row.encoder == encoder) return row;
  return kEncoders[0];
}
}  // namespace

uint64_t base64Length(uint64_t bytes) { return (bytes / 3 + (bytes % 3 != 0)) * 4; }

void base64EncodePairTable(const unsigned char* in, size_t bytes, char* out) {
  size_t whole = bytes - bytes % 3;
  size_t i = 0;
  for (; i + 12 <= whole; i += 12, out += 16) {
    encodeTriple(in + i, out);
    encodeTriple(in + i + 3, out + 4);
    encodeTriple(in + i + 6, out + 8);
    encodeTriple(in + i + 9, out + 12);
  }
  for (; i < whole; i += 3, out += 4) encodeTriple(in + i, out);
  if (bytes > whole) encodeTail(in + whole, bytes - whole, out);
}

bool base64EncoderRuns(Base64Encoder encoder) {
  const EncoderRow& row = rowOf(encoder);
  return !row.needs || processorFeatures().*row.needs;
}

Base64Encoder fastestBase64Encoder() {
  Base64Encoder fastest = Base64Encoder::pairTable;
  for (const EncoderRow& row : kEncoders)
    if (base64EncoderRuns(row.encoder)) fastest = row.encoder;
  return fastest;
}

void base64EncodeWith(Base64Encoder encoder, const unsigned char* in, size_t bytes, char* out) {
  rowOf(encoder).encode(in, bytes, out);
}
