#pragma once
// Access-key marks in captions, as Windows reads them in labels and
// buttons: "&" marks the next character as the access key, drawn
// underlined; "&&" shows one "&".
#include <string>

// The caption as shown, its marks taken out.
inline std::u16string withoutAccessKey(const std::u16string& caption) {
  std::u16string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
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
