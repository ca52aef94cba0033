// "Importer la liste…" of the participants dialog: a sheet of names,
// transponders and frequencies enters the category, and the names the pilot
// database lacks are added to it.
#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/database_sort.h"
#include "databases/database_writers.h"
#include "databases/pilot_import.h"
#include "planning/participants_form.h"
#include "services/translate.h"
#include "storage/encoding.h"

#include <algorithm>

namespace ksy {
namespace {

// "27.195; 27.205" or "27.195 / 27.205": the frequencies of one cell.
std::vector<std::string> frequencies(std::string_view cell)
{
    std::vector<std::string> out;
    std::string current;
    for (char c : cell) {
        if (c == ';' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '|') {
            if (!current.empty())
                out.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        out.push_back(std::move(current));
    return out;
}

} // namespace

std::string ParticipantImport::summary() const
{
    const std::string counts[] {std::to_string(entered), std::to_string(updated),
        std::to_string(refused), std::to_string(addedToDatabase)};
    if (addedToDatabase > 0)
        return fillText(translate("ParticipantImport",
                            "%1 inscrits, %2 mis à jour, %3 refusés (%4 ajoutés à la base de "
                            "données Pilotes)"),
            {counts[0], counts[1], counts[2], counts[3]});
    return fillText(translate("ParticipantImport", "%1 inscrits, %2 mis à jour, %3 refusés"),
        {counts[0], counts[1], counts[2]});
}

ParticipantImport ParticipantsForm::importList(
    const SheetTable& table, const ColumnChoice& columns, bool writeDatabase)
{
    ParticipantImport out;
    if (readOnly() || !columns.hasName())
        return out;
    LoadedTable<Pilot> database = loadPilots(folder_.file(kPilotFile));
    std::erase_if(database.records, [](const Pilot& p) { return p.name.empty(); });
    const bool databaseWritable = database.ignored == 0 && database.refused.empty() &&
        (database.opened || !std::filesystem::exists(folder_.file(kPilotFile)));
    bool databaseChanged = false;

    for (std::size_t r = columns.headerRow + 1; r < table.rows.size(); ++r) {
        const SheetRow& row = table.rows[r];
        const std::string line = std::to_string(row.line);
        const SheetPilot taken = pilotOfRow(row, columns);
        const auto refuse = [&](const std::string& reason) {
            out.lines.push_back(taken.name.empty()
                    ? fillText(
                          translate("ParticipantImport", "ligne %1 : refusé : %2"), {line, reason})
                    : fillText(translate("ParticipantImport", "ligne %1 : refusé « %2 » : %3"),
                          {line, taken.name, reason}));
            out.rows.push_back(
                {row.line, ParticipantImportRow::Outcome::Refused, taken.name, reason, false, {}});
            ++out.refused;
        };
        if (!taken.pilot) {
            refuse(taken.reason);
            continue;
        }
        const Pilot& pilot = *taken.pilot;
        std::vector<std::string> freqs = frequencies(taken.frequency);
        if (freqs.size() > kFrequenciesPerParticipant) {
            refuse(fillText(translate("ParticipantImport", "plus de %1 fréquences"),
                {std::to_string(kFrequenciesPerParticipant)}));
            continue;
        }
        std::string badFrequency;
        for (std::string& f : freqs) {
            const auto bytes = utf8ToCp1252(f);
            if (!bytes || bytes->size() > Participant::kFrequencyWidth - 1)
                badFrequency = f;
            else
                f = *bytes;
        }
        if (!badFrequency.empty()) {
            refuse(fillText(
                translate("ParticipantImport", "la fréquence « %1 » a plus de 6 caractères"),
                {badFrequency}));
            continue;
        }

        // The name as the database spells it, added there when missing.
        auto known = std::ranges::find_if(
            database.records, [&](const Pilot& p) { return sameNameIgnoringCase(p.name, pilot.name); });
        bool added = false;
        if (known == database.records.end()) {
            if (!databaseWritable) {
                refuse(translate(
                    "ParticipantImport", "la base de données Pilotes ne peut pas être complétée"));
                continue;
            }
            if (database.records.size() >= kPilotCapacity) {
                refuse(translate(
                    "ParticipantImport", "la base de données Pilotes est pleine (1000 pilotes)"));
                continue;
            }
            database.records.push_back(pilot);
            known = database.records.end() - 1;
            pilots_.push_back({pilot.name, pilot.licence, pilot.transponder, pilot.club});
            databaseChanged = added = true;
            ++out.addedToDatabase;
        }

        const std::string name = known->name;
        const std::string nameUtf8 = cp1252ToUtf8(name);
        std::string warning;
        Participant* entered = list_.find(name);
        const bool update = entered != nullptr;
        if (!update) {
            const PilotSummary summary {name, known->licence,
                pilot.transponder.empty() ? known->transponder : pilot.transponder, known->club};
            if (!enterPilot(summary, warning)) {
                refuse(list_.count() >= kMaxParticipants
                        ? fillText(
                              translate("ParticipantImport", "la catégorie a déjà %1 participants"),
                              {std::to_string(kMaxParticipants)})
                        : translate("ParticipantImport",
                              "la catégorie ne peut pas le prendre (nom réservé ou grille "
                              "pleine)"));
                continue;
            }
            entered = list_.find(name);
        } else if (!pilot.transponder.empty()) {
            entered->transponder = pilot.transponder;
        }
        for (std::size_t i = 0; i < freqs.size(); ++i)
            entered->frequencies[i] = freqs[i];
        out.lines.push_back(update
                ? fillText(
                      translate("ParticipantImport", "ligne %1 : mis à jour %2"), {line, nameUtf8})
                : fillText(
                      translate("ParticipantImport", "ligne %1 : inscrit %2"), {line, nameUtf8}));
        ++(update ? out.updated : out.entered);
        if (!warning.empty())
            out.lines.push_back(
                fillText(translate("ParticipantImport", "ligne %1 : %2"), {line, warning}));
        out.rows.push_back({row.line,
            update ? ParticipantImportRow::Outcome::Updated
                   : ParticipantImportRow::Outcome::Entered,
            nameUtf8, {}, added, warning});
    }
    if (databaseChanged && writeDatabase) {
        sortPilots(database.records);
        sortByName(pilots_, [](const PilotSummary& p) -> std::string_view { return p.name; });
        if (!writePilots(folder_.file(kPilotFile), database.records))
            prompts_.error(openErrorText("Pilotes"));
    }
    return out;
}

} // namespace ksy
