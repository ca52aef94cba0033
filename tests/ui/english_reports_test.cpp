// With the English catalogues installed, the printed reports and the dialogs
// speak English, while the text export of a ranking keeps its French bytes:
// only what the official reads changes, never what is written to a file.
#include "planning/ui/race_options_dialog.h"
#include "reports/ui/report_printer.h"
#include "results/global_ranking_report.h"
#include "results/round_ranking_report.h"
#include "services/translate.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QProcess>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace ksy {
namespace {

std::string english(const char* context, const char* french)
{
    return QCoreApplication::translate(context, french).toStdString();
}

// The dialogs catalogue as the program builds it in, for one test.
class InEnglish : public ::testing::Test {
protected:
    void SetUp() override
    {
        translator_ = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator_->load(QStringLiteral(":/i18n/kestrametrix_en_dialogs.qm")));
        QCoreApplication::installTranslator(translator_.get());
        installTextTranslator(&english);
    }
    void TearDown() override
    {
        installTextTranslator(nullptr);
        QCoreApplication::removeTranslator(translator_.get());
    }

private:
    std::unique_ptr<QTranslator> translator_;
};

RankingContext context(int places)
{
    RankingContext c;
    c.category = 1;
    c.categoryName = "Cadets \xE9t\xE9"; // Windows-1252
    c.track.raceName = "Grand Prix";
    c.track.trackName = "Plage Nord";
    c.places = places;
    return c;
}

OpenedRoundRanking roundRanking()
{
    OpenedRoundRanking round;
    round.context = context(2);
    round.round = 2;
    round.criterion = RankingMode::LapsThenTime;
    round.rows = {{"Ang\xE8le", 6, 3723004, 61500, 0}, {"Bruno", 0, 0, 0, 2}};
    return round;
}

std::string pdfText(const std::filesystem::path& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).toStdString();
}

TEST_F(InEnglish, RankingReportsPrintEnglishHeadingsAndExportFrenchBytes)
{
    const OpenedRoundRanking round = roundRanking();
    // The export is written to a file: the same bytes as in French.
    EXPECT_EQ(roundRankingExport(round),
        "Course : Grand Prix - Plage Nord\t\n"
        "CATEGORIE : Cadets \xE9t\xE9\t\n"
        "Classement Manche2\t\n\n"
        "Place\tNom\tTours\tTemps total\tMeilleur tour\tPoints\t\n\n"
        "1\tAng\xE8le\t6\t1:02:03.004\t1:01.500\t0\t\n"
        "2\tBruno\t0\t0:00.000\t0.000\t2\t\n");
    OpenedGlobalRanking global;
    global.context = context(1);
    global.entries.resize(1);
    global.entries[0].name = "Jamais";
    EXPECT_EQ(globalRankingExport(global).rfind(
                  "Course : Grand Prix - Plage Nord\t\nCATEGORIE : Cadets \xE9t\xE9\t\n"
                  "Classement Global Cat\xE9gorie\t\n\nPlace\tNom\tPoints\tMeilleure\t2eme\t",
                  0),
        0u);

    // The printed report is read: English.
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    const auto pdf = dir.path() / "round.pdf";
    const ReportDocument doc = roundRankingReport(round, ReportDate {7, 12, 2026, 9, 5});
    ASSERT_TRUE(writeReportPdf(doc, folder, QString::fromStdString(pdf.string())));
    const std::string text = pdfText(pdf);
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not installed";
    for (const char* english :
        {"CATEGORY: Cadets été", "Round 2 ranking", "Race: Grand Prix", "Pilot name", "Best lap",
            "Printed on 07/12/2026 at 9:05", "Page 1 /1", "RANKING by laps + time"})
        EXPECT_NE(text.find(english), std::string::npos) << english << " in\n" << text;
    for (const char* french : {"CATEGORIE", "Classement", "Edité", "Nom Pilote", "Meilleur"})
        EXPECT_EQ(text.find(french), std::string::npos) << french << " in\n" << text;
}

// The dialogs find their English under their class's full name, as the
// catalogue files them.
TEST_F(InEnglish, DialogsShowTheirEnglish)
{
    RaceOptionsDialog dialog(RaceOptionsForm("Cadets", RaceOptions {}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Race options"));
    QStringList groups;
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_TRUE(groups.contains(QStringLiteral("Pilot ranking"))) << groups.join('|').toStdString();
    EXPECT_TRUE(groups.contains(QStringLiteral("Starting grid"))) << groups.join('|').toStdString();
}

// Without the catalogue the same report is French, word for word.
TEST(InFrench, ReportsKeepTheirFrenchHeadings)
{
    const ReportDocument doc = roundRankingReport(roundRanking(), ReportDate {7, 12, 2026, 9, 5});
    ASSERT_FALSE(doc.pages.empty());
    std::vector<std::string> texts;
    for (const Primitive& p : doc.pages[0])
        if (const auto* t = std::get_if<TextOp>(&p.op))
            texts.push_back(t->text);
    const auto has = [&](const std::string& s) {
        return std::find(texts.begin(), texts.end(), s) != texts.end();
    };
    EXPECT_TRUE(has("Classement Manche2"));
    EXPECT_TRUE(has("CATEGORIE : Cadets \xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(has("CLASSEMENTToursTemps - Edit\xC3\xA9 le 07/12/2026 \xC3\xA0 9:05"));
    EXPECT_TRUE(has("Page 1 /1"));
}

} // namespace
} // namespace ksy
