#pragma once
// The track editor BASEPARCOURS: the course table, its track image and
// "Effacer" of a lap record (only the heat run sets a record).
#include "databases/editors/list_editor.h"
#include "databases/records.h"

namespace ksy {

class CourseEditor : public ListEditor<Course> {
public:
    enum Control : int {
        New = 3005,
        Add = 3001,
        Remove = 3002,
        Id = 3003,
        List = 3004,
        Name = 3006,
        Place = 3007,
        Length = 3008,
        LapRecord = 3009,
        RecordHolder = 3010,
        ClearRecord = 3011,
        LapProtection = 3012,
    };

    explicit CourseEditor(std::vector<Course> courses);

    // Reads the course file, reporting a failure ("... Parcours") and an
    // overflow.
    static CourseEditor open(const WorkFolder& folder, Prompts& prompts);

    // "Effacer" empties the selected course's lap record and its holder.
    void press(int control) override;

    // Writes "BaseDonnéesParcours.bd"; "Erreur: impossible d'ouvrir la base
    // de données Parcours" when it cannot.
    bool save(const WorkFolder& folder, Prompts& prompts) const override;
};

} // namespace ksy
