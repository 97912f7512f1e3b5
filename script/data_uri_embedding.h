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

// The longest string the script engine of a Chromium-based web view holds,
// in UTF-16 characters. The script Kesto passes on must be one such string,
// so a data URI whose line would be longer can never be shown.
constexpr uint64_t kLongestWebViewString = 536870888;

// What embedding a path would take, once every test on it has passed.
struct EmbedPlan {
  const char16_t* mimeType = nullptr;
  uint64_t fileBytes = 0;
  uint64_t dataUriBytes = 0;  // "data:", the type, ";base64," and the base64 text
};
// True when `path` starts with a drive letter, has an embedded extension and
// names an existing file of at least one byte whose data URI, with
// `surroundingCharacters` of other text on its line, fits one web-view
// string. Only the file's size is asked, the file is not opened.
bool planFileEmbedding(const std::u16string& path, uint64_t surroundingCharacters, EmbedPlan& plan);

// The file's data URI, read and encoded in one piece. False, with nothing
// in `dataUri`, where the file is not embedded: a failed test (the data URI
// alone too long for the web view), an open or allocation that fails, or a
// read that does not give exactly the file's size (it shrank, grew or failed).
// It holds the content three times over (bytes, base64, UTF-16 text), so it
// suits small files and serves as the plain form the streamed one is
// checked against; ZUVO_Set itself uses embedFileIntoHostString.
bool embedFileAsDataUri(const std::u16string& path, std::u16string& dataUri);

// The same data URI written straight into one host string between `before`
// and `after`, reading the file piece by piece, so that nothing but a small
// read buffer is held beside the result. Null where embedFileAsDataUri
// gives false, where the whole line would be too long for the web view, or
// when the host string cannot be allocated.
HostString embedFileIntoHostString(const std::u16string& before, const std::u16string& path,
                                   const std::u16string& after);

// The bytes read at a time by embedFileIntoHostString: a multiple of three,
// so that no piece's base64 text carries padding.
constexpr size_t kEmbedReadChunkBytes = 3 * 256 * 1024;
