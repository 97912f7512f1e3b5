#include "script/data_uri_embedding.h"

#include "host/host_strings.h"
#include "platform/file_access.h"
#include "platform/text_case.h"
#include "script/base64.h"
#include "script/mime_types.h"

namespace {
constexpr const char16_t* kFileValuedProperties[] = {u"src", u"image", u"filename", u"filepath"};

bool isPathSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

bool startsWithDrive(const std::u16string& path) { return path.size() > 2 && path[1] == u':'; }

std::u16string dataUriHead(const char16_t* mimeType) {
  return std::u16string(u"data:") + mimeType + u";base64,";
}

// True when the file holds nothing beyond what was read: it has not grown
// since its size was taken. A file that changed is not the file measured,
// and what was read of it may be part old and part new content.
bool atEndOfFile(FileHandle file) {
  unsigned char beyond;
  return readFromFile(file, &beyond, 1) == 0;
}

// Reads the whole file into a new buffer; null when it cannot be opened,
// the buffer cannot be had, or the read does not give exactly the size
// taken (the file shrank or grew, or the read failed): embedding zeros or a
// part in place of the content would corrupt it.
unsigned char* readWholeFile(const std::u16string& path, size_t bytes) {
  FileHandle file = openFileForReading(path);
  if (!file) return nullptr;
  unsigned char* buffer = fileBufferAlloc(bytes);
  bool whole = buffer && readFromFile(file, buffer, bytes) == bytes && atEndOfFile(file);
  closeFile(file);
  if (whole) return buffer;
  fileBufferFree(buffer);
  return nullptr;
}

// Reads the open file in pieces of a multiple of three bytes and encodes
// each into `out` as it arrives. False when the buffer or a read fails, or
// the file turns out shorter or longer than `bytes`.
bool streamFileAsBase64(FileHandle file, size_t bytes, char* out) {
  size_t chunk = bytes < kEmbedReadChunkBytes ? bytes : kEmbedReadChunkBytes;
  unsigned char* buffer = fileBufferAlloc(chunk);
  bool complete = buffer != nullptr;
  for (size_t done = 0; complete && done < bytes;) {
    size_t want = bytes - done < chunk ? bytes - done : chunk;
    complete = readFromFile(file, buffer, want) == want;
    if (complete) base64Encode(buffer, want, out);
    out += base64Length(want);
    done += want;
  }
  fileBufferFree(buffer);
  return complete && atEndOfFile(file);
}

void copyAscii(const std::u16string& text, char* out) {
  for (char16_t c : text) *out++ = static_cast<char>(c);
}
}  // namespace

bool isFileValuedProperty(const std::u16string& property) {
  std::u16string lower = lowerCaseText(property);
  for (const char16_t* name : kFileValuedProperties)
    if (lower == name) return true;
  return false;
}

std::u16string fileExtensionOf(const std::u16string& path) {
  for (size_t i = path.size(); i-- > 0;) {
    char16_t c = path[i];
    if (isPathSeparator(c) || c == u' ') return {};
    if (c != u'.') continue;
    if (i > 0 && isPathSeparator(path[i - 1])) return {};
    std::u16string extension = path.substr(i + 1);
    size_t quote = extension.find(u'"');
    if (quote != std::u16string::npos) extension.resize(quote);
    return lowerCaseText(extension);
  }
  return {};
}

// The web view's limit also keeps every size here far inside a 32-bit
// size_t (the line's UTF-16 form included), so no count below can wrap.
bool planFileEmbedding(const std::u16string& path, uint64_t surroundingCharacters, EmbedPlan& plan) {
  if (!startsWithDrive(path)) return false;
  const char16_t* mimeType = mimeTypeForExtension(fileExtensionOf(path));
  if (!mimeType) return false;
  uint64_t size = 0;
  if (!queryFileSize(path, size) || size == 0 || size > kLongestWebViewString) return false;
  uint64_t dataUriBytes = dataUriHead(mimeType).size() + base64Length(size);
  if (dataUriBytes > kLongestWebViewString || surroundingCharacters > kLongestWebViewString - dataUriBytes)
    return false;
  plan.mimeType = mimeType;
  plan.fileBytes = size;
  plan.dataUriBytes = dataUriBytes;
  return true;
}

bool embedFileAsDataUri(const std::u16string& path, std::u16string& dataUri) {
  EmbedPlan plan;
  if (!planFileEmbedding(path, 0, plan)) return false;
  size_t bytes = static_cast<size_t>(plan.fileBytes);
  // Taken before the file's buffer, so that running out of memory here
  // leaves nothing to release.
  std::string base64(static_cast<size_t>(base64Length(bytes)), '\0');
  unsigned char* content = readWholeFile(path, bytes);
  if (!content) return false;
  base64Encode(content, bytes, base64.data());
  fileBufferFree(content);
  dataUri = dataUriHead(plan.mimeType);
  dataUri.append(base64.begin(), base64.end());
  return true;
}

HostString embedFileIntoHostString(const std::u16string& before, const std::u16string& path,
                                   const std::u16string& after) {
  EmbedPlan plan;
  if (!planFileEmbedding(path, before.size() + after.size(), plan) || plan.dataUriBytes > SIZE_MAX) return nullptr;
  std::u16string head = dataUriHead(plan.mimeType);  // before the file and the block are held
  FileHandle file = openFileForReading(path);
  if (!file) return nullptr;
  char* middle = nullptr;
  HostString line = toHostStringAround(before, static_cast<size_t>(plan.dataUriBytes), after, &middle);
  bool complete = false;
  if (line) {
    copyAscii(head, middle);
    complete = streamFileAsBase64(file, static_cast<size_t>(plan.fileBytes), middle + head.size());
  }
  closeFile(file);
  if (complete) return line;
  freeHostString(line);
  return nullptr;
}
