#include "display/display_settings.h"
#include "display/display_settings_check.h"
#include "support/fakes.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

// Every value different, so that a swapped or shifted field shows.
DisplaySettings sample()
{
    DisplaySettings s;
    s.style = 1;
    const char* faces[] = {"Arial", "Times New Roman", "Cour\xE9", "\xFF\xFE", "", "A b", "Verdana",
        "Tahoma", "Impact", "Georgia", "Symbol", "Wingdings"};
    for (std::size_t i = 0; i < 12; ++i) {
        const int n = static_cast<int>(i);
        s.fonts[i] = {faces[i], 10 + n, 400 + n, n % 2, (n + 1) % 2, n / 6};
        s.textColours[i] = rgb(n, 2 * n, 255 - n);
    }
    for (std::size_t i = 0; i < 13; ++i)
        s.colours[i] = rgb(100 + static_cast<int>(i), 0, 200);
    for (std::size_t i = 0; i < 9; ++i)
        s.columnWidths[i] = static_cast<int>(i) * 111;
    for (std::size_t i = 0; i < 16; ++i)
        s.customColours[i] = 0xFFFFFFu - static_cast<Colour>(i);
    return s;
}

std::string tabs(std::initializer_list<long long> values)
{
    std::string out;
    for (long long v : values)
        out += std::to_string(v) + "\t";
    return out + "\n";
}

} // namespace

TEST(DisplaySettingsFile, WriteThenReadGivesTheSameRecordFaceNamesIncluded)
{
    TempDir dir;
    const auto file = dir.path() / "theme.scrn";
    const DisplaySettings s = sample();
    ASSERT_TRUE(writeDisplaySettings(file, s));

    const std::string bytes = readFile(file);
    // Byte layout: style line, then the faces line, then the sizes line.
    const std::string head = "1\t\nArial\tTimes New Roman\tCour\xE9\t\xFF\xFE\t\tA b\tVerdana\t"
                             "Tahoma\tImpact\tGeorgia\tSymbol\tWingdings\t\n" +
        tabs({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 11);
    EXPECT_TRUE(bytes.ends_with(
        tabs({16777215, 16777214, 16777213, 16777212, 16777211, 16777210, 16777209, 16777208,
            16777207, 16777206, 16777205, 16777204, 16777203, 16777202, 16777201, 16777200})));

    DisplaySettings back;
    back.fonts[4].face = "stale"; // the names are cleared before reading
    ASSERT_TRUE(readDisplaySettings(file, back));
    EXPECT_EQ(back, s);

    // Rewriting what was read gives the same bytes.
    ASSERT_TRUE(writeDisplaySettings(file, back));
    EXPECT_EQ(readFile(file), bytes);
}

TEST(DisplaySettingsFile, MissingOrDamagedFileKeepsWhatCannotBeRead)
{
    TempDir dir;
    DisplaySettings s = sample();
    EXPECT_FALSE(readDisplaySettings(dir.path() / "none.rgsc", s));
    EXPECT_EQ(s, sample());
    EXPECT_FALSE(writeDisplaySettings(dir.path() / "no" / "such.rgsc", s));

    // A faces line with two names, then the sizes with a damaged value: the
    // other names stay empty and the values from the damage on are kept.
    writeFile(dir.path() / "bad.rgsc", "0\t\nArial\tVerdana\t\n5\t6\tx\t7\t\n");
    ASSERT_TRUE(readDisplaySettings(dir.path() / "bad.rgsc", s));
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(s.fonts[0].face, "Arial");
    EXPECT_EQ(s.fonts[1].face, "Verdana");
    EXPECT_EQ(s.fonts[2].face, "");
    EXPECT_EQ(s.fonts[0].size, 5);
    EXPECT_EQ(s.fonts[1].size, 6);
    EXPECT_EQ(s.fonts[2].size, sample().fonts[2].size);
    EXPECT_EQ(s.customColours, sample().customColours);

    // A face longer than its array is cut to 31 bytes.
    DisplaySettings longFace;
    longFace.fonts[0].face = std::string(40, 'f');
    DisplaySettings read;
    parseDisplaySettings(formatDisplaySettings(longFace), read);
    EXPECT_EQ(read.fonts[0].face, std::string(31, 'f'));
    EXPECT_EQ(read.fonts[1].face, "");
}

TEST(DisplaySettingsFile, ThemeNamesGetTheirExtension)
{
    EXPECT_EQ(themeFileName("soir"), "soir.scrn");
    EXPECT_EQ(themeFileName("soir.scrn"), "soir.scrn");
}

TEST(DisplaySettingsFile, ADamagedFileIsRefusedWithItsFaultAndTheShippedThemeIsTheFilesOwn)
{
    // The shipped theme is the file of a new working folder and the .scrn
    // the official can load again, byte for byte.
    const std::string shipped = formatDisplaySettings(shippedDisplaySettings());
    const auto data = std::filesystem::path(KSY_SOURCE_DIR) / "data";
    EXPECT_EQ(readFile(data / "Private" / u8"RéglagesAffichage.rgsc"), shipped);
    EXPECT_EQ(readFile(data / std::filesystem::path(u8"Thème standard.scrn")), shipped);
    EXPECT_EQ(displaySettingsProblem(shipped), "");

    auto replaced = [&](std::string_view from, std::string_view to) {
        std::string s = shipped;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "le fichier est vide"},
        {shipped.substr(0, shipped.find("700\t")), "le fichier s'arrête à la ligne 3 sur 11"},
        // A value lost: the later ones must not slide into its place.
        {replaced("28\t34\t", "28\t"), "ligne 3 : 11 valeurs au lieu de 12"},
        {replaced("60\t280\t", "60\t280\t5\t"), "ligne 10 : 10 valeurs au lieu de 9"},
        {replaced("28\t34\t", "28\t2147483648\t"), "ligne 3 : valeur 2 hors limites (2147483648)"},
        {replaced("28\t34\t", "28\t0\t"), "ligne 3 : valeur 2 hors limites (0)"},
        {replaced("700\t700\t", "700\t7x\t"), "ligne 4 : valeur 2 n'est pas un nombre"},
        {replaced("60\t280\t", "60\t1000\t"), "ligne 10 : valeur 2 hors limites (1000)"},
        {shipped + "1\t\n", "plus de 11 lignes"},
        {std::string(70000, '1'), "le fichier est trop grand"},
    };
    TempDir dir;
    const auto file = dir.path() / "t.scrn";
    for (const auto& [bytes, problem] : cases) {
        SCOPED_TRACE(problem);
        EXPECT_EQ(displaySettingsProblem(bytes), problem);
        writeFile(file, bytes);
        DisplaySettings s = sample();
        const DisplaySettingsLoad load = loadDisplaySettings(file, s);
        EXPECT_EQ(load.status, DisplaySettingsStatus::Damaged);
        EXPECT_EQ(s, sample()); // nothing of a damaged file is used
    }

    // CR LF line ends and trailing blank lines are read; negative widths are
    // brought to 0 as the dialog does.
    std::string crlf;
    for (char c : replaced("60\t280\t", "-60\t280\t"))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeFile(file, crlf + "\r\n");
    DisplaySettings s;
    EXPECT_EQ(loadDisplaySettings(file, s).status, DisplaySettingsStatus::Read);
    DisplaySettings expected = shippedDisplaySettings();
    expected.columnWidths[0] = 0;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(
        loadDisplaySettings(dir.path() / "none", s).status, DisplaySettingsStatus::CannotOpen);
    EXPECT_EQ(loadDisplaySettings(dir.path(), s).status, DisplaySettingsStatus::CannotOpen);
}
