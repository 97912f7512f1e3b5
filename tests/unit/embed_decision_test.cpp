// When ZUVO_Set embeds a file as a data URI, and what it sends otherwise.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/action_table.h"
#include "script/data_uri_embedding.h"
#include "script/mime_types.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

namespace {
std::string setProp(const std::string& control, const std::string& property, const std::string& value) {
  return tavix("R", "window.ZUVO.setProp('" + control + "','" + property + "','" + value + "');");
}

std::string sentForValue(const std::u16string& property, const std::u16string& value) {
  return sentBy(kZuvoSet, {u"R", u"image:img", property, value});
}

// The path as it goes when it is sent as text: escaped like any value.
std::string asText(const std::u16string& path) {
  std::string escaped;
  for (char16_t c : path) {
    if (c == u'\\') escaped += "\\\\";
    else escaped.push_back(static_cast<char>(c));
  }
  return escaped;
}

const char kPngBytes[] = "\x89PNG\r\n\x1a\n";
const std::string kPng(kPngBytes, 8);
const std::string kPngBase64 = "iVBORw0KGgo=";
}  // namespace

TEST(EmbedDecision, FileValuedPropertiesInAnyCase) {
  for (const char16_t* name : {u"src", u"Image", u"FILENAME", u"filePath"}) EXPECT_TRUE(isFileValuedProperty(name));
  for (const char16_t* name : {u"bgImage", u"source", u"src ", u"", u"images"})
    EXPECT_FALSE(isFileValuedProperty(name)) << narrow(name);
}

TEST(EmbedDecision, ExtensionRule) {
  struct Case {
    const char16_t* path;
    const char16_t* extension;
  };
  const Case cases[] = {
      {u"C:\\a.png", u"png"},          {u"C:\\pics\\Logo.PNG", u"png"}, {u"C:/x/a.tar.GZ", u"gz"},
      {u"C:\\a.png\"x", u"png"},       {u"C:\\a.png ", u""},            {u"C:\\a. png", u""},
      {u"C:\\my.pics\\readme", u""},   {u"C:\\pics\\.png", u""},        {u"C:/pics/.png", u""},
      {u"C:\\a.", u""},                {u"C:\\a b.mp4", u"mp4"},        {u"photo.JPEG", u"jpeg"},
      {u"C:\\noext", u""},             {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(fileExtensionOf(c.path), c.extension) << narrow(c.path);
}

TEST(EmbedDecision, MimeTable) {
  const MimeTypeRow expected[] = {
      {u"png", u"image/png"},         {u"jpg", u"image/jpeg"},     {u"jpeg", u"image/jpeg"},
      {u"gif", u"image/gif"},         {u"bmp", u"image/bmp"},      {u"webp", u"image/webp"},
      {u"ico", u"image/x-icon"},      {u"svg", u"image/svg+xml"},  {u"avif", u"image/avif"},
      {u"apng", u"image/apng"},       {u"html", u"text/html"},     {u"htm", u"text/html"},
      {u"txt", u"text/plain"},        {u"csv", u"text/csv"},       {u"xml", u"application/xml"},
      {u"json", u"application/json"}, {u"md", u"text/plain"},      {u"mp3", u"audio/mpeg"},
      {u"wav", u"audio/wav"},         {u"ogg", u"audio/ogg"},      {u"flac", u"audio/flac"},
      {u"aac", u"audio/aac"},         {u"wma", u"audio/x-ms-wma"}, {u"m4a", u"audio/mp4"},
      {u"mp4", u"video/mp4"},         {u"webm", u"video/webm"},    {u"avi", u"video/x-msvideo"},
      {u"mkv", u"video/x-matroska"},  {u"mov", u"video/quicktime"},
  };
  for (const MimeTypeRow& row : expected)
    EXPECT_EQ(std::u16string(mimeTypeForExtension(row.extension)), row.mimeType) << narrow(row.extension);
  for (const char16_t* unknown : {u"tiff", u"PNG", u"", u"pn", u"mp4 ", u"exe"})
    EXPECT_EQ(mimeTypeForExtension(unknown), nullptr) << narrow(unknown);
}

TEST(EmbedDecision, ExistingFileIsSentAsDataUri) {
  std::u16string png = writeScratchFile("Logo.PNG", kPng);
  // The property keeps the case it was written in.
  EXPECT_EQ(sentForValue(u"Image", png), setProp("img", "Image", "data:image/png;base64," + kPngBase64));
  std::u16string text = writeScratchFile("abc.txt", "abc");
  EXPECT_EQ(sentForValue(u"src", text), setProp("img", "src", "data:text/plain;base64,YWJj"));
  std::u16string uri;
  ASSERT_TRUE(embedFileAsDataUri(text, uri));
  EXPECT_EQ(uri, u"data:text/plain;base64,YWJj");
}

TEST(EmbedDecision, EveryMimeTypeReachesTheDataUri) {
  for (const MimeTypeRow& row : kMimeTypes) {
    std::u16string path = writeScratchFile("every." + narrow(row.extension), "ab");
    EXPECT_EQ(sentForValue(u"filename", path), setProp("img", "filename", "data:" + narrow(row.mimeType) + ";base64,YWI="));
  }
}

TEST(EmbedDecision, EachConditionFailingAloneSendsTheValueAsText) {
  std::u16string png = writeScratchFile("alone.png", kPng);
  // 1: not a file-valued property, although the catalogue calls it a file.
  EXPECT_EQ(sentForValue(u"bgImage", png), setProp("img", "bgImage", asText(png)));
  // 2: the same file without its drive letter.
  std::u16string noDrive = png.substr(2);
  EXPECT_EQ(sentForValue(u"src", noDrive), setProp("img", "src", asText(noDrive)));
  // 3: no extension, 4: an extension outside the table.
  std::u16string bare = writeScratchFile("alone", kPng);
  EXPECT_EQ(sentForValue(u"src", bare), setProp("img", "src", asText(bare)));
  std::u16string tiff = writeScratchFile("alone.tiff", kPng);
  EXPECT_EQ(sentForValue(u"src", tiff), setProp("img", "src", asText(tiff)));
  // 5: missing, empty, or a directory.
  std::u16string missing = authorPath(scratchDirectory() / "missing.png");
  EXPECT_EQ(sentForValue(u"src", missing), setProp("img", "src", asText(missing)));
  std::u16string empty = writeScratchFile("empty.png", "");
  EXPECT_EQ(sentForValue(u"src", empty), setProp("img", "src", asText(empty)));
  std::filesystem::create_directories(scratchDirectory() / "folder.png");
  std::u16string folder = authorPath(scratchDirectory() / "folder.png");
  EXPECT_EQ(sentForValue(u"src", folder), setProp("img", "src", asText(folder)));
}

TEST(EmbedDecision, PathsThatAreNeverEmbedded) {
  for (const char16_t* value : {u"pics\\logo.png", u"\\\\server\\share\\a.png", u"C:", u"C:\\a.png ",
                                u"https://example.com/a.png", u""}) {
    EXPECT_EQ(sentForValue(u"src", value), setProp("img", "src", asText(value))) << narrow(value);
  }
}
