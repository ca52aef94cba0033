#include "planning/participants_report.h"
#include "planning/ui/duration_calculator_dialog.h"
#include "planning/ui/participant_details_dialog.h"
#include "planning/ui/participants_dialog.h"
#include "reports/ui/report_printer.h"
#include "support/fake_serial_link.h"
#include "ui/race_folder_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <regex>

namespace ksy::test {
namespace {

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

// A club race of 45 pilots from four clubs, as a new user would type them in.
struct UiFolder : RaceFolder {
    UiFolder()
        : RaceFolder({"logo.bmp", "impression.bmp"},
              fortyFivePilots({"CLV Berck", "Char \xE0 voile Cherrueix", "Eole Club Hardelot",
                  "Association Sportive Char \xE0 Voile de la Baie"}))
    {
        writeFile(folder.file("PcCrashRace.race"), "");
    }
};

int pdfPages(const std::string& bytes)
{
    static const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(
        std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

} // namespace

TEST(ParticipantsDialog, FortyFivePilotsEnteredValidatedAndPrintedToPdf)
{
    UiFolder f;
    {
        ParticipantsDialog dialog(f.folder, 1, f.prompts);
        EXPECT_EQ(dialog.windowTitle(), "Liste des pilotes");
        auto* database = child<QListWidget>(dialog, "4204");
        auto* enter = child<QPushButton>(dialog, "4205");
        ASSERT_EQ(database->count(), 45);
        for (int i = 0; i < 45; ++i) {
            database->setCurrentRow(i);
            enter->click();
        }
        EXPECT_EQ(child<QLineEdit>(dialog, "4202")->text(), "(45)");
        EXPECT_EQ(
            child<QListWidget>(dialog, "4203")->item(0)->text(), QString::fromUtf8("André Yann"));
        child<QPushButton>(dialog, "1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(f.prompts.boxes.empty());

    // Reopened, removing the selected participant ("->") leaves "(NA)" in the plan.
    ParticipantsDialog dialog(f.folder, 1, f.prompts);
    ASSERT_EQ(dialog.form().list().count(), 45);
    EXPECT_EQ(dialog.form().plan().at(0), "Dupont Jean");
    auto* participants = child<QListWidget>(dialog, "4203");
    ASSERT_EQ(participants->currentRow(), 0);
    child<QPushButton>(dialog, "4206")->click();
    EXPECT_EQ(participants->count(), 44);
    EXPECT_EQ(dialog.form().plan().at(14), "(NA)"); // "André Yann" was entered 15th

    const ReportDocument doc = participantListReport(
        ParticipantsDialog(f.folder, 1, f.prompts).form(), {14, 6, 2025, 9, 30});
    const auto pdf = f.dir.path() / "participants.pdf";
    ASSERT_TRUE(writeReportPdf(doc, f.folder, QString::fromStdString(pdf.string())));
    const std::string bytes = readFile(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(bytes), 2);
    // For eyes: KSY_REPORT_SAMPLES=<folder> keeps the file.
    if (const char* keep = std::getenv("KSY_REPORT_SAMPLES"))
        std::filesystem::copy_file(pdf, std::filesystem::path(keep) / "liste-participants-45.pdf",
            std::filesystem::copy_options::overwrite_existing);
}

TEST(ParticipantsDialog, DetailsTakeOneToSixDigitsAndCalculatorClampsWhileTyping)
{
    UiFolder f;
    {
        ParticipantsDialog dialog(f.folder, 1, f.prompts);
        child<QListWidget>(dialog, "4204")->setCurrentRow(2);
        child<QPushButton>(dialog, "4205")->click();
        child<QPushButton>(dialog, "1")->click();
    }
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(workingRaceFile(f.folder), header));
    header.selection = 11001;
    ASSERT_TRUE(writeRaceHeader(workingRaceFile(f.folder), header));

    FakeSerialLink port;
    FakeClock clock;
    {
        ParticipantDetailsDialog details(f.folder, port, clock, f.prompts);
        EXPECT_EQ(child<QLineEdit>(details, "4301")->text(), "Martin Pierre");
        auto* chip = child<QLineEdit>(details, "4302");
        EXPECT_EQ(chip->text(), "004126");
        chip->clear();
        type(chip, "98765");
        EXPECT_EQ(details.form().transponder(), "098765");
        type(chip, "43");
        EXPECT_EQ(chip->text(), "987654"); // the edit holds six digits
        EXPECT_EQ(details.form().transponder(), "987654");
        child<QPushButton>(details, "4303")->click();
        EXPECT_EQ(child<QLineEdit>(details, "4304")->text(), "On");
        EXPECT_TRUE(chip->isReadOnly());
        child<QPushButton>(details, "1")->click();
    }
    ParticipantList list;
    ASSERT_EQ(readParticipantList(workingRaceFile(f.folder), 1, list), ParticipantListRead::Ok);
    EXPECT_EQ(list.at(0).transponder, "987654");

    DurationCalculation kept;
    {
        DurationCalculatorDialog calculator(kept);
        auto* participants = child<QLineEdit>(calculator, "3502");
        participants->clear();
        type(participants, "250");
        EXPECT_EQ(participants->text(), "200");
        for (auto [id, text] :
            {std::pair {"3503", "10"}, {"3504", "3"}, {"3505", "8"}, {"3506", "4"}}) {
            auto* e = child<QLineEdit>(calculator, id);
            e->clear();
            type(e, text);
        }
        EXPECT_EQ(child<QLineEdit>(calculator, "3508")->text(), "60");
        EXPECT_EQ(child<QLineEdit>(calculator, "3509")->text(), "12h00min");
    }
    DurationCalculatorDialog again(kept);
    EXPECT_EQ(child<QLineEdit>(again, "3502")->text(), "200");
    EXPECT_EQ(child<QLineEdit>(again, "3509")->text(), "12h00min");
}

} // namespace ksy::test
