#include "app/menu_table.h"

#include <stdexcept>

namespace ksy {

const std::vector<MenuSpec>& menuBarSpec()
{
    static const std::vector<MenuSpec> bar = {
        {"Fichier",
            {{cmd::NewRace, "Nouvelle course", 5}, {cmd::LoadRace, "Charger une course"}, {0, ""},
                {cmd::Save, "Enregistrer", 6}, {cmd::SaveAs, "Enregistrer sous..."}, {0, ""},
                {0, ""}, {cmd::Quit, "Quitter", 7}}},
        {"Base de données",
            {{cmd::TrackDatabase, "Parcours", 8}, {0, ""}, {cmd::ClubDatabase, "Clubs", 9}, {0, ""},
                {cmd::PilotDatabase, "Pilotes", 10}, {0, ""},
                {cmd::PackDatabase, "Transpondeurs", 12}, {0, ""},
                {cmd::FrequencyDatabase, "Fréquences", 11}}},
        {"Planification course", {{cmd::DurationCalculator, "Calcul temps", 13}}},
        {"Réglages",
            {{cmd::SoundSettings, "Sons", 14}, {0, ""}, {cmd::DisplaySettings, "Affichage", 15},
                {0, ""}, {cmd::InterfaceSettings, "Interface", 16},
                {0, ""}, {cmd::LiveResults, "Résultats en direct"}}},
        {"?", {{cmd::Help, "Aide"}}},
    };
    return bar;
}

const MenuSpec& contextMenuSpec(ContextMenu which)
{
    static const MenuSpec heat = {"heat",
        {{cmd::EditHeatResults, "Modifier résultats série"},
            {cmd::HeatResultDetails, "Résultats détaillés série"},
            {cmd::HeatComment, "Commentaire série"},
            {cmd::HeatSheetPdf, "Feuille de résultats en PDF"},
            {cmd::HeatSheetSpreadsheet, "Feuille de résultats en tableur"}}};
    static const MenuSpec track = {"track", {{cmd::RaceTrack, "Piste pour la course"}}};
    static const MenuSpec category = {"category",
        {{cmd::NewCategory, "Nouvelle catégorie"}, {cmd::RenameCategory, "Renommer catégorie"}}};
    static const MenuSpec participants = {
        "participants", {{cmd::ParticipantList, "Liste participants"}}};
    static const MenuSpec options = {"race options", {{cmd::RaceOptions, "Paramètres de course"}}};
    // "Répartion" is the program's own spelling of this item.
    static const MenuSpec composition = {
        "heat composition", {{cmd::HeatComposition, "Répartion des séries"}}};
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
