#pragma once
// Local files sent inline as data URIs ("data:image/png;base64,...") where
// ZUVO_Set gives a file-valued property a local path: the page in the web
// view cannot reach the author's files itself.
#include <cstdint>
#include <string>

#include "host/host_api.h"

// True for the properties that take a file: src, image, filename and
// filepath, in any case.
bool isFileValuedProperty(const std::u16string& property);
// The lower-cased text after the last dot of `path`, cut at a double quote;
// empty when the path has none (the search back stops at a slash, a
// backslash or a blank, and a dot right after a separator does not count).
std::u16string fileExtensionOf(const std::u16string& path);

// What embedding a path would take, once every test on it has passed.
struct EmbedPlan {
  const char16_t* mimeType = nullptr;
  uint64_t fileBytes = 0;
  uint64_t dataUriBytes = 0;  // "data:", the type, ";base64," and the base64 text
};
// True when `path` starts with a drive letter, has an embedded extension and
// names an existing file of at least one byte and below 2 GiB.
bool planFileEmbedding(const std::u16string& path, EmbedPlan& plan);

// The file's data URI, read and encoded in one piece. False, with nothing
// in `dataUri`, where the file is not embedded: a failed test, an open or
// allocation that fails, or a read that returns less than the file's size.
// It holds the content three times over (bytes, base64, UTF-16 text), so it
// suits small files and serves as the plain form the streamed one is
// checked against; ZUVO_Set itself uses embedFileIntoHostString.
bool embedFileAsDataUri(const std::u16string& path, std::u16string& dataUri);

// The same data URI written straight into one host string between `before`
// and `after`, reading the file piece by piece, so that nothing but a small
// read buffer is held beside the result. Null where embedFileAsDataUri
// gives false, or when the host string cannot be allocated.
HostString embedFileIntoHostString(const std::u16string& before, const std::u16string& path,
                                   const std::u16string& after);

// The bytes read at a time by embedFileIntoHostString: a multiple of three,
// so that no piece's base64 text carries padding.
constexpr size_t kEmbedReadChunkBytes = 3 * 256 * 1024;
