#pragma once
// The language of the interface: French, the program's own, or English.
// Only what the official reads changes; every file the program writes is
// the same byte for byte in both.
#include <optional>
#include <string_view>

class QCoreApplication;

namespace ksy {

enum class InterfaceLanguage { French, English };

// "fr" or "en" (the value of --lang and of the setting); nothing otherwise.
std::optional<InterfaceLanguage> interfaceLanguageFromCode(std::string_view code);
const char* interfaceLanguageCode(InterfaceLanguage language);

// The language asked by "--lang fr|en" among the program's arguments;
// French when none is given (or the value is not known: the options report it).
InterfaceLanguage interfaceLanguageOfArguments(int argc, char** argv);

// Chooses the process locale for the language (before the application object
// exists: Qt reads it once).
void chooseInterfaceLocale(InterfaceLanguage language);

// Installs the program's catalogues for the language (built in as resources),
// Qt's own, and the translator of the core's texts. French installs no
// catalogue of the program: its texts are the source texts.
void installInterfaceLanguage(QCoreApplication& app, InterfaceLanguage language);

// Takes out every catalogue installInterfaceLanguage put in, and the core's
// translator: the texts are the code's French again.
void removeInterfaceLanguage();

// The language installed last (French until then).
InterfaceLanguage currentInterfaceLanguage();

} // namespace ksy
