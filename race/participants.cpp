#include "race/participants.h"

#include "databases/database_sort.h"
#include "race/category_section.h"
#include "services/translate.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <utility>

namespace ksy {

int ParticipantList::count() const
{
    int n = 0;
    while (n < kMaxParticipants && !at(n).empty())
        ++n;
    return n;
}

const Participant* ParticipantList::find(std::string_view name) const
{
    for (const Participant& p : records)
        if (!p.empty() && p.name == name)
            return &p;
    return nullptr;
}

Participant* ParticipantList::find(std::string_view name)
{
    return const_cast<Participant*>(std::as_const(*this).find(name));
}

void ParticipantList::sort()
{
    sortByName(records, [](const Participant& p) -> std::string_view { return p.name; });
}

std::string formatParticipantListBody(const ParticipantList& list)
{
    FieldWriter out;
    for (const Participant& p : list.records) {
        out.text(p.name, Participant::kNameWidth)
            .text(p.transponder, Participant::kTransponderWidth);
        for (const std::string& f : p.frequencies)
            out.text(f, Participant::kFrequencyWidth);
        out.endLine();
    }
    return out.take();
}

void readParticipantListFields(FieldReader& in, ParticipantList& list)
{
    for (Participant& p : list.records) {
        p.name = in.readText(Participant::kNameWidth, false);
        p.transponder = in.readText(Participant::kTransponderWidth, false);
        for (std::string& f : p.frequencies)
            f = in.readText(Participant::kFrequencyWidth, true);
        in.skipEmptyLines();
    }
}

ParticipantListRead readParticipantList(
    const std::filesystem::path& raceFile, int category, ParticipantList& list)
{
    auto file = FileStream::open(raceFile, OpenMode::Read);
    if (!file)
        return ParticipantListRead::CannotOpen;
    if (!findSectionBody(*file, participantListTitle(category)))
        return ParticipantListRead::Absent;
    list.clear();
    FieldReader in(*file);
    readParticipantListFields(in, list);
    return ParticipantListRead::Ok;
}

RewriteResult writeParticipantList(const std::filesystem::path& raceFile, int category,
    const ParticipantList& list, bool createIfAbsent, Prompts* prompts)
{
    return rewriteCategorySection(raceFile, participantListTitle(category), kParticipantListReserve,
        formatParticipantListBody(list), createIfAbsent,
        KSY_TRANSLATE_NOOP("Prompts", "Erreur: liste des participants non trouvée"), prompts);
}

} // namespace ksy
