#pragma once
// Access keys: Alt and a letter moves to a field (through the label before
// it) or clicks a button. Within one dialog every key is unique, in every
// language, so each caption takes a key that its dialog has not given yet.
#include <string>

#include "ui/caption_marks.h"

struct AccessKeys {
  std::u16string taken;  // the keys given so far, lower-cased
};

// `caption` with its access key marked by "&" in front of it, chosen among
// the keys that `keys` has not given yet, which it then takes; a "&" of the
// caption's own is doubled, so that it shows as itself. The key is, in this
// order: the first letter of a word, any other letter or digit, and where
// the caption has none left (a script without letters of its own, such as
// Japanese), a Latin letter of `english` (the caption's English text), then
// any, appended in brackets as Windows does in those languages:
// "名前(&N):".
std::u16string withAccessKey(const std::u16string& caption, const std::u16string& english, AccessKeys& keys);
// `caption` for a place that reads access keys, with none: a "&" of its
// own doubled.
std::u16string withNoAccessKey(const std::u16string& caption);
