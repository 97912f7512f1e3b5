#pragma once
// The texts of the dialogs in the author's language. Every text a dialog
// shows is written in the code in English, and that English text is the
// key by which its translation is found (editors/translations). What goes
// into a parameter, the preview or the layout is never looked up.
//
// The language is chosen when a dialog opens, from the languages Windows
// reports for the calling thread, and holds until that dialog closes.
#include <string>

#include "editors/translations/text_table.h"

// Chooses the language of the dialog about to open; the one chosen before
// it returns when the dialog's scope ends, so that a dialog opened over
// another leaves the other's language as it was.
struct DialogLanguage {
  DialogLanguage();
  ~DialogLanguage();
  DialogLanguage(const DialogLanguage&) = delete;
  DialogLanguage& operator=(const DialogLanguage&) = delete;
  const TextTable* previous;
};

// The text in the chosen language; `english` itself when the table lacks
// it. Null stays null.
const char16_t* localized(const char16_t* english);
std::u16string localized(const std::u16string& english);
// The English text whose translation `shown` is, for a drop-down entry read
// back; `shown` itself when it is no translation.
std::u16string englishOf(const std::u16string& shown);
// Whether the chosen language translates `english` (English translates
// nothing): tells a missing translation from one that reads as the English.
bool isTranslated(const std::u16string& english);
// A catalogue example ("e.g. Click Me", "e.g. 0 or -1") in the chosen
// language: the lead-in "e.g.", the word "or" between alternatives, and
// each alternative that is a listed text; syntax stays as it is.
std::u16string localizedExample(const std::u16string& example);

// ---- The tables and the choice, open to tests ----

// The translation tables, one per language. English has none: its texts are
// the keys, and it serves "en".
int textTableCount();
const TextTable& textTableAt(int index);
// Tests play other tables through this; null (or a count of 0) restores the
// built-in ones.
void useTextTables(const TextTable* const* tables, int count);

// The table for a language list in the platform's form ("de-AT\0en-US\0\0"):
// for each name in turn, a table serving it exactly, then one serving a
// shorter form of it ("zh-Hans-CN", "zh-Hans", "zh"); English when none
// does. Null gives English.
const TextTable& textTableForLanguages(const char16_t* languages);
// The table the dialogs use now; English has no pairs.
const TextTable& dialogTextTable();
// Tests on a platform whose thread languages they cannot set play a table
// through this: the dialogs opened from then on take `table` whatever the
// thread reports; null returns the choice to the thread's languages.
void playDialogLanguage(const TextTable* table);
