// zuvo-catalogue: the control types and the property catalogue for people
// and scripts. Without options it prints the Markdown property reference.
#include <string>
#include <vector>

#include "catalogue/property_catalogue.h"
#include "editors/dialog_texts.h"
#include "tools/zuvo-catalogue/listings.h"
#include "tools/zuvo-catalogue/reference_markdown.h"
#include "tools/zuvo-catalogue/tool_text.h"
#include "tools/shared/program.h"
#include "ui/ui.h"

namespace {
const char kUsage[] =
    "usage: zuvo-catalogue                         the property reference as Markdown\n"
    "       zuvo-catalogue --language NAME         the property reference in a dialog language\n"
    "       zuvo-catalogue --languages             the dialog languages and their writing direction\n"
    "       zuvo-catalogue --tsv                   every property record\n"
    "       zuvo-catalogue --types                 the control types with their ID prefixes\n"
    "       zuvo-catalogue --detect ID...          the control type each ID names\n"
    "       zuvo-catalogue --chooser TYPE [PROPERTY]  the property drop-down for a type";

int usageError() {
  printError(kUsage);
  return 2;
}

int runChooser(const std::vector<std::u16string>& arguments) {
  if (arguments.size() < 2 || arguments.size() > 3) return usageError();
  uiRuntimeStart(programInstance());
  bool shown = printChooserEntries(arguments[1], arguments.size() == 3 ? arguments[2] : std::u16string());
  if (!shown) printError("zuvo-catalogue: no window for the drop-down could be created");
  uiRuntimeStop();
  return shown ? 0 : 1;
}

// The reference in the dialog language NAME ("de", "pt-BR"), found as the
// dialogs find theirs; English is not one of them, since it is the default.
int runTranslatedReference(const std::u16string& name) {
  std::u16string list = name + u'\0';
  const TextTable& table = textTableForLanguages(list.c_str());
  if (&table == &textTableForLanguages(nullptr)) {
    printError("zuvo-catalogue: no dialog language " + utf16ToUtf8(name));
    return 2;
  }
  return printTranslatedReference(table) ? 0 : 1;
}

int runTool(const std::vector<std::u16string>& arguments) {
  if (arguments.empty()) {
    printPropertyReference();
    return 0;
  }
  const std::u16string& mode = arguments[0];
  if (mode == u"--tsv" && arguments.size() == 1) printRecordTable();
  else if (mode == u"--types" && arguments.size() == 1) printTypeTable();
  else if (mode == u"--languages" && arguments.size() == 1) printLanguages();
  else if (mode == u"--language" && arguments.size() == 2) return runTranslatedReference(arguments[1]);
  else if (mode == u"--detect") printDetectedTypes({arguments.begin() + 1, arguments.end()});
  else if (mode == u"--chooser") return runChooser(arguments);
  else return usageError();
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  setUpPropertyCatalogueTable();
  int result = runTool(programArguments(argc, argv));
  releasePropertyCatalogueTable();
  return result;
}
