// The base64 encoders against RFC 4648 and against a plain reference: the
// one base64Encode picks, and each one this processor runs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

namespace {
const Base64Encoder kEveryEncoder[] = {Base64Encoder::pairTable, Base64Encoder::ssse3, Base64Encoder::avx2};
const char* nameOf(Base64Encoder encoder) {
  const char* names[] = {"pair table", "SSSE3", "AVX2"};
  return names[static_cast<int>(encoder)];
}
}  // namespace

// Every length across several vector steps and the tail, from every input
// and output alignment within a 32-byte vector; the bytes around the output
// stay untouched.
TEST(EmbedBase64, EveryEncoderHereGivesTheSameTextForEveryLengthAndAlignment) {
  ASSERT_TRUE(base64EncoderRuns(Base64Encoder::pairTable));
  std::mt19937 random(99);
  const size_t kLongest = 260, kSlack = 32, kGuard = 16;
  std::string source = randomBytes(kLongest + kSlack, random);
  std::vector<std::string> expected;
  for (size_t length = 0; length <= kLongest; ++length) expected.push_back(referenceEncode(source.substr(0, length)));
  std::vector<unsigned char> in(kLongest + kSlack);
  std::string out(base64Length(kLongest) + kSlack + 2 * kGuard, '#');
  for (Base64Encoder encoder : kEveryEncoder) {
    if (!base64EncoderRuns(encoder)) continue;
    SCOPED_TRACE(nameOf(encoder));
    for (size_t inAt = 0; inAt < kSlack; ++inAt) {
      std::copy(source.begin(), source.begin() + kLongest, in.begin() + inAt);
      for (size_t outAt = kGuard; outAt < kGuard + kSlack; ++outAt) {
        for (size_t length = 0; length <= kLongest; ++length) {
          std::fill(out.begin(), out.end(), '#');
          base64EncodeWith(encoder, in.data() + inAt, length, out.data() + outAt);
          const std::string& want = expected[length];
          ASSERT_EQ(out.compare(outAt, want.size(), want), 0) << length << " bytes at +" << inAt << " to +" << outAt;
          ASSERT_EQ(out.find_first_not_of('#', outAt + want.size()), std::string::npos) << length << " bytes";
          ASSERT_EQ(out.find_last_not_of('#', outAt - 1), std::string::npos) << length << " bytes";
        }
      }
    }
  }
}

TEST(EmbedBase64, EveryEncoderHereOnLongInputAndEveryByteValue) {
  std::mt19937 random(5);
  std::string bytes = randomBytes(1 << 20, random);
  for (int i = 0; i < 256 * 3; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  std::string expected = referenceEncode(bytes);
  for (Base64Encoder encoder : kEveryEncoder) {
    if (!base64EncoderRuns(encoder)) continue;
    std::string out(expected.size(), '?');
    base64EncodeWith(encoder, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out.data());
    EXPECT_TRUE(out == expected) << nameOf(encoder);
  }
}

// base64Encode takes the fastest encoder that runs here, and never one that
// does not.
TEST(EmbedBase64, TheChosenEncoderRunsHereAndNoneThatRunsIsFaster) {
  Base64Encoder chosen = fastestBase64Encoder();
  EXPECT_TRUE(base64EncoderRuns(chosen));
  for (Base64Encoder encoder : kEveryEncoder) {
    bool faster = static_cast<int>(encoder) > static_cast<int>(chosen);
    EXPECT_FALSE(faster && base64EncoderRuns(encoder)) << nameOf(encoder);
  }
}
