#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

TEST(RaceFile, NewRaceHasExactlyTheListedBytes)
{
    const std::string line1 = "10000\t1\tCATEGORIE 1\t0\t0\t0\t0\t0\t0\t";
    ASSERT_EQ(line1.size(), 32u);
    const std::string expected = line1 + repeat("1\t", 314) + "\n" + "\n" +
        "Cat\xE9gorieDrapeauxTreeview\t\n" + repeat("0\t", 1827) + "\n" + "\t1\t1\t\n";
    EXPECT_EQ(newRaceFileBytes(), expected);

    ksy::test::TempDir dir;
    const auto file = dir.path() / "Private" / "Course.race";
    Race race;
    race.heatFlags.setAt(5, 1);
    race.trackName = "old";
    ASSERT_TRUE(createNewRaceFile(file, race));
    EXPECT_EQ(readFile(file), expected);
    EXPECT_EQ(race.trackName, "");
    EXPECT_EQ(race.heatFlags, HeatFlags {});

    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(file, header));
    EXPECT_EQ(header.selection, 10000);
    EXPECT_EQ(header.categories.count, 1);
    EXPECT_EQ(header.categories.category(1), (CategoryRecord {"CATEGORIE 1", 0, 0, 0, 0, 0, 0}));
}

TEST(RaceFile, HeaderRoundTripKeepsTheNextSectionInPlace)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(file, race));
    while (race.addCategory()) { }
    EXPECT_EQ(race.categoryCount(), 9);
    for (int c = 1; c <= 9; ++c) {
        race.renameCategory(c, std::string(60, static_cast<char>('A' + c)));
        race.category(c).participants = 200;
        race.category(c).heatsPerRound = 20;
    }
    EXPECT_EQ(race.category(9).name.size(), 53u);
    race.header.selection = 93990;
    ASSERT_TRUE(writeRaceHeader(file, race.header));

    const std::string bytes = readFile(file);
    EXPECT_EQ(bytes.find('\n'), 660u); // the largest header stays inside its line
    EXPECT_EQ(bytes.substr(661), newRaceFileBytes().substr(661));
    RaceHeader back;
    ASSERT_TRUE(readRaceHeader(file, back));
    EXPECT_EQ(back, race.header);

    // Fewer digits than before, then more: the header line stays sound.
    ASSERT_TRUE(writeRaceSelection(file, 1000));
    ASSERT_TRUE(writeRaceSelection(file, 11001));
    back.clear();
    ASSERT_TRUE(readRaceHeader(file, back));
    EXPECT_EQ(back.selection, 11001);
    EXPECT_EQ(back.categories, race.header.categories);

    // Counters that no sound file holds must still not run into the next section.
    race.category(1).participants = 2000000000;
    for (int c = 1; c <= 9; ++c)
        race.category(c).rounds = -2000000000;
    ASSERT_TRUE(writeRaceHeader(file, race.header));
    HeatFlags flags;
    flags.setAt(0, 1);
    ASSERT_TRUE(readHeatFlags(file, flags));
    EXPECT_EQ(flags, HeatFlags {}); // found and read in full
    back.clear();
    ASSERT_TRUE(readRaceHeader(file, back));
    EXPECT_EQ(back, race.header);

    EXPECT_FALSE(writeRaceHeader(dir.path() / "absent.race", race.header));
    RaceHeader untouched = race.header;
    EXPECT_FALSE(readRaceHeader(dir.path() / "absent.race", untouched));
    EXPECT_EQ(untouched, race.header);
}

TEST(RaceFile, HeatFlagsSitAtTheirIndex)
{
    EXPECT_EQ(HeatFlags::index(9, 9, 20), 1803);
    EXPECT_EQ(HeatFlags::index(2, 3, 4), 203 + 40 + 3);

    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(file, race));
    HeatFlags flags;
    flags.set(9, 9, 20, true);
    flags.set(1, 1, 1, true);
    ASSERT_EQ(writeHeatFlags(file, flags), RewriteResult::Written);

    std::string body = "1\t" + repeat("0\t", 1802) + "1\t" + repeat("0\t", 23) + "\n";
    const std::string bytes = readFile(file);
    EXPECT_EQ(bytes,
        newRaceFileBytes().substr(0, 661) + "\n" + heatFlagsTitle() + "\t\n" + body + "\t1\t1\t\n");

    HeatFlags back;
    ASSERT_TRUE(readHeatFlags(file, back));
    EXPECT_EQ(back, flags);
    EXPECT_EQ(back.get(9, 9, 20), 1);
}

TEST(RaceFile, LoadsTheModelFromItsSections)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(file, race));
    race.addCategory();
    race.renameCategory(2, "Mini \xE9lite");
    race.category(2).participants = 3;
    ASSERT_TRUE(writeRaceHeader(file, race.header));
    auto participant = [](const char* name) {
        return [name](FieldWriter& w) {
            w.text(name).text("000123");
            for (int i = 0; i < 5; ++i)
                w.text("");
            w.endLine();
        };
    };
    ASSERT_EQ(fixedSlotRewrite(file, participantListTitle(2), 20,
                  [&](FieldWriter& w) {
                      participant("Ma\xEFtre \xFF")(w);
                      w.endLine(); // empty lines between records are skipped
                      participant("Dupont")(w);
                      participant("")(w); // an empty name ends the list
                      participant("Hidden")(w);
                  }),
        RewriteResult::Written);
    ASSERT_EQ(fixedSlotRewrite(file, trackSectionTitle(), kTrackReserve,
                  [](FieldWriter& w) {
                      w.text("GP").text("CCV").text("Plage Nord").integer(2).endLine();
                  }),
        RewriteResult::Written);
    HeatFlags flags;
    flags.set(2, 1, 3, true);
    ASSERT_EQ(writeHeatFlags(file, flags), RewriteResult::Written);

    Race loaded;
    loaded.participants.setName(1, 0, "left over");
    ASSERT_TRUE(loadRace(file, loaded));
    EXPECT_EQ(loaded.header, race.header);
    EXPECT_TRUE(loaded.participants.listed(1).empty());
    EXPECT_EQ(
        loaded.participants.listed(2), (std::vector<std::string> {"Ma\xEFtre \xFF", "Dupont"}));
    EXPECT_EQ(loaded.trackName, "Plage Nord");
    EXPECT_EQ(loaded.heatFlags, flags);

    Race kept = loaded;
    EXPECT_FALSE(loadRace(dir.path() / "absent.race", kept));
    EXPECT_EQ(kept.header, loaded.header);

    // A damaged count never reads past the nine slots.
    writeFile(file, "10000\t12\t" + repeat("C\t0\t0\t0\t0\t0\t0\t", 12) + "\n");
    ASSERT_TRUE(loadRace(file, loaded));
    EXPECT_EQ(loaded.categoryCount(), 9);
}

TEST(RaceModel, CategoriesAreCreatedUpToNineAndRenamedTo53Bytes)
{
    Race race;
    race.resetToNew();
    for (int c = 2; c <= 9; ++c) {
        ASSERT_TRUE(race.addCategory());
        EXPECT_EQ(race.category(c).name, "CATEGORIE " + std::to_string(c));
    }
    const RaceHeader nine = race.header;
    EXPECT_FALSE(race.addCategory());
    EXPECT_EQ(race.header, nine);

    EXPECT_TRUE(race.renameCategory(3, "Classe\t5\n" + std::string(60, 'x')));
    EXPECT_EQ(race.category(3).name, "Classe5" + std::string(44, 'x'));
    EXPECT_FALSE(race.renameCategory(10, "x"));
    EXPECT_FALSE(race.renameCategory(0, "x"));
}
