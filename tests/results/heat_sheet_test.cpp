#include "results/heat_comment_form.h"
#include "results/heat_sheet.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

// A heat of `pilots` pilots, pilot k with 10 - k laps of 60 s.
RunEntryTable heatOf(int pilots)
{
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= kSlotCount; ++k) {
        RunEntry& e = t.slot(k);
        e.number = k;
        if (k > pilots)
            continue;
        e.pilotName = "Pilote " + std::to_string(k);
        e.passingCount = e.laps = 10 - k % 10;
        for (int lap = 1; lap <= e.laps; ++lap) {
            e.lapTotals[static_cast<std::size_t>(lap)] = lap * 60000 + lap * k;
            e.lapTimes[static_cast<std::size_t>(lap)] = 60000 + k;
        }
        e.totalTime = e.lapTotals[static_cast<std::size_t>(e.laps)];
        e.bestLap = 60000 + k;
    }
    return t;
}

std::vector<const TextOp*> textsAt(const Drawing& page, int x)
{
    std::vector<const TextOp*> out;
    for (const Primitive& p : page)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->x == x)
            out.push_back(t);
    return out;
}

HeatSheet sheetOf(const RunEntryTable& entries)
{
    HeatSheet sheet;
    sheet.standings = sheetStandings(entries, Standings {}, false, RaceOptions {});
    sheet.category = "CATEGORIE : Juniors";
    sheet.roundAndHeat = "Manche1 - S\xE9rie2";
    sheet.course = sheetCourseHeading("Qualifs", "Plage Nord");
    sheet.texts.description = "Dur\xE9"
                              "e 0:05:00";
    sheet.texts.condition = "Pluie";
    return sheet;
}

TEST(HeatSheet, RowsFillTheTableHeightWhateverTheirNumber)
{
    for (const auto& [pilots, step] : {std::pair {6, 95}, std::pair {20, 28}}) {
        const ReportDocument doc = heatSheetReport(sheetOf(heatOf(pilots)));
        ASSERT_EQ(doc.pages.size(), 1u);
        EXPECT_TRUE(doc.identity.landscape);
        const auto names = textsAt(doc.pages[0], 286);
        ASSERT_EQ(names.size(), static_cast<std::size_t>(pilots) + 1); // + the "Pilote" head
        EXPECT_EQ(names[0]->text, "Pilote");
        for (int i = 0; i < pilots; ++i)
            EXPECT_EQ(names[static_cast<std::size_t>(i) + 1]->y, 335 + i * step) << pilots;
    }
    // No row, no page.
    RunEntryTable none;
    clearToEmptySlots(none);
    EXPECT_TRUE(heatSheetReport(sheetOf(none)).pages.empty());
}

TEST(HeatSheet, CorrectedLapsStandBesideTheRecordedOnes)
{
    RunEntryTable t = heatOf(6);
    t.slot(3).passingCount = 9; // corrected by hand from 7
    const HeatSheet sheet = sheetOf(t);
    const ReportDocument doc = heatSheetReport(sheet);
    const Drawing& page = doc.pages.at(0);
    // Rows in order: pilot 3 now leads with 9 laps.
    EXPECT_EQ(textsAt(page, 286)[1]->text, "Pilote 3");
    EXPECT_EQ(textsAt(page, 715)[1]->text, "9"); // "Résultat pris en compte"
    EXPECT_EQ(textsAt(page, 1105)[1]->text, "7"); // "Relevés transpondeurs"
    EXPECT_EQ(textsAt(page, 1261)[1]->text, "7:00.021"); // total at lap 7
    EXPECT_EQ(textsAt(page, 1417)[1]->text, "1:00.003"); // best lap from the totals
    EXPECT_EQ(textsAt(page, 962)[0]->text, "R\xC3\xA9sultat pris en compte");
    EXPECT_EQ(textsAt(page, 195)[0]->text, "Course : Qualifs - Plage Nord");
    EXPECT_EQ(textsAt(page, 156)[0]->text,
        "Dur\xC3\xA9"
        "e 0:05:00 - Pluie");
    // An empty comment prints its label alone.
    EXPECT_EQ(textsAt(page, 156).back()->text, "Commentaire:");
    EXPECT_TRUE(textsAt(page, 338).empty());

    // A heat still ready to start keeps the standings it shows.
    Standings shown;
    shown.count = 1;
    shown.board[0].name = "Tel quel";
    EXPECT_EQ(sheetStandings(t, shown, true, RaceOptions {}).board[0].name, "Tel quel");
}

TEST(HeatCommentForm, ConditionRadiosAndCommentRefusals)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    test::writeFile(folder.file("CommentaireSerie.res"), "Neige\tvent fort\t\n");
    std::optional<HeatCommentForm> form;
    ASSERT_TRUE(HeatCommentForm::open(folder, form));
    // Any text but "Pluie" and "Glace" checks "sec".
    EXPECT_EQ(form->choice(), TrackConditionChoice::Dry);
    EXPECT_EQ(form->comment(), "vent fort");

    // TAB, line breaks and characters outside Windows-1252 are refused whole.
    EXPECT_EQ(form->editComment("vent\tfort"), std::optional<std::string>("vent fort"));
    EXPECT_EQ(form->editComment("vent\nfort"), std::optional<std::string>("vent fort"));
    EXPECT_EQ(form->editComment("vent \xCE\xA9"), std::optional<std::string>("vent fort"));
    EXPECT_EQ(form->editComment("pist\xC3\xA9 gel\xC3\xA9\xE2\x82\xAC"), std::nullopt);
    // A 99th character is cut.
    EXPECT_EQ(
        form->editComment(std::string(99, 'x')), std::optional<std::string>(std::string(98, 'x')));
    EXPECT_EQ(form->comment().size(), 98u);
    form->editComment("Piste gel\xC3\xA9"
                      "e");
    form->choose(TrackConditionChoice::Ice);
    ASSERT_TRUE(form->save(folder));
    EXPECT_EQ(test::readFile(folder.file("CommentaireSerie.res")),
        "Glace\tPiste gel\xE9"
        "e\t\n");

    std::optional<HeatCommentForm> missing;
    EXPECT_FALSE(HeatCommentForm::open(WorkFolder(dir.path() / "absent"), missing));
    EXPECT_EQ(missing->condition(), "");
}

} // namespace
} // namespace ksy
