#pragma once
// Access-key marks in captions, as Windows reads them in labels and
// buttons: "&" marks the next character as the access key, drawn
// underlined; "&&" shows one "&".
#include <string>

// The caption without its access key: its marks taken out, and a key
// added in brackets ("名前(&N):", where the caption has no letter of its
// own to mark) taken out whole.
inline std::u16string withoutAccessKey(const std::u16string& caption) {
  std::u16string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption.compare(i, 2, u"(&") == 0 && i + 3 < caption.size() && caption[i + 2] != u'&' &&
        caption[i + 3] == u')') {
      i += 3;
      continue;
    }
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// The caption as it is drawn: the marks taken out (a key in brackets stays,
// drawn underlined).
inline std::u16string drawnCaption(const std::u16string& caption) {
  std::u16string drawn;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    drawn += caption[i];
  }
  return drawn;
}

// The key marked in a caption, or 0 when it has none.
inline char16_t accessKeyOf(const std::u16string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1];
    ++i;
  }
  return 0;
}
