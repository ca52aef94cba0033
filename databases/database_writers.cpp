#include "databases/database_writers.h"

#include "databases/record_text.h"

namespace ksy {

using record_text::appendField;

std::string formatCourses(const std::vector<Course>& courses)
{
    std::string out;
    for (const auto& c : courses) {
        if (c.name.empty()) continue;
        appendField(out, c.name, Course::kNameWidth);
        appendField(out, c.length, Course::kLengthWidth);
        appendField(out, c.lapRecordText, Course::kLapRecordTextWidth);
        out += std::to_string(c.lapRecordMs) + '\t';
        appendField(out, c.recordHolder, Course::kRecordHolderWidth);
        appendField(out, c.lapProtectionTime, Course::kLapProtectionWidth);
        appendField(out, c.place, Course::kPlaceWidth);
        appendField(out, c.imagePath, Course::kImagePathWidth);
        out += '\n';
    }
    return out;
}

std::string formatClubs(const std::vector<Club>& clubs)
{
    std::string out;
    for (const auto& c : clubs) {
        if (c.name.empty()) continue;
        appendField(out, c.name, Club::kNameWidth);
        appendField(out, c.acronym, Club::kAcronymWidth);
        appendField(out, c.address, Club::kAddressWidth);
        appendField(out, c.address2, Club::kAddressWidth);
        appendField(out, c.postcode, Club::kPostcodeWidth);
        appendField(out, c.city, Club::kCityWidth);
        appendField(out, c.country, Club::kCountryWidth);
        appendField(out, c.telephone, Club::kTelephoneWidth);
        appendField(out, c.email, Club::kEmailWidth);
        out += '\n';
    }
    return out;
}

std::string formatPilots(const std::vector<Pilot>& pilots)
{
    std::string out;
    for (const auto& p : pilots) {
        if (p.name.empty()) continue;
        appendField(out, p.name, Pilot::kNameWidth);
        appendField(out, p.address, Pilot::kAddressWidth);
        appendField(out, p.address2, Pilot::kAddressWidth);
        appendField(out, p.postcode, Pilot::kPostcodeWidth);
        appendField(out, p.city, Pilot::kCityWidth);
        appendField(out, p.country, Pilot::kCountryWidth);
        appendField(out, p.telephone, Pilot::kTelephoneWidth);
        appendField(out, p.email, Pilot::kEmailWidth);
        appendField(out, p.birthDate, Pilot::kBirthDateWidth);
        appendField(out, p.licence, Pilot::kLicenceWidth);
        appendField(out, p.transponder, Pilot::kTransponderWidth);
        appendField(out, p.club, Pilot::kClubWidth);
        appendField(out, p.photoPath, Pilot::kPhotoPathWidth);
        out += '\n';
    }
    return out;
}

std::string formatTransponderPacks(const std::vector<TransponderPack>& packs)
{
    std::string out;
    for (std::size_t i = 0; i < kTransponderPackCount; ++i) {
        const TransponderPack empty;
        const TransponderPack& p = i < packs.size() ? packs[i] : empty;
        appendField(out, p.label, TransponderPack::kLabelWidth);
        for (const auto& t : p.transponders)
            appendField(out, t, TransponderPack::kTransponderWidth);
        out += '\n';
    }
    return out;
}

std::string formatFrequencies(const std::vector<RadioFrequency>& frequencies)
{
    std::string out;
    for (const auto& f : frequencies) {
        std::string value = record_text::bounded(f.value, RadioFrequency::kValueWidth);
        std::erase_if(value, [](char c) { return c == '\t' || c == '\n'; });
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
