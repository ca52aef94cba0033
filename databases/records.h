#pragma once
// The records of the six databases that outlive every race: tracks, clubs,
// pilots, club transponder packs, radio frequencies and countries. Text is
// Windows-1252 bytes; every width is the size of the original fixed buffer,
// terminator included, so a field holds at most width - 1 bytes. The loaders
// bound what they read by these widths; the writers bound what they write.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ksy {

// "(NA)", "PisteCourse" and any name containing "Catégorie" (Windows-1252):
// a pilot name starts race-file lines, where the section lookup would take
// such a name for a section title or an empty slot. Refused wherever a name
// enters: the editors, the database loads and the participant entry.
bool isReservedName(std::string_view name);

// Table capacities: the editors refuse additions beyond them and the loaders
// read no further.
inline constexpr std::size_t kCourseCapacity = 50;
inline constexpr std::size_t kClubCapacity = 100;
inline constexpr std::size_t kPilotCapacity = 1000;
inline constexpr std::size_t kTransponderPackCount = 20;
inline constexpr std::size_t kFrequencyCapacity = 100;
inline constexpr std::size_t kCountryCount = 208;

// A track, "BaseDonnéesParcours.bd". Fields in file order.
struct Course {
    static constexpr std::size_t kNameWidth = 40;
    static constexpr std::size_t kLengthWidth = 5;
    static constexpr std::size_t kLapRecordTextWidth = 15;
    static constexpr std::size_t kRecordHolderWidth = 40;
    static constexpr std::size_t kLapProtectionWidth = 4;
    static constexpr std::size_t kPlaceWidth = 40;
    static constexpr std::size_t kImagePathWidth = 260;

    std::string name;
    std::string length; // metres, as typed
    std::string lapRecordText; // the record as shown ("1:02.345")
    std::int32_t lapRecordMs = 0; // 0 = no record
    std::string recordHolder; // a pilot name
    std::string lapProtectionTime; // seconds, as typed
    std::string place; // city or beach
    std::string imagePath; // a .bmp

    bool operator==(const Course&) const = default;
};

// The lap record split into its parts, as the course editor shows it.
struct LapRecordParts {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t milliseconds = 0;
    bool operator==(const LapRecordParts&) const = default;
};
LapRecordParts splitLapRecord(std::int32_t ms);

// A club, "BaseDonnéesClubs.bd".
struct Club {
    static constexpr std::size_t kNameWidth = 50;
    static constexpr std::size_t kAcronymWidth = 15;
    static constexpr std::size_t kAddressWidth = 40;
    static constexpr std::size_t kPostcodeWidth = 15;
    static constexpr std::size_t kCityWidth = 40;
    static constexpr std::size_t kCountryWidth = 35;
    static constexpr std::size_t kTelephoneWidth = 20;
    static constexpr std::size_t kEmailWidth = 40;

    std::string name;
    std::string acronym;
    std::string address;
    std::string address2;
    std::string postcode;
    std::string city;
    std::string country;
    std::string telephone;
    std::string email;

    bool operator==(const Club&) const = default;
};

// A pilot, "BaseDonnéesPilotes.bd".
struct Pilot {
    static constexpr std::size_t kNameWidth = 40;
    static constexpr std::size_t kAddressWidth = 40;
    static constexpr std::size_t kPostcodeWidth = 15;
    static constexpr std::size_t kCityWidth = 40;
    static constexpr std::size_t kCountryWidth = 35;
    static constexpr std::size_t kTelephoneWidth = 20;
    static constexpr std::size_t kEmailWidth = 40;
    static constexpr std::size_t kBirthDateWidth = 20;
    static constexpr std::size_t kLicenceWidth = 20;
    static constexpr std::size_t kTransponderWidth = 7;
    static constexpr std::size_t kClubWidth = 50;
    static constexpr std::size_t kPhotoPathWidth = 260;

    std::string name;
    std::string address;
    std::string address2;
    std::string postcode;
    std::string city;
    std::string country;
    std::string telephone;
    std::string email;
    std::string birthDate; // free text
    std::string licence;
    std::string transponder; // digits
    std::string club; // a club name
    std::string photoPath; // a .bmp

    bool operator==(const Pilot&) const = default;
};

// A club's pack of transponders, "BaseDonnéesTranspondeurs.bd". The file
// always has the 20 packs; a slot without a transponder is empty.
struct TransponderPack {
    static constexpr std::size_t kLabelWidth = 7;
    static constexpr std::size_t kTransponderWidth = 7;
    static constexpr std::size_t kSlots = 20;

    std::string label;
    std::array<std::string, kSlots> transponders;

    bool operator==(const TransponderPack&) const = default;
};

// A radio frequency, "BaseDonnéesFréquences.bd": one value a line.
struct RadioFrequency {
    static constexpr std::size_t kValueWidth = 7;
    std::string value;
    bool operator==(const RadioFrequency&) const = default;
};

// A country name, "BaseDonnéesPays.bd" (supplied with the program, read only).
struct Country {
    static constexpr std::size_t kNameWidth = 35;
    std::string name;
    bool operator==(const Country&) const = default;
};

} // namespace ksy
