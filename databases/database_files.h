#pragma once
// The database files of the working folder and the reporting of their loads:
// the "Erreur" box of a file that cannot be opened and the notice of records
// left out because the table is full. The main window's two loads (tracks and
// transponder packs, at start-up and after their editors) are one call each.
#include "databases/database_loaders.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// File names, UTF-8 as for WorkFolder::file().
inline constexpr std::string_view kCourseFile = "BaseDonnéesParcours.bd";
inline constexpr std::string_view kClubFile = "BaseDonnéesClubs.bd";
inline constexpr std::string_view kPilotFile = "BaseDonnéesPilotes.bd";
inline constexpr std::string_view kTransponderPackFile = "BaseDonnéesTranspondeurs.bd";
inline constexpr std::string_view kFrequencyFile = "BaseDonnéesFréquences.bd";
inline constexpr std::string_view kCountryFile = "BaseDonnéesPays.bd";

// The name of each database in its messages ("Parcours", "Clubs", "Pilotes",
// "Transpondeurs", "Pays", "Fréquences"; the frequency editor's save says
// "Frequences" and the heat run's course rewrite "Circuits").
// "Erreur: impossible d'ouvrir la base de données <label>" (UTF-8).
std::string openErrorText(std::string_view label);
// "Attention: N enregistrements au-delà de <capacity> ignorés dans la base de
// données <label>" (UTF-8), singular for one record.
std::string ignoredRecordsText(std::size_t ignored, std::size_t capacity, std::string_view label);

// Shows the box a load calls for, if any; returns whether the file opened.
bool reportLoad(bool opened, std::size_t ignored, std::size_t capacity, std::string_view label,
    Prompts& prompts);

// "Erreur: la base de données <label> contient à la ligne 3 le nom
// « Catégorie2M1S1 », réservé par le fichier de course : ce pilote est
// ignoré." (UTF-8), one line per refused record; empty when none was refused.
std::string refusedNamesText(
    std::string_view label, const std::vector<std::pair<std::size_t, std::string>>& refused);

template <typename Record>
bool reportLoad(const LoadedTable<Record>& table, std::size_t capacity, std::string_view label,
    Prompts& prompts)
{
    if (!table.refused.empty())
        prompts.error(refusedNamesText(label, table.refused));
    return reportLoad(table.opened, table.ignored, capacity, label, prompts);
}

// The databases the main window keeps between dialogs.
struct MainDatabases {
    std::vector<Course> courses;
    std::vector<TransponderPack> packs = std::vector<TransponderPack>(kTransponderPackCount);
};

// Reload "BaseDonnéesParcours.bd" / "BaseDonnéesTranspondeurs.bd" into the
// table, reporting failure ("Erreur: impossible d'ouvrir la base de données
// Parcours" / "... Transpondeurs") and overflow through `prompts`. A file that
// cannot be opened leaves an empty table (20 empty packs); returns whether it
// opened.
bool loadCourseDatabase(const WorkFolder& folder, Prompts& prompts, std::vector<Course>& courses);
bool loadTransponderPackDatabase(
    const WorkFolder& folder, Prompts& prompts, std::vector<TransponderPack>& packs);

} // namespace ksy
