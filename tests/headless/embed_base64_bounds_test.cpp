// The vector encoders read whole vectors: none may read past the input's
// last byte. Here the input ends right at a page that cannot be read, so a
// read beyond it ends the test with a fault (native only: it needs mmap).
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "script/base64.h"

TEST(EmbedBase64Bounds, NoEncoderReadsPastTheInput) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  void* mapped = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(mapped, MAP_FAILED);
  auto* pages = static_cast<unsigned char*>(mapped);
  for (size_t i = 0; i < page; ++i) pages[i] = static_cast<unsigned char>(i * 31 + 7);
  ASSERT_EQ(mprotect(pages + page, page, PROT_NONE), 0);
  for (Base64Encoder encoder : {Base64Encoder::pairTable, Base64Encoder::ssse3, Base64Encoder::avx2}) {
    if (!base64EncoderRuns(encoder)) continue;
    for (size_t length = 0; length <= 200; ++length) {
      const unsigned char* in = pages + page - length;
      std::string expected(base64Length(length), '?'), got(base64Length(length), '?');
      base64EncodeWith(Base64Encoder::pairTable, in, length, expected.data());
      base64EncodeWith(encoder, in, length, got.data());
      ASSERT_EQ(got, expected) << "encoder " << static_cast<int>(encoder) << ", " << length << " bytes";
    }
  }
  munmap(mapped, 2 * page);
}
