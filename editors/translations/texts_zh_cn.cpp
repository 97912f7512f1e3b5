// Simplified Chinese dialog texts. The format is described at the top of texts_de.cpp.
#include "editors/translations/text_table.h"

namespace {
const TextPair kPairs[] = {
    kEndOfTexts,
};
}  // namespace

// Not the bare "zh": Traditional Chinese lists ("zh-TW", "zh-HK") reach it
// as their neutral, and their authors expect Traditional characters.
const TextTable kTextsZhCn = {u"zh-CN|zh-SG|zh-Hans", kPairs};
