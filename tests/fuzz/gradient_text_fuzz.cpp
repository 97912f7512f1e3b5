// Gradient texts: the builder's composition puts type, angle and colours in
// as given, and the texts that read a colour out of a gradient value (the
// swatches, "Pick Color..." on a background holding a gradient) take any of
// them without harm.
#include "editors/color_text.h"
#include "editors/gradient_builder.h"
#include "tests/fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::u16string> f = fuzzFields(fuzzText(data, size), 4);
  std::u16string gradient = composeGradientText(f[0], f[1], f[2], f[3]);
  std::u16string wanted = f[0] == u"radial" ? u"radial-gradient(circle," + f[2] + u"," + f[3] + u")"
                                            : u"linear-gradient(" + f[1] + u"deg," + f[2] + u"," + f[3] + u")";
  fuzzRequire(gradient == wanted, "the gradient text is not its parts as given");
  for (const std::u16string& text : {gradient, f[2], f[3]}) {
    std::u16string color = normalizeColor(text);
    fuzzRequire(color.size() == 7 && color[0] == u'#', "a gradient's colour reading gives #rrggbb's shape");
    colorFromText(text);
  }
  return 0;
}
