#include "storage/race_file.h"

#include "services/translate.h"
#include "storage/durable_io.h"
#include "storage/encoding.h"
#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <algorithm>
#ifdef __linux__
#include <fcntl.h>
#include <sys/sendfile.h>
#include <unistd.h>
#endif

namespace ksy {
namespace {

std::string heatFlagsBody(const HeatFlags& flags)
{
    FieldWriter w;
    for (int i = 0; i < HeatFlags::kCount; ++i)
        w.integer(flags.at(i));
    w.endLine();
    return w.take();
}

void readHeatFlags(CharSource& in, HeatFlags& flags)
{
    if (!findSectionBody(in, heatFlagsTitle()))
        return;
    FieldReader r(in);
    for (int i = 0; i < HeatFlags::kCount; ++i) {
        int value = flags.at(i);
        r.readInt(value);
        flags.setAt(i, value);
    }
}

void readTrackName(CharSource& in, std::string& trackName)
{
    if (!findSectionBody(in, trackSectionTitle()))
        return;
    FieldReader r(in);
    r.readText(50); // race name
    r.readText(50); // organising club
    trackName = r.readText(40);
}

void readParticipantNames(CharSource& in, int category, ParticipantNames& names)
{
    if (!findSectionBody(in, participantListTitle(category)))
        return;
    FieldReader r(in);
    for (int j = 0; j < kMaxParticipants; ++j) {
        r.skipEmptyLines();
        if (r.atEnd())
            return;
        const std::string name = r.readText(kParticipantNameWidth);
        if (name.empty())
            return; // the tree lists the names before the first empty one
        names.setName(category, j, name);
        if (r.lastTerminator() == '\t')
            r.skipLine(); // transponder and frequencies
    }
}

// The header's numbers a race can hold. The reader keeps within them, so a
// count beyond them would be read as another race, refused later for a
// section it never had: the first number out of range is named instead.
std::optional<std::string> headerFault(CharSource& in)
{
    in.rewind();
    FieldReader r(in);
    int selection = 0;
    int count = 0;
    r.readInt(selection);
    r.readInt(count);
    using std::to_string;
    if (count < 0 || count > kMaxCategories)
        return fillText(
            translate("Storage", "ligne 1 : nombre de catégories %1 hors limites (0 à %2)"),
            {to_string(count), to_string(kMaxCategories)});
    for (int c = 1; c <= count; ++c) {
        r.readText(kCategoryNameWidth);
        int values[6] = {};
        for (int& v : values)
            r.readInt(v);
        if (values[0] < 0 || values[0] > kMaxParticipants)
            return fillText(translate("Storage",
                            "ligne 1 : nombre de participants de la catégorie %1 %2 hors limites "
                            "(0 à %3)"),
                {to_string(c), to_string(values[0]), to_string(kMaxParticipants)});
        if (values[3] < 0 || values[3] > kMaxRounds)
            return fillText(translate("Storage",
                            "ligne 1 : nombre de manches de la catégorie %1 %2 hors limites (0 à "
                            "%3)"),
                {to_string(c), to_string(values[3]), to_string(kMaxRounds)});
        if (values[4] < 0 || values[4] > kMaxHeatsPerRound)
            return fillText(translate("Storage",
                            "ligne 1 : nombre de séries par manche de la catégorie %1 %2 hors "
                            "limites (0 à %3)"),
                {to_string(c), to_string(values[4]), to_string(kMaxHeatsPerRound)});
    }
    return std::nullopt;
}

} // namespace

void readRaceHeader(CharSource& in, RaceHeader& header)
{
    in.rewind();
    FieldReader r(in);
    r.readInt(header.selection);
    auto& table = header.categories;
    r.readInt(table.count);
    if (table.count < 1)
        return;
    // Nine slots exist; a larger count can only come from a damaged file.
    table.count = std::min(table.count, kMaxCategories);
    for (int c = 1; c <= table.count; ++c) {
        auto& record = table.category(c);
        record.name = r.readText(kCategoryNameWidth);
        r.readInt(record.participants);
        r.readInt(record.resultsStored);
        r.readInt(record.globalRankingStored);
        r.readInt(record.rounds);
        r.readInt(record.heatsPerRound);
        r.readInt(record.reserved);
    }
}

bool readRaceHeader(const std::filesystem::path& file, RaceHeader& header)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return false;
    readRaceHeader(*f, header);
    return true;
}

std::string raceHeaderBody(const RaceHeader& header)
{
    FieldWriter w;
    const auto& table = header.categories;
    w.integer(header.selection).integer(table.count);
    for (int c = 1; c <= std::clamp(table.count, 0, kMaxCategories); ++c) {
        const auto& record = table.category(c);
        w.text(record.name, kCategoryNameWidth);
        w.integer(record.participants).integer(record.resultsStored);
        w.integer(record.globalRankingStored).integer(record.rounds);
        w.integer(record.heatsPerRound).integer(record.reserved);
    }
    return w.take();
}

bool writeRaceHeader(const std::filesystem::path& file, const RaceHeader& header)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return false;
    const bool written = rewriteArea(*f, 0, kHeaderReserve, raceHeaderBody(header));
    return f->close() && written;
}

bool writeRaceSelection(const std::filesystem::path& file, int selection)
{
    // Rewriting the whole header keeps the line sound when the new number
    // has more digits than the old one.
    RaceHeader header;
    if (!readRaceHeader(file, header))
        return false;
    header.selection = selection;
    return writeRaceHeader(file, header);
}

bool readHeatFlags(const std::filesystem::path& file, HeatFlags& flags)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return false;
    readHeatFlags(*f, flags);
    return true;
}

RewriteResult writeHeatFlags(
    const std::filesystem::path& file, const HeatFlags& flags, Prompts* prompts)
{
    return fixedSlotRewrite(
        file, heatFlagsTitle(), kHeatFlagsReserve,
        [&](FieldWriter& w) { w.raw(heatFlagsBody(flags)); }, prompts);
}

bool readTrackName(const std::filesystem::path& file, std::string& trackName)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return false;
    readTrackName(*f, trackName);
    return true;
}

bool loadRace(const std::filesystem::path& file, Race& race)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return false;
    // Nothing of the previous race may survive into this one, and a read
    // that fails half way must leave the race as it was.
    Race loaded;
    readRaceHeader(*f, loaded.header);
    for (int c = 1; c <= loaded.categoryCount(); ++c)
        readParticipantNames(*f, c, loaded.participants);
    readTrackName(*f, loaded.trackName);
    readHeatFlags(*f, loaded.heatFlags);
    if (f->failed())
        return false;
    race = std::move(loaded);
    return true;
}

namespace {

// Reads the file on from the furthest point read to its end without keeping
// the bytes; false when it cannot be read to its end.
bool readOnToEnd(FileStream& f)
{
#ifdef __linux__
    // The system reads the pages and hands them to nothing: tens of
    // megabytes are not copied into this process. Where it cannot, the
    // bytes are read as usual, which also tells a real read error.
    const int in = ::open(f.path().c_str(), O_RDONLY | O_CLOEXEC);
    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    off_t at = f.furthestRead();
    ssize_t n = -1;
    if (in >= 0 && sink >= 0)
        while ((n = ::sendfile(sink, in, &at, std::size_t {1} << 30)) > 0) { }
    if (in >= 0)
        ::close(in);
    if (sink >= 0)
        ::close(sink);
    if (n == 0)
        return true;
#endif
    f.seek(f.furthestRead());
    while (!f.failed()) {
        const std::string_view v = f.available(1);
        if (v.empty())
            break;
        f.advance(v.size());
    }
    return !f.failed();
}

} // namespace

std::optional<std::string> checkRaceFile(const std::filesystem::path& file)
{
    const auto u8 = file.u8string();
    const std::string name(u8.begin(), u8.end());
    const std::string unreadable =
        fillText(translate("Storage", "Erreur: impossible de lire le fichier %1"), {name});
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return fillText(
            translate("Storage", "Erreur: impossible de lire le fichier %1 (c'est un dossier)"),
            {name});
    auto f = FileStream::open(file, OpenMode::Read);
    if (!f)
        return unreadable;
    const auto refused = [&](std::string_view why) {
        return fillText(translate("Storage",
                            "Erreur: le fichier %1 n'est pas une course valide (%2); la "
                            "course en cours est conservée"),
            {name, why});
    };
    const int first = f->get();
    if (f->failed())
        return unreadable;
    const bool sign = first == '-' || first == '+';
    const int digit = sign ? f->get() : first;
    if (digit < '0' || digit > '9')
        return refused(translate("Storage", "la première ligne ne commence pas par un nombre"));
    if (const auto fault = headerFault(*f))
        return refused(*fault);
    RaceHeader header;
    readRaceHeader(*f, header);
    const int count = header.categories.count;
    if (!findSectionBody(*f, heatFlagsTitle()))
        return f->failed() ? unreadable
                           : refused(fillText(translate("Storage", "%1 introuvable"),
                                 {cp1252ToUtf8(heatFlagsTitle())}));
    for (int c = 1; c <= count; ++c) {
        if (header.categories.category(c).participants > 0 &&
            !findSectionBody(*f, participantListTitle(c)))
            return f->failed() ? unreadable
                               : refused(fillText(translate("Storage", "%1 introuvable"),
                                     {cp1252ToUtf8(participantListTitle(c))}));
    }
    // Read to its end, without keeping what was read, unless the scan for
    // the index of its titles already did.
    if (!readOnToEnd(*f))
        return unreadable;
    return std::nullopt;
}

std::string newRaceFileBytes()
{
    Race race;
    race.resetToNew();
    std::string headerArea = sectionFiller(kHeaderReserve);
    const std::string header = raceHeaderBody(race.header);
    headerArea.replace(0, header.size(), header);

    std::string flagsArea = sectionFiller(kHeatFlagsReserve);
    const std::string flags = heatFlagsBody(race.heatFlags);
    flagsArea.replace(0, flags.size(), flags);

    return headerArea + "\n" + heatFlagsTitle() + "\t\n" + flagsArea;
}

bool createNewRaceFile(const std::filesystem::path& file, Race& race)
{
    race.resetToNew();
    std::error_code ec;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ec);
    return writeFileAtomically(file, newRaceFileBytes());
}

} // namespace ksy
