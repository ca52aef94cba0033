#pragma once
// "Réglages" > "Langue / Language": the interface's language, French or
// English, kept for the next start.
#include "platform/interface_language.h"

#include <optional>

class QWidget;

namespace ksy {

class Prompts;
class WorkFolder;

class LanguageDialog {
public:
    // The language chosen with "Valider" (nothing on "Echap"), offered
    // starting from `shown`.
    static std::optional<InterfaceLanguage> run(QWidget* parent, InterfaceLanguage shown);

    // The whole command: asks, keeps the choice in the working folder and
    // says that it applies at the next start.
    static void edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts);
};

} // namespace ksy
