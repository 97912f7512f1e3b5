#pragma once
// Reading a sent script as a JavaScript tokenizer reads it: the text outside
// string literals (the template's fixed text) and what each single-quoted
// literal holds once its escapes are read. The execution fuzzer compares
// both with the template filled with the author's raw texts.
#include <string>
#include <vector>

struct ScannedScript {
  bool ok = false;          // false: a literal runs to the end or holds a raw line break
  std::u16string outside;   // the text outside the literals, each literal as ''
  std::vector<std::u16string> literals;  // the literals' values, in order
};
ScannedScript scanScript(const std::u16string& script);

// A hole of a template and the raw author text it stands for.
struct RawHole {
  char16_t name;
  std::u16string value;
};
// What `templateText` sends when each hole holds its raw text and stays
// inside its literal: the template scanned with the holes as markers, then
// the markers in the literals replaced by the raw texts.
ScannedScript expectedScan(const std::u16string& templateText, const std::vector<RawHole>& holes);
