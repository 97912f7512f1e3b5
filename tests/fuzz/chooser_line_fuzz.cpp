// Chooser lines: a header gives no property, a found separator gives the
// text before it, and a line composed as the chooser composes it (a name
// without spaces, the separator, a description) gives the name back.
#include "catalogue/property_chooser.h"
#include "tests/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = fuzzText(data, size);
  std::u16string property = propertyFromChooserLine(text);
  const std::u16string separator = kPropertyLineSeparator;
  if (text.compare(0, 3, u"---") == 0) {
    fuzzRequire(property.empty(), "a header line gives a property");
  } else {
    size_t found = text.find(separator);
    if (found != std::u16string::npos && found > 0)
      fuzzRequire(property == text.substr(0, found), "not the text before the first separator");
  }

  std::vector<std::u16string> f = fuzzFields(text, 2);
  std::u16string name;
  for (char16_t c : f[0])
    if (c != u' ') name.push_back(c);
  if (name.empty() || name.compare(0, 3, u"---") == 0) return 0;
  std::u16string line = name + separator + f[1];
  fuzzRequire(propertyFromChooserLine(line) == name, "a composed line does not give its name back");
  return 0;
}
