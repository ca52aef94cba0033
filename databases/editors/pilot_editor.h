#pragma once
// The pilot editor BASEPILOTES: the pilot table with its club and country
// drop-downs, the club check on opening and the pilot's photo.
#include "databases/editors/list_editor.h"
#include "databases/records.h"

namespace ksy {

class PilotEditor : public ListEditor<Pilot> {
public:
    enum Control : int {
        New = 3205,
        Add = 3201,
        Remove = 3202,
        Id = 3203,
        List = 3204,
        Name = 3206,
        Address = 3207,
        Address2 = 3208,
        Postcode = 3209,
        City = 3210,
        CountryChoice = 3211,
        Telephone = 3212,
        Email = 3213,
        BirthDate = 3214,
        Licence = 3215,
        Transponder = 3216,
        ClubChoice = 2317,
    };

    // countries and clubs: the drop-down entries, Windows-1252. clubsKnown:
    // whether the whole club list could be read; only then do pilots lose a
    // club that is not in it (a missing club file must not wipe them all).
    PilotEditor(std::vector<Pilot> pilots, const std::vector<std::string>& countries,
        const std::vector<std::string>& clubs, bool clubsKnown = true);

    // Reads the country list, the club file and the pilot file, reporting
    // each failure ("... Pays", "... Clubs", "... Pilotes") and an overflow.
    static PilotEditor open(const WorkFolder& folder, Prompts& prompts);

    // Writes "BaseDonnéesPilotes.bd"; "Erreur: impossible d'ouvrir la base de
    // données Pilotes" when it cannot.
    bool save(const WorkFolder& folder, Prompts& prompts) const override;

    // "Importer…": the table after an entry list (already sorted); the first
    // pilot is selected. "Ok" writes it as any other change.
    void replacePilots(std::vector<Pilot> pilots);
};

} // namespace ksy
