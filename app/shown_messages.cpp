// Messages of the lower layers that the window shows whole through its
// message boxes (which look every title and text up in the "Prompts"
// context): marked here so that the window's catalogue holds their English.
#include "services/translate.h"

namespace ksy {
namespace {

[[maybe_unused]] const char* const kShownWhole[] = {
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Course"),
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier DetailResultats"),
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Commentaire série"),
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: la sauvegarde a échoué"),
    KSY_TRANSLATE_NOOP("Prompts", "Kestrametrix"),
    // The title of every error box (Prompts::error).
    KSY_TRANSLATE_NOOP("Prompts", "Erreur"),
};

} // namespace
} // namespace ksy
