#pragma once
// The media types of the file extensions that are embedded as data URIs.
#include <string>

// The MIME type for a lower-case extension ("png" gives "image/png"), or
// null for an extension that is not embedded.
const char16_t* mimeTypeForExtension(const std::u16string& extension);

struct MimeTypeRow {
  const char16_t* extension;
  const char16_t* mimeType;
};
constexpr int kMimeTypeCount = 29;
extern const MimeTypeRow kMimeTypes[kMimeTypeCount];
