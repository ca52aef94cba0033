#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "planning/participant_details_form.h"
#include "storage/race_file.h"
#include "support/fake_serial_link.h"
#include "race_folder_fixture.h"
#include "support/fakes.h"
#include "timing/interface_settings.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakeClock;
using ksy::test::FakePrompts;
using ksy::test::FakeSerialLink;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

// A race whose category 1 has Albert and Durand; the selection is Durand.
struct DetailsFolder : ksy::test::NewRaceFolder {
    FakeClock clock;
    FakeSerialLink port;

    explicit DetailsFolder(const std::string& identity = "KestrametrixRC2")
    {
        RaceHeader header;
        readRaceHeader(workingRaceFile(folder), header);
        header.selection = 10000 + 1002;
        writeRaceHeader(workingRaceFile(folder), header);
        ParticipantList list;
        list.at(0) = {"Albert", "000011", {"27.045", "", "", "", ""}};
        list.at(1) = {"Durand", "000010", {"", "2.4Ghz", "", "", ""}};
        writeParticipantList(workingRaceFile(folder), 1, list, true);
        writeFrequencies(folder.file(kFrequencyFile), {{"41.100"}, {"2.4Ghz"}, {"27.045"}});
        writeInterfaceSettings(folder, {"/dev/null", 1, identity});
        port.open("/dev/null");
    }
    ParticipantList stored()
    {
        ParticipantList list;
        readParticipantList(workingRaceFile(folder), 1, list);
        return list;
    }
};

} // namespace

TEST(ParticipantDetails, TransponderTakesOneToSixDigitsAndOkRewritesTheList)
{
    DetailsFolder f;
    ParticipantDetailsForm form(f.folder, f.port, f.clock, f.prompts);
    EXPECT_TRUE(f.prompts.boxes.empty());
    ASSERT_TRUE(form.hasParticipant());
    EXPECT_EQ(form.name(), "Durand");
    EXPECT_EQ(form.frequency(1), "2.4Ghz");
    EXPECT_EQ(form.frequencyChoices(), (std::vector<std::string> {"2.4Ghz", "27.045", "41.100"}));

    EXPECT_EQ(form.sharedTransponder(), "");
    EXPECT_TRUE(form.transponderEdited("11")); // Albert's, in the six-digit form
    EXPECT_EQ(form.transponder(), "000011");
    EXPECT_EQ(form.sharedTransponder(), "Albert");
    EXPECT_FALSE(form.transponderEdited("12a"));
    EXPECT_FALSE(form.transponderEdited("1234567"));
    EXPECT_EQ(form.transponder(), "000011");
    EXPECT_TRUE(form.transponderEdited("123456"));
    EXPECT_EQ(form.transponder(), "123456");
    form.frequencyChosen(0, "41.100");
    ASSERT_TRUE(form.save());

    const ParticipantList list = f.stored();
    EXPECT_EQ(list.at(1), (Participant {"Durand", "123456", {"41.100", "2.4Ghz", "", "", ""}}));
    EXPECT_EQ(list.at(0).transponder, "000011");
}

TEST(ParticipantDetails, ScanReadsTheLastFrameOfTheConnectedModel)
{
    DetailsFolder f;
    ParticipantDetailsForm form(f.folder, f.port, f.clock, f.prompts);
    // Passings before the scan are thrown away, scanning or not.
    f.port.chunks.push_back({0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x05, 0, 0, 0, 0, 0});
    EXPECT_FALSE(form.tick());
    EXPECT_TRUE(f.port.chunks.empty());

    f.port.chunks.push_back({0x00, 0x01}); // stale, dropped when the scan starts
    form.setScanning(true);
    EXPECT_EQ(form.scanText(), "On");
    EXPECT_TRUE(f.port.chunks.empty());
    // FF FF FF F0 00 7B and five more bytes: transponder 123.
    f.port.chunks.push_back({0x12, 0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x7B, 1, 2, 3, 4, 5});
    EXPECT_EQ(form.tick(), "000123");
    EXPECT_EQ(form.transponder(), "000123");
    // Two frames in one read: the last wins; a cut frame at the end is dropped.
    f.port.chunks.push_back({0xFF, 0xFF, 0xFF, 0xF0, 0x01, 0x00, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF,
        0xF0, 0x02, 0x00, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xF0, 0x03});
    EXPECT_EQ(form.tick(), "000512");
    form.setScanning(false);
    EXPECT_EQ(form.scanText(), "Off");
    f.port.chunks.push_back({0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x09, 0, 0, 0, 0, 0});
    EXPECT_FALSE(form.tick());
    EXPECT_EQ(form.transponder(), "000512");

    DetailsFolder rc1("Kestrametrix");
    ParticipantDetailsForm first(rc1.folder, rc1.port, rc1.clock, rc1.prompts);
    first.setScanning(true);
    rc1.port.chunks.push_back({0x00, 0x7B, 0x01, 0x00, 0x05});
    EXPECT_EQ(first.tick(), "000256");

    DetailsFolder none("");
    ParticipantDetailsForm unknown(none.folder, none.port, none.clock, none.prompts);
    unknown.setScanning(true);
    none.port.chunks.push_back({0x00, 0x7B});
    EXPECT_FALSE(unknown.tick());
    EXPECT_TRUE(none.port.chunks.empty());
}

TEST(ParticipantDetails, IndicatorCyclesThroughItsFourImages)
{
    DetailsFolder f;
    ParticipantDetailsForm form(f.folder, f.port, f.clock, f.prompts);
    EXPECT_EQ(form.indicatorState(), 0);
    form.setScanning(true);
    std::vector<int> states;
    for (int t = 0; t < 110; ++t) { // 10 ms ticks over 1.1 s
        f.clock.advance(10);
        form.tick();
        if (states.empty() || states.back() != form.indicatorState())
            states.push_back(form.indicatorState());
    }
    EXPECT_EQ(states, (std::vector<int> {1, 2, 3, 4, 0, 1, 2}));
    EXPECT_EQ(ParticipantDetailsForm::indicatorImage(3), "images/voyantScanPuce3.bmp");
    EXPECT_EQ(ParticipantDetailsForm::indicatorImage(0), "");

    // A tick held up for a second moves the indicator on instead of freezing it.
    f.clock.advance(1000);
    form.tick();
    const int after = form.indicatorState();
    f.clock.advance(1000);
    form.tick();
    EXPECT_NE(form.indicatorState(), after);
    form.close();
    EXPECT_EQ(form.indicatorState(), 0);
    EXPECT_FALSE(form.scanning());
}

TEST(ParticipantDetails, MissingListIsReportedAndNeverCreated)
{
    ksy::test::NewRaceFolder r;
    FakeClock clock;
    FakeSerialLink port;
    ParticipantDetailsForm form(r.folder, port, clock, r.prompts);
    EXPECT_FALSE(form.hasParticipant());
    EXPECT_EQ(r.prompts.texts(),
        (std::vector<std::string> {"Erreur: impossible d'ouvrir le fichier Interface Port COM",
            "Erreur: impossible d'ouvrir la base de donn\xC3\xA9"
            "es Frequences",
            "Erreur: liste de participants non trouv\xC3\xA9"
            "e"}));
    EXPECT_FALSE(form.save());
    EXPECT_EQ(r.prompts.texts().back(),
        "Erreur: liste des participants non trouv\xC3\xA9"
        "e");
    EXPECT_EQ(readFile(workingRaceFile(r.folder)), newRaceFileBytes());
}
