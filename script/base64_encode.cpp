// base64Encode on its own, so that a benchmark build can put an encoder that
// costs nothing in its place and measure what the rest of embedding takes.
#include "script/base64.h"

void base64Encode(const unsigned char* in, size_t bytes, char* out) {
  static const Base64Encoder chosen = fastestBase64Encoder();
  base64EncodeWith(chosen, in, bytes, out);
}
