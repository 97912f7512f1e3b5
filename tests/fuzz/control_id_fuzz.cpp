// Control ID detection: a detected type is one of the 32 listed types and
// its ID holds an underscore, before which stands, in some letter case, one
// of that type's prefixes; drop-down positions and type names convert into
// each other.
#include "catalogue/control_types.h"
#include "platform/text_case.h"
#include "tests/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string id = fuzzText(data, size);
  std::u16string type = detectControlType(id);
  if (!type.empty()) {
    fuzzRequire(controlTypePosition(type) > 0 && type != kStyleTypeName, "detected type is not a listed type");
    size_t underscore = id.find(u'_');
    fuzzRequire(underscore != std::u16string::npos && underscore > 0, "a type detected without a prefix");
    std::u16string prefix = lowerCaseText(id.substr(0, underscore));
    bool named = false;
    for (int i = 0; i < controlTypePrefixCount(); ++i) {
      const ControlTypePrefix& p = controlTypePrefixAt(i);
      named = named || (prefix == p.prefix && type == p.typeName);
    }
    fuzzRequire(named, "the prefix does not name the detected type");
  }
  int position = size ? static_cast<int8_t>(data[0]) : 0;
  std::u16string at = controlTypeAt(position);
  fuzzRequire(controlTypePosition(at) == (position >= 1 && position <= 33 ? position : 0),
              "position and type name do not convert into each other");
  fuzzRequire(controlTypePosition(id) == 0 || controlTypeAt(controlTypePosition(id)) == id,
              "a type name's position does not give it back");
  return 0;
}
