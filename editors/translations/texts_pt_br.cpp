// Brazilian Portuguese dialog texts. The format is described at the top of texts_de.cpp.
#include "editors/translations/text_table.h"

namespace {
const TextPair kPairs[] = {
    kEndOfTexts,
};
}  // namespace

// Portuguese of Portugal ("pt-PT") comes here too, by its neutral "pt":
// closer to its authors than English.
const TextTable kTextsPtBr = {u"pt-BR|pt", kPairs};
