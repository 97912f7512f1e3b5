#include "script/mime_types.h"

const MimeTypeRow kMimeTypes[kMimeTypeCount] = {
    {u"png", u"image/png"},          {u"jpg", u"image/jpeg"},       {u"jpeg", u"image/jpeg"},
    {u"gif", u"image/gif"},          {u"bmp", u"image/bmp"},        {u"webp", u"image/webp"},
    {u"ico", u"image/x-icon"},       {u"svg", u"image/svg+xml"},    {u"avif", u"image/avif"},
    {u"apng", u"image/apng"},        {u"html", u"text/html"},       {u"htm", u"text/html"},
    {u"txt", u"text/plain"},         {u"csv", u"text/csv"},         {u"xml", u"application/xml"},
    {u"json", u"application/json"},  {u"md", u"text/plain"},        {u"mp3", u"audio/mpeg"},
    {u"wav", u"audio/wav"},          {u"ogg", u"audio/ogg"},        {u"flac", u"audio/flac"},
    {u"aac", u"audio/aac"},          {u"wma", u"audio/x-ms-wma"},   {u"m4a", u"audio/mp4"},
    {u"mp4", u"video/mp4"},          {u"webm", u"video/webm"},      {u"avi", u"video/x-msvideo"},
    {u"mkv", u"video/x-matroska"},   {u"mov", u"video/quicktime"},
};

const char16_t* mimeTypeForExtension(const std::u16string& extension) {
  for (const MimeTypeRow& row : kMimeTypes)
    if (extension == row.extension) return row.mimeType;
  return nullptr;
}
