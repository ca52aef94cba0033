#include "databases/database_loaders.h"

#include "databases/record_text.h"

namespace ksy {

using record_text::RecordLine;

namespace {

Course readCourse(RecordLine& in)
{
    Course c;
    c.name = in.text(Course::kNameWidth);
    c.length = in.text(Course::kLengthWidth);
    c.lapRecordText = in.text(Course::kLapRecordTextWidth);
    c.lapRecordMs = in.integer(0);
    c.recordHolder = in.text(Course::kRecordHolderWidth);
    c.lapProtectionTime = in.text(Course::kLapProtectionWidth);
    c.place = in.text(Course::kPlaceWidth);
    c.imagePath = in.text(Course::kImagePathWidth);
    return c;
}

Club readClub(RecordLine& in)
{
    Club c;
    c.name = in.text(Club::kNameWidth);
    c.acronym = in.text(Club::kAcronymWidth);
    c.address = in.text(Club::kAddressWidth);
    c.address2 = in.text(Club::kAddressWidth);
    c.postcode = in.text(Club::kPostcodeWidth);
    c.city = in.text(Club::kCityWidth);
    c.country = in.text(Club::kCountryWidth);
    c.telephone = in.text(Club::kTelephoneWidth);
    c.email = in.text(Club::kEmailWidth);
    return c;
}

Pilot readPilot(RecordLine& in)
{
    Pilot p;
    p.name = in.text(Pilot::kNameWidth);
    p.address = in.text(Pilot::kAddressWidth);
    p.address2 = in.text(Pilot::kAddressWidth);
    p.postcode = in.text(Pilot::kPostcodeWidth);
    p.city = in.text(Pilot::kCityWidth);
    p.country = in.text(Pilot::kCountryWidth);
    p.telephone = in.text(Pilot::kTelephoneWidth);
    p.email = in.text(Pilot::kEmailWidth);
    p.birthDate = in.text(Pilot::kBirthDateWidth);
    p.licence = in.text(Pilot::kLicenceWidth);
    p.transponder = in.text(Pilot::kTransponderWidth);
    p.club = in.text(Pilot::kClubWidth);
    p.photoPath = in.text(Pilot::kPhotoPathWidth);
    return p;
}

TransponderPack readPack(RecordLine& in)
{
    TransponderPack p;
    p.label = in.text(TransponderPack::kLabelWidth);
    for (auto& t : p.transponders)
        t = in.text(TransponderPack::kTransponderWidth);
    return p;
}

// Reads up to `capacity` records and counts the ones beyond.
template <typename Record, typename Read>
LoadedTable<Record> load(const std::filesystem::path& file, std::size_t capacity, Read read)
{
    LoadedTable<Record> table;
    const auto content = record_text::readWholeFile(file);
    if (!content) return table;
    table.opened = true;
    record_text::forEachRecordLine(*content, [&](RecordLine& line) {
        if (table.records.size() == capacity)
            ++table.ignored;
        else
            table.records.push_back(read(line));
        return true;
    });
    return table;
}

} // namespace

LoadedTable<Course> loadCourses(const std::filesystem::path& file)
{
    return load<Course>(file, kCourseCapacity, readCourse);
}

LoadedTable<Club> loadClubs(const std::filesystem::path& file)
{
    return load<Club>(file, kClubCapacity, readClub);
}

LoadedTable<Pilot> loadPilots(const std::filesystem::path& file)
{
    LoadedTable<Pilot> table;
    const auto content = record_text::readWholeFile(file);
    if (!content)
        return table;
    table.opened = true;
    std::size_t line = 0;
    std::size_t start = 0;
    record_text::forEachRecordLine(*content, [&](RecordLine& in) {
        Pilot p = readPilot(in);
        // The line of this record: the first non-empty line from `start`.
        while (start < content->size() && (*content)[start] == '\n') {
            ++start;
            ++line;
        }
        ++line;
        const std::size_t end = content->find('\n', start);
        start = end == std::string::npos ? content->size() : end + 1;
        if (isReservedName(p.name))
            table.refused.emplace_back(line, p.name);
        else if (table.records.size() == kPilotCapacity)
            ++table.ignored;
        else
            table.records.push_back(std::move(p));
        return true;
    });
    return table;
}

LoadedTable<TransponderPack> loadTransponderPacks(const std::filesystem::path& file)
{
    auto table = load<TransponderPack>(file, kTransponderPackCount, readPack);
    table.records.resize(kTransponderPackCount);
    return table;
}

// Frequencies and countries stand alone on their line; a stray TAB ends the
// value as it ends any field.
LoadedTable<RadioFrequency> loadFrequencies(const std::filesystem::path& file)
{
    return load<RadioFrequency>(file, kFrequencyCapacity,
        [](RecordLine& in) { return RadioFrequency {in.text(RadioFrequency::kValueWidth)}; });
}

LoadedTable<Country> loadCountries(const std::filesystem::path& file)
{
    return load<Country>(
        file, kCountryCount, [](RecordLine& in) { return Country {in.text(Country::kNameWidth)}; });
}

std::vector<std::string> clubNames(const std::vector<Club>& clubs)
{
    std::vector<std::string> names;
    for (const auto& c : clubs)
        names.push_back(c.name);
    return names;
}

std::vector<std::string> countryNames(const std::vector<Country>& countries)
{
    std::vector<std::string> names;
    for (const auto& c : countries)
        names.push_back(c.name);
    return names;
}

} // namespace ksy
