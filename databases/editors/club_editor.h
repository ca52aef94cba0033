#pragma once
// The club editor BASECLUBS: the club table and its country drop-down.
#include "databases/editors/list_editor.h"
#include "databases/records.h"

namespace ksy {

class ClubEditor : public ListEditor<Club> {
public:
    enum Control : int {
        New = 3105,
        Add = 3101,
        Remove = 3102,
        Id = 3103,
        List = 3104,
        Name = 3106,
        Acronym = 3107,
        Address = 3108,
        Address2 = 3109,
        Postcode = 3110,
        City = 3111,
        CountryChoice = 3112,
        Telephone = 3113,
        Email = 3114,
    };

    // countries: the drop-down entries, Windows-1252.
    ClubEditor(std::vector<Club> clubs, const std::vector<std::string>& countries);

    // Reads the country list and the club file, reporting each failure
    // ("... Pays", "... Clubs") and an overflow.
    static ClubEditor open(const WorkFolder& folder, Prompts& prompts);

    // Writes "BaseDonnéesClubs.bd"; "Erreur: impossible d'ouvrir la base de
    // données Clubs" when it cannot.
    bool save(const WorkFolder& folder, Prompts& prompts) const override;
};

} // namespace ksy
