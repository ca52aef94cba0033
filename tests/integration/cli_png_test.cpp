// kestrametrix-cli replay --png: the board of a replayed heat rendered to a
// PNG file, with the settings of a working folder or the shipped theme.
#include "display/board_style.h"
#include "display/display_settings.h"
#include "e2e_support.h"
#include "support/fakes.h"

#include <QImage>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;
using test::TempDir;

using test::CliRun;
using test::runCli;

QString qs(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

const QString kHeat = QString::fromUtf8(KSY_SOURCE_DIR "/docs/heat-12-pilotes.scn");
const std::filesystem::path kShippedSettings =
    std::filesystem::path(KSY_SOURCE_DIR) / "data" / "Private" / u8"RéglagesAffichage.rgsc";

int distinctColours(const QImage& image, const QRect& area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            dark += qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    return dark;
}

QRgb qrgbOf(Colour c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

TEST(CliPng, RendersTheBoardAtTheEndOfTheHeatWithTheShippedTheme)
{
    TempDir dir;
    const auto png = dir.path() / "board.png";
    const CliRun plain = runCli({"replay", kHeat});
    ASSERT_EQ(plain.exitCode, 0);
    const CliRun rendered = runCli({"replay", kHeat, "--png", qs(png), "--size", "1280x720"});
    ASSERT_EQ(rendered.exitCode, 0);
    // The replay's own output does not change with a render.
    EXPECT_EQ(rendered.out, plain.out);
    EXPECT_NE(plain.out.find("Thibault Vandenbroucke"), std::string::npos);

    QImage image;
    ASSERT_TRUE(image.load(qs(png), "PNG"));
    EXPECT_EQ(image.size(), QSize(1280, 720));
    DisplaySettings shipped;
    ASSERT_TRUE(readDisplaySettings(kShippedSettings, shipped));
    // u = 0.8, v = 0.8: the margin between the board's left edge (212) and
    // the header band (216), halfway down, shows the board background.
    EXPECT_EQ(image.pixel(214, 300), qrgbOf(shipped.colours[ColourBoard]));
    // Texts, gradients and bitmaps, not a flat picture: the twelve rows, the
    // logo, and the finish flags beside the finished pilots.
    EXPECT_GT(distinctColours(image, QRect(250, 116, 800, 200)), 100);
    EXPECT_GT(distinctColours(image, QRect(4, 2, 196, 50)), 20);
    // The finish column: flags beside the first four (finished), none beside
    // the next five (still on their last lap).
    EXPECT_GT(darkPixels(image, QRect(1222, 118, 16, 66)), 100);
    EXPECT_EQ(darkPixels(image, QRect(1222, 190, 16, 78)), 0);

    // Default size: the screen the layout is drawn for.
    ASSERT_EQ(runCli({"replay", kHeat, "--png", qs(png)}).exitCode, 0);
    ASSERT_TRUE(image.load(qs(png), "PNG"));
    EXPECT_EQ(image.size(), QSize(1600, 900));
}

TEST(CliPng, TakesTheSettingsOfTheWorkingFolderAndRefusesWhatItCannotUse)
{
    TempDir work;
    std::filesystem::create_directories(work.path() / "Private");
    DisplaySettings theme;
    ASSERT_TRUE(readDisplaySettings(kShippedSettings, theme));
    theme.colours[ColourBoard] = rgb(12, 200, 34);
    ASSERT_TRUE(writeDisplaySettings(work.path() / "Private" / u8"RéglagesAffichage.rgsc", theme));

    const auto png = work.path() / "board.png";
    ASSERT_EQ(
        runCli({"replay", kHeat, "--png", qs(png), "--workdir", qs(work.path())}).exitCode, 0);
    QImage image;
    ASSERT_TRUE(image.load(qs(png), "PNG"));
    EXPECT_EQ(image.pixel(200 + 17, 400), qRgb(12, 200, 34));

    // Nothing rendered and nothing printed when the request cannot be met.
    TempDir empty;
    const auto none = empty.path() / "none.png";
    for (const QStringList& bad : {
             QStringList {"replay", kHeat, "--png", qs(none), "--workdir", qs(empty.path())},
             QStringList {"replay", kHeat, "--png", qs(none), "--size", "100x100"},
             QStringList {"replay", kHeat, "--png", qs(none), "--size", "1600"},
             QStringList {"replay", kHeat, "--png", qs(none), "--size"},
             QStringList {"replay", kHeat, "--size", "1600x900"},
             QStringList {"replay", kHeat, "--png", qs(none), "--png", qs(none)},
         }) {
        const CliRun run = runCli(bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.empty()) << bad.join(' ').toStdString();
        EXPECT_FALSE(std::filesystem::exists(none)) << bad.join(' ').toStdString();
    }
    // A PNG that cannot be written.
    EXPECT_EQ(
        runCli({"replay", kHeat, "--png", qs(empty.path() / "absent" / "b.png")}).exitCode, 1);
}

} // namespace ksy
