#include "app/menu_table.h"

#include "services/translate.h"

#include <stdexcept>

namespace ksy {

const std::vector<MenuSpec>& menuBarSpec()
{
    static const std::vector<MenuSpec> bar = {
        {KSY_TRANSLATE_NOOP("Menus", "Fichier"),
            {{cmd::NewRace, KSY_TRANSLATE_NOOP("Menus", "Nouvelle course"), 5},
                {cmd::LoadRace, KSY_TRANSLATE_NOOP("Menus", "Charger une course")}, {0, ""},
                {cmd::Save, KSY_TRANSLATE_NOOP("Menus", "Enregistrer"), 6},
                {cmd::SaveAs, KSY_TRANSLATE_NOOP("Menus", "Enregistrer sous...")}, {0, ""}, {0, ""},
                {cmd::Quit, KSY_TRANSLATE_NOOP("Menus", "Quitter"), 7}}},
        {KSY_TRANSLATE_NOOP("Menus", "Base de données"),
            {{cmd::TrackDatabase, KSY_TRANSLATE_NOOP("Menus", "Parcours"), 8}, {0, ""},
                {cmd::ClubDatabase, KSY_TRANSLATE_NOOP("Menus", "Clubs"), 9}, {0, ""},
                {cmd::PilotDatabase, KSY_TRANSLATE_NOOP("Menus", "Pilotes"), 10}, {0, ""},
                {cmd::PackDatabase, KSY_TRANSLATE_NOOP("Menus", "Transpondeurs"), 12}, {0, ""},
                {cmd::FrequencyDatabase, KSY_TRANSLATE_NOOP("Menus", "Fréquences"), 11}}},
        {KSY_TRANSLATE_NOOP("Menus", "Planification course"),
            {{cmd::DurationCalculator, KSY_TRANSLATE_NOOP("Menus", "Calcul temps"), 13}}},
        {KSY_TRANSLATE_NOOP("Menus", "Réglages"),
            {{cmd::SoundSettings, KSY_TRANSLATE_NOOP("Menus", "Sons"), 14}, {0, ""},
                {cmd::DisplaySettings, KSY_TRANSLATE_NOOP("Menus", "Affichage"), 15}, {0, ""},
                {cmd::InterfaceSettings, KSY_TRANSLATE_NOOP("Menus", "Interface"), 16}, {0, ""},
                {cmd::LiveResults, KSY_TRANSLATE_NOOP("Menus", "Résultats en direct")}, {0, ""},
                {cmd::LanguageSettings, KSY_TRANSLATE_NOOP("Menus", "Langue / Language")}}},
        {"?", {{cmd::Help, KSY_TRANSLATE_NOOP("Menus", "Aide")}}},
    };
    return bar;
}

const MenuSpec& contextMenuSpec(ContextMenu which)
{
    static const MenuSpec heat = {"heat",
        {{cmd::EditHeatResults, KSY_TRANSLATE_NOOP("Menus", "Modifier résultats série")},
            {cmd::HeatResultDetails, KSY_TRANSLATE_NOOP("Menus", "Résultats détaillés série")},
            {cmd::HeatComment, KSY_TRANSLATE_NOOP("Menus", "Commentaire série")},
            {cmd::HeatSheetPdf, KSY_TRANSLATE_NOOP("Menus", "Feuille de résultats en PDF")},
            {cmd::HeatSheetSpreadsheet,
                KSY_TRANSLATE_NOOP("Menus", "Feuille de résultats en tableur")}}};
    static const MenuSpec track = {
        "track", {{cmd::RaceTrack, KSY_TRANSLATE_NOOP("Menus", "Piste pour la course")}}};
    static const MenuSpec category = {"category",
        {{cmd::NewCategory, KSY_TRANSLATE_NOOP("Menus", "Nouvelle catégorie")},
            {cmd::RenameCategory, KSY_TRANSLATE_NOOP("Menus", "Renommer catégorie")}}};
    static const MenuSpec participants = {"participants",
        {{cmd::ParticipantList, KSY_TRANSLATE_NOOP("Menus", "Liste participants")}}};
    static const MenuSpec options = {
        "race options", {{cmd::RaceOptions, KSY_TRANSLATE_NOOP("Menus", "Paramètres de course")}}};
    // "Répartion" is the program's own spelling of this item.
    static const MenuSpec composition = {"heat composition",
        {{cmd::HeatComposition, KSY_TRANSLATE_NOOP("Menus", "Répartion des séries")}}};
    switch (which) {
    case ContextMenu::Heat:
        return heat;
    case ContextMenu::Track:
        return track;
    case ContextMenu::Category:
        return category;
    case ContextMenu::Participants:
        return participants;
    case ContextMenu::RaceOptions:
        return options;
    case ContextMenu::HeatComposition:
        return composition;
    case ContextMenu::None:
        break;
    }
    throw std::invalid_argument("no context menu");
}

bool greyedWhileRunning(int id)
{
    return (id >= cmd::NewRace && id <= cmd::DurationCalculator) || id == cmd::SoundSettings ||
        id == cmd::DisplaySettings ||
        (id >= cmd::EditHeatResults && id <= cmd::HeatSheetSpreadsheet);
}

} // namespace ksy
