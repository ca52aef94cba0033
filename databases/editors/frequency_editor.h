#pragma once
// The frequency editor BASEFREQUENCES: a list of six-character values and
// nothing else.
#include "databases/editors/list_editor.h"
#include "databases/records.h"

namespace ksy {

class FrequencyEditor : public ListEditor<RadioFrequency> {
public:
    enum Control : int {
        New = 3405,
        Add = 3401,
        Remove = 3402,
        Id = 3403,
        List = 3404,
    };

    explicit FrequencyEditor(std::vector<RadioFrequency> frequencies);

    // Reads the file; "Erreur: impossible d'ouvrir la base de données
    // Fréquences" when it cannot, and an overflow notice.
    static FrequencyEditor open(const WorkFolder& folder, Prompts& prompts);

    // Writes "BaseDonnéesFréquences.bd"; its failure says "Frequences".
    bool save(const WorkFolder& folder, Prompts& prompts) const override;
};

} // namespace ksy
