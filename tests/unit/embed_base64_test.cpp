// The base64 encoder against RFC 4648 and against a plain reference.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "script/base64.h"

namespace {
std::string encode(const std::string& bytes) {
  std::string out(static_cast<size_t>(base64Length(bytes.size())), '?');
  base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out.data());
  return out;
}

// Six bits at a time, the way the RFC describes it.
std::string referenceEncode(const std::string& bytes) {
  const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  size_t bits = bytes.size() * 8;
  for (size_t at = 0; at < bits; at += 6) {
    int value = 0;
    for (size_t b = at; b < at + 6; ++b) {
      int bit = b < bits ? (static_cast<unsigned char>(bytes[b / 8]) >> (7 - b % 8)) & 1 : 0;
      value = value * 2 + bit;
    }
    out.push_back(alphabet[value]);
  }
  while (out.size() % 4) out.push_back('=');
  return out;
}

std::string randomBytes(size_t length, std::mt19937& random) {
  std::string bytes(length, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}
}  // namespace

TEST(EmbedBase64, Rfc4648Vectors) {
  EXPECT_EQ(encode(""), "");
  EXPECT_EQ(encode("f"), "Zg==");
  EXPECT_EQ(encode("fo"), "Zm8=");
  EXPECT_EQ(encode("foo"), "Zm9v");
  EXPECT_EQ(encode("foob"), "Zm9vYg==");
  EXPECT_EQ(encode("fooba"), "Zm9vYmE=");
  EXPECT_EQ(encode("foobar"), "Zm9vYmFy");
}

TEST(EmbedBase64, MatchesReferenceOnRandomDataOfEveryLength) {
  std::mt19937 random(12345);
  for (size_t length = 0; length < 400; ++length) {
    std::string bytes = randomBytes(length, random);
    ASSERT_EQ(encode(bytes), referenceEncode(bytes)) << "length " << length;
  }
  for (size_t length : {65535u, 65536u, 65537u, 1000000u}) {
    std::string bytes = randomBytes(length, random);
    ASSERT_EQ(encode(bytes), referenceEncode(bytes)) << "length " << length;
  }
}

TEST(EmbedBase64, EveryByteValueInEveryPosition) {
  std::string bytes;
  for (int i = 0; i < 256 * 3; ++i) bytes.push_back(static_cast<char>((i * 7 + i / 256) & 0xFF));
  EXPECT_EQ(encode(bytes), referenceEncode(bytes));
}

TEST(EmbedBase64, PiecesOfWholeTriplesConcatenate) {
  std::mt19937 random(7);
  std::string bytes = randomBytes(1000, random);
  std::string pieces = encode(bytes.substr(0, 300)) + encode(bytes.substr(300, 3)) + encode(bytes.substr(303));
  EXPECT_EQ(pieces, encode(bytes));
}

TEST(EmbedBase64, ExactLengthWithoutOverflow) {
  EXPECT_EQ(base64Length(0), 0u);
  EXPECT_EQ(base64Length(1), 4u);
  EXPECT_EQ(base64Length(3), 4u);
  EXPECT_EQ(base64Length(4), 8u);
  EXPECT_EQ(base64Length(0x7FFFFFFF), 2863311532u);
  EXPECT_EQ(base64Length(0xFFFFFFFFu), 5726623060u);
  // "size * 1.34 + 128" would be short here and wrap in 32 bits; the exact
  // length is computed in 64 bits.
  EXPECT_EQ(base64Length(3000000000u), 4000000000u);
  EXPECT_EQ(base64Length((1ull << 62) - 1), ((1ull << 62) - 1) / 3 * 4);
  EXPECT_EQ(base64Length(1ull << 62), ((1ull << 62) - 1) / 3 * 4 + 4);
}
