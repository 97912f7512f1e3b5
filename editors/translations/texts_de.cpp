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
// - What must come through a translation unchanged, as many times as in
//   the English text, in any order: line breaks (\r\n); bracketed names and
//   the path after them ([PubDir]photo.jpg, [ZUVO.PropValue]); addresses;
//   CSS functions (rgba(r,g,b,a)); colours (#rrggbb); HTML tags (<b>); file
//   patterns (*.png); time and date formats (HH:MM:SS); names with an
//   underscore (btn_submit, :ZUVO_OnPropValue); the names Kesto, Tavix,
//   ZUVO, Zezovadu and WebView2; joined-up names (OnSaveComplete, TextArea,
//   colIndex); numbers; "..."; the "|" separators; the dashes that open and
//   close a drop-down entry ("-- ... --", "--- ... ---"); and a colon that
//   ends the text, written ":" as Windows writes it in every language.
//   The test TextTableCheck checks this for every pair, and whether the
//   table is complete: ctest --test-dir build/native -R TextTableCheck
// - Some texts are pieces that the dialogs join: "e.g." and "or" with the
//   sample values of an example ("e.g. 0 or -1" shows the translation of
//   "e.g.", " 0 ", that of "or", " -1"), "Valid:" before a list of values,
//   and a window's description after "ZUVO_Set  -  ".
// - `kTextsXx` and its language names stay as they are: the names are
//   matched against the languages Windows reports for the author.
#include "editors/translations/text_table.h"

namespace {
const TextPair kPairs[] = {
    kEndOfTexts,
};
}  // namespace

const TextTable kTextsDe = {u"de", kPairs};
