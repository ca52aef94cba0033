#include "display/board_inputs.h"
#include "display/board_style.h"
#include "display/display_settings_form.h"
#include "support/fakes.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace ksy;
using namespace ksy::test;
using F = DisplaySettingsForm;

namespace {

std::string utf8(const std::filesystem::path& p)
{
    const auto u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

const std::filesystem::path kShipped =
    std::filesystem::path(KSY_SOURCE_DIR) / "data" / "Private" / u8"RéglagesAffichage.rgsc";

// A working folder holding the shipped settings file.
struct Folder {
    Folder()
        : folder(dir.path())
    {
        std::filesystem::create_directories(dir.path() / "Private");
        writeFile(settingsFile(), readFile(kShipped));
    }
    std::filesystem::path settingsFile() const { return folder.file(kDisplaySettingsFile); }
    TempDir dir;
    WorkFolder folder;
    FakePrompts prompts;
};

} // namespace

TEST(DisplaySettingsForm, OpensTheSettingsFileOrTheShippedThemeWithTheErrorBox)
{
    Folder f;
    F form;
    form.open(f.folder, f.prompts);
    DisplaySettings shipped;
    ASSERT_TRUE(readDisplaySettings(kShipped, shipped));
    EXPECT_EQ(form.settings(), shipped);
    EXPECT_TRUE(f.prompts.boxes.empty());
    EXPECT_EQ(form.chosenColumn(), 0);
    EXPECT_EQ(form.widthText(), "60");
    EXPECT_TRUE(form.isChecked(F::StyleRelief)); // the shipped style is 1
    EXPECT_FALSE(form.isChecked(F::StyleGradient));

    // A negative width (a drag on the board) is clamped without a word; a
    // width beyond 999 is a damaged file: said, and the shipped theme used.
    std::string bytes = readFile(kShipped);
    bytes.replace(bytes.find("60\t280\t"), 7, "-3\t280\t");
    writeFile(f.settingsFile(), bytes);
    form.open(f.folder, f.prompts);
    EXPECT_EQ(form.settings().columnWidths[0], 0);
    EXPECT_EQ(form.settings().columnWidths[1], 280);
    EXPECT_TRUE(f.prompts.boxes.empty());
    bytes.replace(bytes.find("-3\t280\t"), 7, "-3\t5000\t");
    writeFile(f.settingsFile(), bytes);
    form.open(f.folder, f.prompts);
    EXPECT_EQ(form.settings(), shipped);
    ASSERT_EQ(f.prompts.texts().size(), 1u);
    EXPECT_EQ(f.prompts.texts()[0],
        "Erreur: le fichier Réglage Affichage " + utf8(f.settingsFile()) +
            " est endommagé (ligne 10 : valeur 2 hors limites (5000)).\nLe thème d'origine est "
            "utilisé.");
    f.prompts.boxes.clear();

    std::filesystem::remove(f.settingsFile());
    form.click(F::StyleGradient);
    form.open(f.folder, f.prompts);
    EXPECT_EQ(form.settings(), shipped);
    ASSERT_EQ(f.prompts.texts(),
        std::vector<std::string> {
            std::string(kDisplaySettingsError) + "\nLe thème d'origine est utilisé."});
    EXPECT_EQ(f.prompts.boxes[0].title, "Erreur");
    // An unknown style checks neither radio.
    DisplaySettings odd;
    odd.style = 7;
    EXPECT_FALSE(F(odd).isChecked(F::StyleRelief) || F(odd).isChecked(F::StyleGradient));
}

TEST(DisplaySettingsForm, WidthOfTheChosenColumnStaysWithinZeroTo999)
{
    DisplaySettings s;
    s.columnWidths = {998, 1, 50, 0, 0, 0, 0, 0, 7};
    F form(s);
    form.click(F::Plus);
    form.click(F::Plus);
    EXPECT_EQ(form.width(), 999);
    form.chooseColumn(1);
    EXPECT_EQ(form.widthText(), "1");
    form.click(F::Minus);
    form.click(F::Minus);
    EXPECT_EQ(form.width(), 0);
    form.chooseColumn(9); // no such column: the choice stays
    form.chooseColumn(-1);
    EXPECT_EQ(form.chosenColumn(), 1);

    form.chooseColumn(2);
    EXPECT_EQ(form.typeWidth("12"), std::nullopt);
    EXPECT_EQ(form.width(), 12);
    EXPECT_EQ(form.typeWidth("4567"), std::optional<std::string>("456"));
    EXPECT_EQ(form.width(), 456);
    EXPECT_EQ(form.typeWidth(""), std::nullopt);
    EXPECT_EQ(form.width(), 0);
    // Only the chosen column moved.
    EXPECT_EQ(form.settings().columnWidths, (std::array<int, 9> {999, 0, 0, 0, 0, 0, 0, 0, 7}));
}

TEST(DisplaySettingsForm, OkWritesTheFileAndEchapLeavesItAsTheWindowWroteIt)
{
    Folder f;
    const std::string before = readFile(f.settingsFile());
    {
        F form;
        form.open(f.folder, f.prompts);
        form.click(F::StyleGradient);
        form.click(F::Plus);
        // Echap: the form is dropped without confirm().
    }
    EXPECT_EQ(readFile(f.settingsFile()), before);

    F form;
    form.open(f.folder, f.prompts);
    form.click(F::StyleGradient);
    form.chooseColumn(8);
    form.click(F::Minus);
    std::array<Colour, 16> custom {};
    custom[15] = rgb(1, 2, 3);
    form.setCustomColours(custom);
    ASSERT_TRUE(form.confirm(f.folder, f.prompts));
    DisplaySettings written;
    ASSERT_TRUE(readDisplaySettings(f.settingsFile(), written));
    EXPECT_EQ(written, form.settings());
    EXPECT_EQ(written.style, 0);
    EXPECT_EQ(written.columnWidths[8], 99);
    EXPECT_EQ(written.customColours[15], rgb(1, 2, 3));

    std::filesystem::remove_all(f.dir.path() / "Private");
    EXPECT_FALSE(form.confirm(f.folder, f.prompts));
    EXPECT_EQ(f.prompts.texts(), std::vector<std::string> {std::string(kDisplaySettingsError)});
}

TEST(DisplaySettingsForm, ThemesAreLoadedAndSavedWithTheScrnExtension)
{
    Folder f;
    FakeFileChooser files;
    F form;
    form.open(f.folder, f.prompts);
    form.chooseColumn(4);
    form.setColour(ColourBoard, rgb(10, 20, 30));

    // Cancelled, or the untouched preset: nothing written.
    files.choices = {std::nullopt, utf8(f.dir.path() / "*.scrn")};
    EXPECT_FALSE(form.saveTheme(files, f.folder, f.prompts));
    EXPECT_FALSE(form.saveTheme(files, f.folder, f.prompts));
    EXPECT_EQ(files.saved.back(), utf8(f.dir.path() / "*.scrn"));
    EXPECT_EQ(files.lastFilter.description, "Fichier affichage (.scrn)");
    EXPECT_EQ(files.lastFilter.pattern, "*.scrn");

    files.choices = {utf8(f.dir.path() / "nuit"), utf8(f.dir.path() / u8"été.scrn")};
    ASSERT_TRUE(form.saveTheme(files, f.folder, f.prompts));
    ASSERT_TRUE(form.saveTheme(files, f.folder, f.prompts));
    EXPECT_FALSE(std::filesystem::exists(f.dir.path() / "nuit"));
    EXPECT_FALSE(std::filesystem::exists(f.dir.path() / u8"été.scrn.scrn"));
    const std::string saved = readFile(f.dir.path() / "nuit.scrn");
    EXPECT_EQ(saved, formatDisplaySettings(form.settings()));
    EXPECT_EQ(readFile(f.dir.path() / u8"été.scrn"), saved);

    // Loading replaces the dialog's copy; the chosen column stays chosen.
    DisplaySettings other = form.settings();
    other.columnWidths[4] = 321;
    other.colours[ColourBoard] = rgb(200, 0, 0);
    other.fonts[FontHeatTitle].face = "Times New Roman";
    writeFile(f.dir.path() / "rouge.scrn", formatDisplaySettings(other));
    files.choices = {utf8(f.dir.path() / "rouge.scrn")};
    ASSERT_TRUE(form.loadTheme(files, f.folder, f.prompts));
    EXPECT_EQ(files.opened.back(), utf8(f.dir.path()));
    EXPECT_EQ(form.settings(), other);
    EXPECT_EQ(form.widthText(), "321");
    // The working settings file is only written by "Ok".
    EXPECT_EQ(readFile(f.settingsFile()), readFile(kShipped));

    // A theme that vanished before it was read: the error box, copy unchanged.
    files.choices = {utf8(f.dir.path() / "parti.scrn")};
    EXPECT_FALSE(form.loadTheme(files, f.folder, f.prompts));
    EXPECT_EQ(form.settings(), other);
    // A theme folder that cannot be written.
    files.choices = {utf8(f.dir.path() / "absent" / "x")};
    EXPECT_FALSE(form.saveTheme(files, f.folder, f.prompts));
    EXPECT_EQ(f.prompts.texts(),
        (std::vector<std::string> {
            std::string(kDisplaySettingsError), std::string(kDisplaySettingsError)}));
}

TEST(DisplaySettingsForm, FontsAndColoursGoToTheirEntriesAndShowInTheSamples)
{
    Folder f;
    F form;
    form.open(f.folder, f.prompts);
    const DisplaySettings before = form.settings();

    // "Résultats tableau" edits the font of the column chosen in the list.
    form.chooseColumn(ColumnTotalTime);
    const int entry = form.fontEntry(3822);
    EXPECT_EQ(entry, FontFirstColumn + static_cast<int>(ColumnTotalTime));
    EXPECT_EQ(form.fontEntry(3815), FontHeatTitle);
    EXPECT_EQ(form.fontEntry(3811), DisplayElement::None);
    FontSpec picked {"Verdana", 22, 900, true, false, true};
    ASSERT_TRUE(form.setFont(entry, picked));
    form.setTextColour(entry, rgb(0, 0, 255));
    EXPECT_EQ(form.font(entry), picked);
    const DisplayFont& stored = form.settings().fonts[static_cast<std::size_t>(entry)];
    EXPECT_EQ(stored, (DisplayFont {"Verdana", 22, 900, 1, 0, 1}));
    for (int other = 0; other < 12; ++other) {
        if (other != entry) {
            EXPECT_EQ(form.settings().fonts[static_cast<std::size_t>(other)],
                before.fonts[static_cast<std::size_t>(other)])
                << other;
        }
    }

    // Faces the file cannot hold are refused and the entry kept.
    const DisplayFont kept = form.settings().fonts[0];
    EXPECT_FALSE(form.setFont(0, {"Noto Sans CJK \xE6\x97\xA5", 20}));
    EXPECT_FALSE(form.setFont(0, {"Tab\tFace", 20}));
    EXPECT_FALSE(form.setFont(0, {std::string(32, 'A'), 20}));
    EXPECT_FALSE(form.setFont(12, {"Arial", 20}));
    EXPECT_TRUE(
        form.setFont(0, {"Caf\xC3\xA9 Sans", 0})); // stored as Windows-1252, size at least 1
    EXPECT_EQ(form.settings().fonts[0].face, "Caf\xE9 Sans");
    EXPECT_EQ(form.settings().fonts[0].size, 1);
    EXPECT_NE(form.settings().fonts[0], kept);

    // Samples: the chosen column's font on the table gradient, with the
    // separator colour; cell backgrounds under their column's font; plain
    // swatches for the window colours.
    form.setColour(ColourTableTop, rgb(1, 1, 1));
    form.setColour(ColourTableBottom, rgb(2, 2, 2));
    form.setColour(ColourSeparators, rgb(3, 3, 3));
    const ElementSample table = form.sample(3822);
    EXPECT_EQ(table.text, "AaBbYyZz");
    EXPECT_EQ(table.font, picked);
    EXPECT_EQ(table.textColour, rgb(0, 0, 255));
    EXPECT_EQ(table.top, rgb(1, 1, 1));
    EXPECT_EQ(table.bottom, rgb(2, 2, 2));
    EXPECT_EQ(table.lines, rgb(3, 3, 3));

    form.setColour(ColourHeatBestLap, rgb(9, 9, 9));
    const ElementSample best = form.sample(3818);
    EXPECT_EQ(best.font, form.font(FontFirstColumn + static_cast<int>(ColumnBestLap)));
    EXPECT_EQ(best.top, rgb(9, 9, 9));
    EXPECT_EQ(best.bottom, best.top);
    EXPECT_EQ(best.lines, std::nullopt);

    form.setColour(ColourWindow, rgb(4, 5, 6));
    const ElementSample window = form.sample(3811);
    EXPECT_TRUE(window.text.empty());
    EXPECT_EQ(window.top, rgb(4, 5, 6));
    EXPECT_EQ(form.textOf(3819), "Meilleur tour pilote");
    EXPECT_EQ(form.textOf(F::StyleGradient), "style dégradé");
}
