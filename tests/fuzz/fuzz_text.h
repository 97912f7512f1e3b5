#pragma once
// Fuzz input read as UTF-16 text: two bytes a unit, little end first, and
// cut into fields at the unit U+0000.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

inline std::u16string fuzzText(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  return text;
}

// Exactly `count` fields; missing ones are empty, surplus text joins the last.
inline std::vector<std::u16string> fuzzFields(const std::u16string& text, size_t count) {
  std::vector<std::u16string> fields(count);
  size_t field = 0;
  for (char16_t c : text) {
    if (c == 0 && field + 1 < count) ++field;
    else fields[field].push_back(c);
  }
  return fields;
}

// Stops the run with the broken rule; libFuzzer keeps the input.
inline void fuzzRequire(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "oracle: %s\n", rule);
  std::abort();
}
