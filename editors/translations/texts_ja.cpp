// Japanese dialog texts. The format is described at the top of texts_de.cpp.
#include "editors/translations/text_table.h"

namespace {
const TextPair kPairs[] = {
    kEndOfTexts,
};
}  // namespace

const TextTable kTextsJa = {u"ja", kPairs};
