#pragma once
// The rules of the participants dialog of a category: pilots move between the
// pilot database and the category, the heat plan follows (a new participant
// goes after the last used plan entry, a removed one leaves "(NA)"), and
// "Valider" writes the list, the plan and the header, whose rounds and heats
// are reset because the heats must be composed again. Once a result of the
// category is stored the list can only be viewed and printed.
#include "planning/race_track.h"
#include "race/heat_plan.h"
#include "databases/sheet_columns.h"
#include "race/participants.h"
#include "services/prompts.h"
#include "storage/race_model.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// The dialog's own copy of a pilot: the four fields it needs.
struct PilotSummary {
    std::string name;
    std::string licence;
    std::string transponder;
    std::string club;
};

// What "Importer la liste…" did: one line per row ("ligne 4 : inscrit
// DUPONT Jean", "... mis à jour ...", "... refusé ... : <reason>", warnings),
// and the counts.
struct ParticipantImportRow {
    enum class Outcome { Entered, Updated, Refused };
    std::size_t line = 0; // the sheet's row number
    Outcome outcome = Outcome::Refused;
    std::string name; // UTF-8: the database's spelling once entered
    std::string reason; // French, when refused
    bool addedToDatabase = false;
    std::string warning; // French: entered, but worth a look
};

struct ParticipantImport {
    std::vector<ParticipantImportRow> rows; // one per non-blank row below the header
    std::vector<std::string> lines; // UTF-8
    std::size_t entered = 0;
    std::size_t updated = 0;
    std::size_t refused = 0;
    std::size_t addedToDatabase = 0;
    std::string summary() const; // "N inscrits, M mis à jour, K refusés (P ajoutés à la base ...)"
};

class ParticipantsForm {
public:
    // Opening: reads the pilot database, the race header, the race's track,
    // and the category's list and plan. Each file that cannot be opened
    // shows its "Erreur" box; the form goes on with what it has.
    ParticipantsForm(WorkFolder folder, int category, Prompts& prompts);

    int category() const { return category_; }
    // Windows-1252.
    const std::string& categoryName() const;
    // "(%d)".
    std::string countText() const;
    bool readOnly() const;

    // The database list: pilots in file order up to the first empty name.
    const std::vector<PilotSummary>& pilots() const { return pilots_; }
    // The participant list: names in table order.
    std::vector<std::string> participantNames() const;

    // "<-": enters the pilot at that position of the database list. False
    // (nothing changed) when refused: read only, no such pilot, already
    // entered, 200 participants, or no free plan slot within the first 200.
    // A pilot whose transponder another participant already carries is
    // entered with a warning ("Attention").
    bool enter(int pilotIndex);
    // "->": removes the participant of that name. False when there is none.
    bool remove(std::string_view name);

    // "Importer la liste…": every row below the header enters the category
    // with its transponder and frequencies (a participant already entered is
    // updated); a name missing from the pilot database is added to it, and
    // the database file is written at once (unless `writeDatabase` is false:
    // a preview, run on a copy of the form). Nothing is entered when the
    // list is read only.
    ParticipantImport importList(
        const SheetTable& table, const ColumnChoice& columns, bool writeDatabase = true);

    // "Valider": writes the header (rounds and heats reset), the list and the
    // plan. False when something could not be written (its box is shown).
    bool save();

    const ParticipantList& list() const { return list_; }
    const HeatPlan& plan() const { return plan_; }
    const RaceTrack& track() const { return track_; }
    // The licence and club of the pilot of that name, nullptr when none.
    const PilotSummary* pilot(std::string_view name) const;

private:
    // Enters the pilot; `warning` receives the shared-transponder warning.
    bool enterPilot(const PilotSummary& pilot, std::string& warning);

    WorkFolder folder_;
    int category_;
    Prompts& prompts_;
    RaceHeader header_;
    bool headerRead_ = false;
    std::vector<PilotSummary> pilots_;
    ParticipantList list_;
    HeatPlan plan_;
    RaceTrack track_;
};

} // namespace ksy
