// German dialog texts.
//
// The format of every texts_XX.cpp:
//
// - The file is UTF-8. Each pair is one entry of kPairs:
//       {u"English text", u"translation"},
//   The English text is copied exactly from english-texts.txt, where a line
//   break shows as the two characters \r\n; write it the same way here, in
//   both texts. A double quote inside a text is written \".
// - The pairs may stand in any order; each English text appears once.
//   kEndOfTexts stays the last entry.
// - A text the table lacks, or whose translation is empty, is shown in
//   English.
// - What must come through a translation unchanged, the same number of
//   times: line breaks (\r\n), bracketed names such as [PubDir] or
//   [ZUVO.PropValue], IDs and names with an underscore (btn_submit,
//   :ZUVO_OnPropValue), colours (#rrggbb, rgba(r,g,b,a)), numbers, the "|"
//   separators of sample lists, the dashes around the drop-down entries
//   ("-- ... --", "--- ... ---"), a closing "..." or ":", file patterns
//   (*.png), HTML tags (<b>), time and date formats (HH:MM:SS) and the words
//   Kesto, Tavix, ZUVO, Zezovadu and WebView2. A test checks this.
// - `kTextsXx` and its language names stay as they are: the names are
//   matched against the languages Windows reports for the author.
#include "editors/translations/text_table.h"

namespace {
const TextPair kPairs[] = {
    kEndOfTexts,
};
}  // namespace

const TextTable kTextsDe = {u"de", kPairs};
