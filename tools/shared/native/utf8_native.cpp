// The C library's converter, iconv. It stops at what is not valid in the
// source encoding; that unit is replaced with U+FFFD and skipped, as the
// Windows converter does.
#include <iconv.h>

#include <bit>
#include <cerrno>

#include "tools/shared/utf8.h"

namespace {
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// `unit` is the number of bytes skipped past an invalid sequence.
std::string convert(const char* to, const char* from, const std::string& in, const std::string& replacement,
                    size_t unit) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out;
  char* source = const_cast<char*>(in.data());
  size_t sourceLeft = in.size();
  char buffer[4096];
  while (sourceLeft > 0) {
    char* target = buffer;
    size_t targetLeft = sizeof buffer;
    size_t result = iconv(converter, &source, &sourceLeft, &target, &targetLeft);
    out.append(buffer, static_cast<size_t>(target - buffer));
    if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
    out += replacement;  // EILSEQ, or EINVAL for a sequence cut off at the end
    size_t skip = sourceLeft < unit ? sourceLeft : unit;
    source += skip;
    sourceLeft -= skip;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(converter);
  return out;
}

const char16_t kReplacement = u'\uFFFD';
}  // namespace

std::u16string utf8ToUtf16(const std::string& text) {
  std::string replacement(reinterpret_cast<const char*>(&kReplacement), sizeof kReplacement);
  std::string bytes = convert(kUtf16, "UTF-8", text, replacement, 1);
  std::u16string out(bytes.size() / sizeof(char16_t), u'\0');
  bytes.copy(reinterpret_cast<char*>(out.data()), out.size() * sizeof(char16_t));
  return out;
}

std::string utf16ToUtf8(const std::u16string& text) {
  std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  return convert("UTF-8", kUtf16, bytes, "\xEF\xBF\xBD", sizeof(char16_t));
}
