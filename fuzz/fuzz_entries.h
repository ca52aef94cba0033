#pragma once
// One entry per reader of outside input: each takes arbitrary bytes as the
// contents of a file or a byte stream and runs the program's own readers on
// them. The fuzz targets call them with generated inputs; the replay test
// calls them with the inputs that once failed, kept in tests/data/fuzz/.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ksy::fuzz {

using Entry = void (*)(const std::uint8_t* data, std::size_t size);

void raceFile(const std::uint8_t* data, std::size_t size);
void sectionBodies(const std::uint8_t* data, std::size_t size);
void databases(const std::uint8_t* data, std::size_t size);
void settings(const std::uint8_t* data, std::size_t size);
void decoderBytes(const std::uint8_t* data, std::size_t size);
void heatScenario(const std::uint8_t* data, std::size_t size);
void exchangeFiles(const std::uint8_t* data, std::size_t size);
void csvSheet(const std::uint8_t* data, std::size_t size);
void xlsxSheet(const std::uint8_t* data, std::size_t size);
void odsSheet(const std::uint8_t* data, std::size_t size);

struct NamedEntry {
    std::string_view name; // the target's name, and its folder of inputs
    Entry entry;
};

inline constexpr NamedEntry kEntries[] = {
    {"race_file", raceFile},
    {"section_bodies", sectionBodies},
    {"databases", databases},
    {"settings", settings},
    {"decoder_bytes", decoderBytes},
    {"heat_scenario", heatScenario},
    {"exchange_files", exchangeFiles},
    {"csv_sheet", csvSheet},
    {"xlsx_sheet", xlsxSheet},
    {"ods_sheet", odsSheet},
};

} // namespace ksy::fuzz
