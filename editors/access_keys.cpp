#include "editors/access_keys.h"

#include "platform/text_case.h"

namespace {
// Characters that a keyboard types directly, with Alt, in the alphabets of
// the dialogs' languages: Latin, Greek, Cyrillic and Arabic letters and the
// digits. The ideographs, kana and Hangul of the East Asian languages come
// through an input method, so those captions take a Latin key instead.
bool typedDirectly(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         (c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7) || (c >= 0x0386 && c <= 0x03FF) ||
         (c >= 0x0400 && c <= 0x04FF) || (c >= 0x0621 && c <= 0x064A);
}

bool startsWord(const std::u16string& text, size_t at) {
  if (at == 0) return true;
  char16_t before = text[at - 1];
  return before == u' ' || before == u'-' || before == u'/' || before == u'(' || before == 0x00A0;
}

std::u16string keyOf(char16_t c) { return lowerCaseText(std::u16string(1, c)); }

bool isFree(char16_t c, const AccessKeys& keys) { return keys.taken.find(keyOf(c)) == std::u16string::npos; }

// The position in `text` of the first free key, word starts first; npos
// when there is none.
size_t freeKeyAt(const std::u16string& text, const AccessKeys& keys) {
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < text.size(); ++i)
      if (typedDirectly(text[i]) && (pass == 1 || startsWord(text, i)) && isFree(text[i], keys)) return i;
  return std::u16string::npos;
}

std::u16string doubledAmpersands(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text) {
    out += c;
    if (c == u'&') out += u'&';
  }
  return out;
}

// Where a bracketed key goes: before a closing colon or "...", as in
// "名前(&N):" and "参照(&B)...".
size_t bracketPlace(const std::u16string& caption) {
  size_t end = caption.size();
  while (end > 0 && caption[end - 1] == u' ') --end;
  if (end >= 3 && caption.compare(end - 3, 3, u"...") == 0) return end - 3;
  if (end >= 1 && (caption[end - 1] == u':' || caption[end - 1] == 0xFF1A)) return end - 1;
  return end;
}

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// A free Latin letter for a caption without one of its own: from its
// English text, word starts first, then any letter or digit.
char16_t freeLatinKey(const std::u16string& english, const AccessKeys& keys) {
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < english.size(); ++i) {
      char16_t c = english[i];
      if (c < 0x80 && typedDirectly(c) && (pass == 1 || startsWord(english, i)) && isFree(c, keys)) return asciiUpper(c);
    }
  for (char16_t c = u'A'; c <= u'Z'; ++c)
    if (isFree(c, keys)) return c;
  for (char16_t c = u'0'; c <= u'9'; ++c)
    if (isFree(c, keys)) return c;
  return 0;
}
}  // namespace

std::u16string withNoAccessKey(const std::u16string& caption) { return doubledAmpersands(caption); }

std::u16string withAccessKey(const std::u16string& caption, const std::u16string& english, AccessKeys& keys) {
  size_t at = freeKeyAt(caption, keys);
  if (at != std::u16string::npos) {
    keys.taken += keyOf(caption[at]);
    return doubledAmpersands(caption.substr(0, at)) + u'&' + doubledAmpersands(caption.substr(at));
  }
  char16_t key = freeLatinKey(english, keys);
  if (!key) return doubledAmpersands(caption);
  keys.taken += keyOf(key);
  size_t place = bracketPlace(caption);
  return doubledAmpersands(caption.substr(0, place)) + u"(&" + key + u')' + doubledAmpersands(caption.substr(place));
}
