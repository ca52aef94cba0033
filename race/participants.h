#pragma once
// The participants of one category: the pilots entered in it, each with the
// transponder it carries and up to five radio frequencies. Stored in the
// working race file in the section "Catégorie%dListeParticipants" as 200 lines
// of seven TAB-terminated fields; the heat plan, the heat run and the results
// all find a participant by name through this table.
#include "services/prompts.h"
#include "storage/field_reader.h"
#include "storage/race_model.h"
#include "storage/section_file.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr int kFrequenciesPerParticipant = 5;

// Texts are Windows-1252; widths count the terminating zero of the original
// fixed arrays, so a field keeps at most width - 1 bytes.
struct Participant {
    static constexpr std::size_t kNameWidth = kParticipantNameWidth; // 40
    static constexpr std::size_t kTransponderWidth = 7;
    static constexpr std::size_t kFrequencyWidth = 7;

    std::string name; // the key to the heat plan, the pilot database and the results
    std::string transponder; // 6 digits, or empty
    std::array<std::string, kFrequenciesPerParticipant> frequencies; // "Freq1".."Freq5"

    bool empty() const { return name.empty(); }
    void clear() { *this = Participant {}; }
    bool operator==(const Participant&) const = default;
};

// The 200 records of a category: records in use first, sorted by name (the
// database order), the others empty.
struct ParticipantList {
    std::array<Participant, kMaxParticipants> records;

    void clear() { records.fill(Participant {}); }
    // The records in use: those before the first empty name.
    int count() const;
    // The first record with that name, or nullptr.
    const Participant* find(std::string_view name) const;
    Participant* find(std::string_view name);
    // The database order: by name, empty records last.
    void sort();

    // Record i counted from 0.
    Participant& at(int i) { return records.at(static_cast<std::size_t>(i)); }
    const Participant& at(int i) const { return records.at(static_cast<std::size_t>(i)); }

    bool operator==(const ParticipantList&) const = default;
};

// The body: 200 lines of name, transponder and five frequencies, each field
// followed by TAB; an empty record is a line of seven TABs.
std::string formatParticipantListBody(const ParticipantList& list);

// Reads the 200 records from the body start: name and transponder up to
// their TAB, the frequencies up to a TAB or a line end, line ends between
// records skipped.
void readParticipantListFields(FieldReader& in, ParticipantList& list);

enum class ParticipantListRead {
    Ok,
    Absent, // the file has no section for this category; the list is untouched
    CannotOpen, // "Erreur: impossible d'ouvrir le fichier Course"
};

// Reads the category's section of the race file into `list` (cleared first
// when the section exists).
ParticipantListRead readParticipantList(
    const std::filesystem::path& raceFile, int category, ParticipantList& list);

// Rewrites the section in place with its 9000-pair reserve. With
// createIfAbsent an absent section is appended (the participants dialog);
// without it nothing is written and TitleNotFound is returned (the details
// dialog only edits a list that exists). With prompts, a title not found
// shows the section's "Erreur" box; CannotOpen is left to the caller.
RewriteResult writeParticipantList(const std::filesystem::path& raceFile, int category,
    const ParticipantList& list, bool createIfAbsent, Prompts* prompts = nullptr);

} // namespace ksy
