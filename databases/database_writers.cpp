#include "databases/database_writers.h"

#include "databases/record_text.h"
#include "storage/field_writer.h"

namespace ksy {

std::string formatCourses(const std::vector<Course>& courses)
{
    FieldWriter out;
    for (const auto& c : courses) {
        if (c.name.empty()) continue;
        out.text(c.name, Course::kNameWidth);
        out.text(c.length, Course::kLengthWidth);
        out.text(c.lapRecordText, Course::kLapRecordTextWidth);
        out.integer(c.lapRecordMs);
        out.text(c.recordHolder, Course::kRecordHolderWidth);
        out.text(c.lapProtectionTime, Course::kLapProtectionWidth);
        out.text(c.place, Course::kPlaceWidth);
        out.text(c.imagePath, Course::kImagePathWidth);
        out.endLine();
    }
    return out.take();
}

std::string formatClubs(const std::vector<Club>& clubs)
{
    FieldWriter out;
    for (const auto& c : clubs) {
        if (c.name.empty()) continue;
        out.text(c.name, Club::kNameWidth);
        out.text(c.acronym, Club::kAcronymWidth);
        out.text(c.address, Club::kAddressWidth);
        out.text(c.address2, Club::kAddressWidth);
        out.text(c.postcode, Club::kPostcodeWidth);
        out.text(c.city, Club::kCityWidth);
        out.text(c.country, Club::kCountryWidth);
        out.text(c.telephone, Club::kTelephoneWidth);
        out.text(c.email, Club::kEmailWidth);
        out.endLine();
    }
    return out.take();
}

std::string formatPilots(const std::vector<Pilot>& pilots)
{
    FieldWriter out;
    for (const auto& p : pilots) {
        if (p.name.empty()) continue;
        out.text(p.name, Pilot::kNameWidth);
        out.text(p.address, Pilot::kAddressWidth);
        out.text(p.address2, Pilot::kAddressWidth);
        out.text(p.postcode, Pilot::kPostcodeWidth);
        out.text(p.city, Pilot::kCityWidth);
        out.text(p.country, Pilot::kCountryWidth);
        out.text(p.telephone, Pilot::kTelephoneWidth);
        out.text(p.email, Pilot::kEmailWidth);
        out.text(p.birthDate, Pilot::kBirthDateWidth);
        out.text(p.licence, Pilot::kLicenceWidth);
        out.text(p.transponder, Pilot::kTransponderWidth);
        out.text(p.club, Pilot::kClubWidth);
        out.text(p.photoPath, Pilot::kPhotoPathWidth);
        out.endLine();
    }
    return out.take();
}

std::string formatTransponderPacks(const std::vector<TransponderPack>& packs)
{
    FieldWriter out;
    for (std::size_t i = 0; i < kTransponderPackCount; ++i) {
        const TransponderPack empty;
        const TransponderPack& p = i < packs.size() ? packs[i] : empty;
        out.text(p.label, TransponderPack::kLabelWidth);
        for (const auto& t : p.transponders)
            out.text(t, TransponderPack::kTransponderWidth);
        out.endLine();
    }
    return out.take();
}

std::string formatFrequencies(const std::vector<RadioFrequency>& frequencies)
{
    // One value a line, with no TAB: the field text without its terminator.
    std::string out;
    for (const auto& f : frequencies) {
        std::string value = FieldWriter().text(f.value, RadioFrequency::kValueWidth).take();
        value.pop_back();
        if (!value.empty()) out += value + '\n';
    }
    return out;
}

bool writeCourses(const std::filesystem::path& file, const std::vector<Course>& courses)
{
    return record_text::writeWholeFile(file, formatCourses(courses));
}

bool writeClubs(const std::filesystem::path& file, const std::vector<Club>& clubs)
{
    return record_text::writeWholeFile(file, formatClubs(clubs));
}

bool writePilots(const std::filesystem::path& file, const std::vector<Pilot>& pilots)
{
    return record_text::writeWholeFile(file, formatPilots(pilots));
}

bool writeTransponderPacks(
    const std::filesystem::path& file, const std::vector<TransponderPack>& packs)
{
    return record_text::writeWholeFile(file, formatTransponderPacks(packs));
}

bool writeFrequencies(
    const std::filesystem::path& file, const std::vector<RadioFrequency>& frequencies)
{
    return record_text::writeWholeFile(file, formatFrequencies(frequencies));
}

} // namespace ksy
