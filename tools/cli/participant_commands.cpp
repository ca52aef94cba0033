#include "participant_commands.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "pilot_commands.h"
#include "planning/participants_sheet.h"
#include "planning/race_track.h"
#include "storage/race_file.h"
#include "storage/work_folder.h"

#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ksycli {
namespace {

constexpr const char* kUsage = "usage: kestrametrix-cli participants RACE --category C "
                               "[--workdir DIR] [--xlsx FILE] [--csv FILE]";

int fail(int status, const std::string& text)
{
    std::cerr << "kestrametrix-cli: " << text << "\n";
    return status;
}

std::filesystem::path fromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

int runParticipantsCommand(int argc, char** argv)
{
    std::map<std::string, std::string> o;
    for (int i = 3; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc || o.count(name) ||
            (name != "--category" && name != "--workdir" && name != "--xlsx" && name != "--csv"))
            return fail(2, kUsage);
        o[name] = argv[i + 1];
    }
    if (argc < 3 || !o.count("--category") || (!o.count("--xlsx") && !o.count("--csv")))
        return fail(2, kUsage);
    int category = 0;
    const std::string& c = o.at("--category");
    const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), category);
    if (ec != std::errc() || end != c.data() + c.size() || category < 1 ||
        category > ksy::kMaxCategories)
        return fail(2, "cat\xC3\xA9gorie (1 \xC3\xA0 9) invalide");

    const std::filesystem::path race = fromUtf8(argv[2]);
    ksy::RaceHeader header;
    ksy::RaceTrack track;
    ksy::ParticipantList list;
    if (!ksy::readRaceHeader(race, header) || !ksy::readRaceTrack(race, track) ||
        ksy::readParticipantList(race, category, list) == ksy::ParticipantListRead::CannotOpen)
        return fail(2, std::string("impossible de lire la course ") + argv[2]);
    const std::string& name = header.categories.category(category).name;
    if (name.empty())
        return fail(2, "la cat\xC3\xA9gorie " + c + " n'existe pas dans " + argv[2]);

    // Licence and club as the printed list finds them: by name in the
    // working folder's pilot database (blank when it has none).
    std::optional<std::string> workdir;
    if (o.count("--workdir"))
        workdir = o.at("--workdir");
    const ksy::WorkFolder folder(programWorkFolder(workdir));
    const ksy::LoadedTable<ksy::Pilot> pilots = ksy::loadPilots(folder.file(ksy::kPilotFile));
    std::vector<ksy::PilotSummary> known;
    for (const ksy::Pilot& p : pilots.records)
        known.push_back({p.name, p.licence, p.transponder, p.club});
    const ksy::PilotLookup lookup = [&known](std::string_view n) -> const ksy::PilotSummary* {
        for (const ksy::PilotSummary& p : known)
            if (p.name == n)
                return &p;
        return nullptr;
    };
    const ksy::OutSheet sheet =
        ksy::participantListSheet({name, track.raceName, track.trackName}, list, lookup);
    if (o.count("--xlsx") && !ksy::writeXlsxFile(fromUtf8(o.at("--xlsx")), sheet))
        return fail(1, ksy::sheetWriteFailure(o.at("--xlsx")));
    if (o.count("--csv") && !ksy::writeCsvFile(fromUtf8(o.at("--csv")), sheet))
        return fail(1, ksy::sheetWriteFailure(o.at("--csv")));
    return 0;
}

} // namespace ksycli
