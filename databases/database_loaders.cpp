#include "databases/database_loaders.h"

#include "databases/record_text.h"

#include <string_view>

namespace ksy {

using record_text::fieldAt;
using Fields = std::vector<std::string_view>;

namespace {

Course courseFrom(const Fields& f)
{
    Course c;
    c.name = fieldAt(f, 0, Course::kNameWidth);
    c.length = fieldAt(f, 1, Course::kLengthWidth);
    c.lapRecordText = fieldAt(f, 2, Course::kLapRecordTextWidth);
    // The number is read within its own field: an empty or damaged field
    // leaves 0 ("no record") instead of eating the holder's name.
    c.lapRecordMs = f.size() > 3 ? record_text::leadingInt(f[3], 0) : 0;
    c.recordHolder = fieldAt(f, 4, Course::kRecordHolderWidth);
    c.lapProtectionTime = fieldAt(f, 5, Course::kLapProtectionWidth);
    c.place = fieldAt(f, 6, Course::kPlaceWidth);
    c.imagePath = fieldAt(f, 7, Course::kImagePathWidth);
    return c;
}

Club clubFrom(const Fields& f)
{
    Club c;
    c.name = fieldAt(f, 0, Club::kNameWidth);
    c.acronym = fieldAt(f, 1, Club::kAcronymWidth);
    c.address = fieldAt(f, 2, Club::kAddressWidth);
    c.address2 = fieldAt(f, 3, Club::kAddressWidth);
    c.postcode = fieldAt(f, 4, Club::kPostcodeWidth);
    c.city = fieldAt(f, 5, Club::kCityWidth);
    c.country = fieldAt(f, 6, Club::kCountryWidth);
    c.telephone = fieldAt(f, 7, Club::kTelephoneWidth);
    c.email = fieldAt(f, 8, Club::kEmailWidth);
    return c;
}

Pilot pilotFrom(const Fields& f)
{
    Pilot p;
    p.name = fieldAt(f, 0, Pilot::kNameWidth);
    p.address = fieldAt(f, 1, Pilot::kAddressWidth);
    p.address2 = fieldAt(f, 2, Pilot::kAddressWidth);
    p.postcode = fieldAt(f, 3, Pilot::kPostcodeWidth);
    p.city = fieldAt(f, 4, Pilot::kCityWidth);
    p.country = fieldAt(f, 5, Pilot::kCountryWidth);
    p.telephone = fieldAt(f, 6, Pilot::kTelephoneWidth);
    p.email = fieldAt(f, 7, Pilot::kEmailWidth);
    p.birthDate = fieldAt(f, 8, Pilot::kBirthDateWidth);
    p.licence = fieldAt(f, 9, Pilot::kLicenceWidth);
    p.transponder = fieldAt(f, 10, Pilot::kTransponderWidth);
    p.club = fieldAt(f, 11, Pilot::kClubWidth);
    p.photoPath = fieldAt(f, 12, Pilot::kPhotoPathWidth);
    return p;
}

TransponderPack packFrom(const Fields& f)
{
    TransponderPack p;
    p.label = fieldAt(f, 0, TransponderPack::kLabelWidth);
    for (std::size_t i = 0; i < TransponderPack::kSlots; ++i)
        p.transponders[i] = fieldAt(f, i + 1, TransponderPack::kTransponderWidth);
    return p;
}

// A value alone on its line; a stray TAB ends it, as it ends any field.
std::string lineValue(std::string_view line, std::size_t width)
{
    return record_text::bounded(line.substr(0, line.find('\t')), width);
}

template <typename Record, typename Parse>
LoadedTable<Record> loadLines(const std::filesystem::path& file, std::size_t capacity, Parse parse)
{
    LoadedTable<Record> table;
    const auto content = record_text::readWholeFile(file);
    if (!content) return table;
    table.opened = true;
    for (std::string_view line : record_text::recordLines(*content)) {
        if (table.records.size() == capacity)
            ++table.ignored;
        else
            table.records.push_back(parse(line));
    }
    return table;
}

template <typename Record, typename FromFields>
LoadedTable<Record> loadTabular(
    const std::filesystem::path& file, std::size_t capacity, FromFields fromFields)
{
    return loadLines<Record>(file, capacity,
        [&](std::string_view line) { return fromFields(record_text::splitFields(line)); });
}

} // namespace

LoadedTable<Course> loadCourses(const std::filesystem::path& file)
{
    return loadTabular<Course>(file, kCourseCapacity, courseFrom);
}

LoadedTable<Club> loadClubs(const std::filesystem::path& file)
{
    return loadTabular<Club>(file, kClubCapacity, clubFrom);
}

LoadedTable<Pilot> loadPilots(const std::filesystem::path& file)
{
    return loadTabular<Pilot>(file, kPilotCapacity, pilotFrom);
}

LoadedTable<TransponderPack> loadTransponderPacks(const std::filesystem::path& file)
{
    auto table = loadTabular<TransponderPack>(file, kTransponderPackCount, packFrom);
    table.records.resize(kTransponderPackCount);
    return table;
}

LoadedTable<RadioFrequency> loadFrequencies(const std::filesystem::path& file)
{
    return loadLines<RadioFrequency>(file, kFrequencyCapacity, [](std::string_view line) {
        return RadioFrequency {lineValue(line, RadioFrequency::kValueWidth)};
    });
}

LoadedTable<Country> loadCountries(const std::filesystem::path& file)
{
    return loadLines<Country>(file, kCountryCount,
        [](std::string_view line) { return Country {lineValue(line, Country::kNameWidth)}; });
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
