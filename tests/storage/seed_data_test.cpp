// Checks the files shipped in data/ against the layouts the program reads, so
// that a regenerated file that drifts from them is caught before it is seeded.
#include "databases/database_loaders.h"
#include "display/display_settings.h"
#include "storage/encoding.h"
#include "storage/work_folder.h"
#include "support/fakes.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace ksy;
using ksy::test::readFile;

namespace {

const WorkFolder data(std::filesystem::path(KSY_SOURCE_DIR) / "data");

std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(bytes.substr(start, end - start));
    if (start != bytes.size())
        out.push_back(bytes.substr(start)); // a last line without its line feed
    return out;
}

// The fields of a line where every field, the last one included, ends with a TAB.
std::vector<std::string> tabFields(const std::string& line)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find('\t', start)) != std::string::npos; start = end + 1)
        out.push_back(line.substr(start, end - start));
    if (start != line.size()) out.push_back("<no TAB after " + line.substr(start) + ">");
    return out;
}

bool isWindows1252Text(const std::string& bytes)
{
    for (unsigned char c : bytes)
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return false;
    return true;
}

std::uint32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// Empty when the file is a mono 16-bit PCM WAV whose chunk sizes match the
// file (a header written to a pipe carries placeholder sizes), else why not.
std::string wavProblem(const std::string& b)
{
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a WAV file";
    if (le(b, 4, 4) != b.size() - 8) return "RIFF size does not match the file";
    bool formatOk = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = le(b, at + 4, 4);
        if (size > b.size() - at - 8) return "chunk runs past the end of the file";
        if (b.compare(at, 4, "fmt ") == 0)
            formatOk = le(b, at + 8, 2) == 1 && le(b, at + 10, 2) == 1 && le(b, at + 22, 2) == 16;
        if (b.compare(at, 4, "data") == 0)
            return !formatOk ? "not mono 16-bit PCM" : size == 0 ? "no samples" : "";
        at += 8 + size + (size & 1);
    }
    return "no data chunk";
}

} // namespace

TEST(SeedData, CountryListHas208NamesInWindows1252)
{
    const std::string bytes = readFile(data.file("BaseDonnéesPays.bd"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), '\n');
    const auto names = lines(bytes);
    EXPECT_EQ(names.size(), 208u);
    std::set<std::string> unique;
    for (const auto& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 34u) << name; // the field holds 34 characters
        EXPECT_TRUE(isWindows1252Text(name)) << name;
        EXPECT_TRUE(unique.insert(name).second) << "twice: " << name;
    }
    // Accents are single Windows-1252 bytes, not UTF-8 pairs.
    EXPECT_TRUE(unique.count(cp1252("Algérie")));
    EXPECT_TRUE(unique.count(cp1252("Côte d'Ivoire")));
    EXPECT_TRUE(unique.count("France"));
    EXPECT_EQ(bytes.find('\xC3'), std::string::npos);

    // The program's own loader takes every name whole.
    const auto loaded = loadCountries(data.file("BaseDonnéesPays.bd"));
    ASSERT_TRUE(loaded.opened);
    ASSERT_EQ(loaded.records.size(), 208u);
    EXPECT_EQ(loaded.records.front().name, names.front());
    EXPECT_EQ(loaded.records.back().name, names.back());
}

TEST(SeedData, DatabasesStartEmptyAndThePackFileHasItsTwentyLines)
{
    for (const char* empty : {"BaseDonnéesParcours.bd", "BaseDonnéesClubs.bd",
             "BaseDonnéesPilotes.bd", "BaseDonnéesFréquences.bd"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(data.file(empty))) << empty;
        EXPECT_EQ(readFile(data.file(empty)), "") << empty;
    }

    const std::string packs = readFile(data.file("BaseDonnéesTranspondeurs.bd"));
    ASSERT_FALSE(packs.empty());
    EXPECT_EQ(packs.back(), '\n');
    const auto rows = lines(packs);
    ASSERT_EQ(rows.size(), 20u);
    std::set<std::string> labels;
    for (const auto& row : rows) {
        const auto fields = tabFields(row);
        ASSERT_EQ(fields.size(), 21u) << row;
        EXPECT_FALSE(fields[0].empty());
        EXPECT_LE(fields[0].size(), 6u) << fields[0]; // 7-byte field with its terminator
        EXPECT_TRUE(isWindows1252Text(fields[0]));
        EXPECT_TRUE(labels.insert(fields[0]).second);
        for (std::size_t t = 1; t < fields.size(); ++t)
            EXPECT_EQ(fields[t], "");
    }

    const auto loaded = loadTransponderPacks(data.file("BaseDonnéesTranspondeurs.bd"));
    ASSERT_TRUE(loaded.opened);
    ASSERT_EQ(loaded.records.size(), 20u);
    EXPECT_EQ(loaded.records[19].label, tabFields(rows[19])[0]);
    EXPECT_EQ(loaded.ignored, 0u);
}

TEST(SeedData, SettingsFilesFollowTheirLayouts)
{
    EXPECT_EQ(readFile(data.file("RéglagesSons.rg")),
        "SONLANGUEFrancais\nSONDECOMPTEoui\nSONDEPARToui\nSONPASSAGEoui\n"
        "SONMEILLEURTOURoui\nSONHORLOGEoui\nSONFINCOURSEoui\nSONFINVOITUREoui\n");

    // "<port>\t<connected>\t<identity>\n": no port chosen yet, so not
    // connected and the RC1 identity.
    EXPECT_EQ(readFile(data.file("RéglagesInterface2.rg")), "\t0\tKestrametrix\n");

    // Eleven lines of values each followed by a TAB.
    const std::string theme = readFile(data.file("Private/RéglagesAffichage.rgsc"));
    ASSERT_FALSE(theme.empty());
    EXPECT_EQ(theme.back(), '\n');
    const auto rows = lines(theme);
    ASSERT_EQ(rows.size(), 11u);
    const std::size_t counts[] = {1, 12, 12, 12, 12, 12, 12, 12, 13, 9, 16};
    std::vector<std::vector<std::string>> fields;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        fields.push_back(tabFields(rows[r]));
        EXPECT_EQ(fields[r].size(), counts[r]) << "line " << r + 1;
    }
    for (const auto& face : fields[1]) {
        EXPECT_FALSE(face.empty());
        EXPECT_LT(face.size(), 32u);
    }
    for (std::size_t r : {0u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u})
        for (const auto& v : fields[r])
            EXPECT_EQ(v.find_first_not_of("0123456789"), std::string::npos)
                << "line " << r + 1 << ": " << v;
    for (std::size_t r : {4u, 5u, 6u})
        for (const auto& v : fields[r])
            EXPECT_TRUE(v == "0" || v == "1");
    for (std::size_t r : {7u, 8u, 10u})
        for (const auto& v : fields[r])
            EXPECT_LE(std::stoul(v), 0xFFFFFFu); // colour references: no high byte
    int widths = 0;
    for (const auto& v : fields[9]) {
        EXPECT_LE(std::stoi(v), 999);
        widths += std::stoi(v);
    }
    // The board (columns plus 110 units of margins) must fit on the screen
    // right of the 200-pixel race tree at 1600 pixels wide.
    EXPECT_LE(200 + widths + 110, 1600);
    // 20 rows of the tallest column font (about 1.15 x its size, plus 20 %)
    // fit between the header band and the bottom of the board (465 units).
    int tallest = 0;
    for (std::size_t k = 3; k < 12; ++k)
        tallest = std::max(tallest, std::stoi(fields[2][k]));
    EXPECT_LE(20 * (tallest * 115 / 100 * 120 / 100), 465);
    EXPECT_GE(tallest, 14); // and stays readable from a few metres away

    // The program reads the theme whole and writes back the same bytes.
    DisplaySettings read;
    parseDisplaySettings(theme, read);
    EXPECT_EQ(read.fonts[11].face, "Arial");
    EXPECT_EQ(read.columnWidths[1], std::stoi(fields[9][1]));
    EXPECT_EQ(formatDisplaySettings(read), theme);
}

TEST(SeedData, EverySoundOfTheAnnouncementTableIsAValidWav)
{
    // Voices that exist in French and in English ("...GB.wav").
    std::vector<std::string> voices = {"60minutes", "30minutes", "15minutes", "5minutes",
        "2minutes", "1minute", "30secondes", "10secondes", "cinq", "quatre", "trois", "deux", "un",
        "miCourse"};
    for (int car = 1; car <= 20; ++car)
        voices.push_back("FinCourseVoiture" + std::to_string(car));
    std::vector<std::string> files = {
        "nokia-sms", "beep1", "foghorn", "youpi", "truckhorn", "buzz", "5minutesRaceGB"};
    for (const auto& v : voices) {
        files.push_back(v);
        files.push_back(v + "GB");
    }
    EXPECT_EQ(files.size(), 75u);
    for (const auto& name : files) {
        const auto path = data.file("sons/" + name + ".wav");
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << name;
        EXPECT_EQ(wavProblem(readFile(path)), "") << name;
        EXPECT_LT(std::filesystem::file_size(path), 200'000u) << name;
    }
}

TEST(SeedData, ImagesAndGuideAreThere)
{
    for (const char* bmp :
        {"logo.bmp", "drapeauArrivee.bmp", "impression.bmp", "enregistrer.bmp", "FlecheHaut.bmp",
            "FlecheBas.bmp", "voyantVert.bmp", "voyantRouge.bmp", "voyantScanPuce1.bmp",
            "voyantScanPuce2.bmp", "voyantScanPuce3.bmp", "voyantScanPuce4.bmp"}) {
        const std::string b = readFile(data.file(std::string("images/") + bmp));
        ASSERT_GT(b.size(), 54u) << bmp;
        EXPECT_EQ(b.compare(0, 2, "BM"), 0) << bmp;
        EXPECT_EQ(le(b, 2, 4), b.size()) << bmp;
    }
    const std::string logo = readFile(data.file("images/logo.bmp"));
    EXPECT_EQ(le(logo, 18, 4), 200u);
    EXPECT_EQ(le(logo, 22, 4), 50u);

    // Every numbered resource 1 to 27 has exactly one image.
    std::map<int, int> resources;
    for (const auto& entry : std::filesystem::directory_iterator(data.file("images"))) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("res_", 0) == 0 && entry.path().extension() == ".png")
            ++resources[std::stoi(name.substr(4, 2))];
    }
    EXPECT_EQ(resources.size(), 27u);
    for (const auto& [number, count] : resources) {
        EXPECT_GE(number, 1);
        EXPECT_LE(number, 27);
        EXPECT_EQ(count, 1) << number;
    }

    EXPECT_EQ(readFile(data.file("Guides/HelpSandYachtingFR.pdf")).compare(0, 5, "%PDF-"), 0);
}
