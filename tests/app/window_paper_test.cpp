// What the window puts on paper and in files: "print to file" proposes the
// report's own name where the person keeps documents, whichever report it
// is, and a radio conflict carries a sign that a black-and-white printer
// keeps, on screen and on the page.
#include "app/menu_table.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "display/ui/board_widget.h"
#include "planning/ui/heat_composition_dialog.h"
#include "planning/ui/participants_command.h"
#include "race/participants.h"
#include "race_window_fixture.h"
#include "storage/race_file.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

namespace ksy {
namespace {

// HOME set to a folder of the test while it lives (the documents folder
// follows it).
class TemporaryHome {
public:
    explicit TemporaryHome(const std::filesystem::path& home)
        : home_(qgetenv("HOME"))
        , config_(qgetenv("XDG_CONFIG_HOME"))
        , hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        std::filesystem::create_directories(home);
        qputenv("HOME", QByteArray::fromStdString(home.string()));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~TemporaryHome()
    {
        qputenv("HOME", home_);
        if (hadConfig_)
            qputenv("XDG_CONFIG_HOME", config_);
    }

private:
    QByteArray home_;
    QByteArray config_;
    bool hadConfig_;
};

std::string pdfText(const std::filesystem::path& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return {};
    return p.readAllStandardOutput().toStdString();
}

class WindowPaper : public test::RaceWindowTest {
protected:
    WindowPaper()
    {
        const AppServices services {clock, prompts, sounds, files};
        registerResultCommands(*window, *control, folder, services);
        window->commands().add(cmd::ParticipantList, [this] {
            runParticipantsCommand(window.get(), folder, window->race().header.selection, prompts);
        });
    }

    // Runs the command as the person would. In the dialog it opens, `button`
    // (when given) is clicked; the print dialog that follows says what it
    // proposes, then writes `pdf` (never to a real printer) or is cancelled
    // without one. Every other dialog is closed. The proposals, in order.
    std::vector<std::string> printThrough(
        int command, const char* button = nullptr, const std::filesystem::path& pdf = {})
    {
        std::vector<std::string> proposed;
        bool pressed = false;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                auto* field = print->findChild<QLineEdit*>(QStringLiteral("filename"));
                auto* printers = print->findChild<QComboBox*>(QStringLiteral("printers"));
                proposed.push_back(field ? field->text().toStdString() : "");
                if (pdf.empty() || !field || !printers) {
                    print->reject();
                    return;
                }
                printers->setCurrentIndex(printers->count() - 1); // the PDF file
                field->setText(QString::fromStdString(pdf.string()));
                print->accept();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                auto* b = button && !pressed ? dialog->findChild<QPushButton*>(button) : nullptr;
                pressed = pressed || b;
                // Clicked from the dialog's own loop, where the print dialog
                // it opens is met by this watcher again.
                if (b)
                    QTimer::singleShot(0, b, &QPushButton::click);
                else
                    dialog->reject();
            }
        });
        watcher.start(10);
        window->runCommand(command);
        return proposed;
    }

    void giveFirstFrequencies(const char* alpha, const char* bravo)
    {
        ParticipantList list;
        ASSERT_EQ(readParticipantList(workingRaceFile(folder), 1, list), ParticipantListRead::Ok);
        list.at(0).frequencies[0] = alpha;
        list.at(1).frequencies[0] = bravo;
        ASSERT_EQ(writeParticipantList(workingRaceFile(folder), 1, list, false),
            RewriteResult::Written);
    }
};

TEST_F(WindowPaper, PrintToFileProposesTheReportsNameInTheDocumentsFolder)
{
    const auto home = dir.path() / "accueil";
    const TemporaryHome temporaryHome(home);

    // No documents folder yet: the home folder, which the dialog accepts.
    window->tree().selectCode(13101);
    EXPECT_EQ(printThrough(cmd::PrintHeatSheet),
        std::vector<std::string> {(home / "R\xC3\xA9sultats s\xC3\xA9rie.pdf").string()});

    std::filesystem::create_directories(home / "Documents");
    window->tree().selectCode(11000);
    EXPECT_EQ(printThrough(cmd::ParticipantList, "4207"),
        std::vector<std::string> {(home / "Documents" / "Liste pilotes.pdf").string()});
    window->tree().selectCode(10000);
    EXPECT_EQ(printThrough(cmd::HeatComposition, "4504"),
        std::vector<std::string> {
            (home / "Documents" / "R\xC3\xA9partition qualifs.pdf").string()});
    EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes[0].text;
}

TEST_F(WindowPaper, RadioConflictsCarryASignOnScreenAndOnPaper)
{
    giveFirstFrequencies("27.045", "27.045");
    window->tree().selectCode(13101);
    EXPECT_TRUE(control->board().inputs().radioConflict);

    // The composition's list and its printed pages both say "!27.045".
    window->tree().selectCode(10000);
    std::vector<std::string> shown;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<HeatCompositionDialog*>(QApplication::activeModalWidget());
            d && shown.empty())
            for (int i = 0; i < 2; ++i)
                shown.push_back(d->form().composition().shownFirstFrequency(i));
    });
    look.start(5);
    const auto pdf = dir.path() / "composition.pdf";
    printThrough(cmd::HeatComposition, "4504", pdf);
    EXPECT_EQ(shown, (std::vector<std::string> {"!27.045", "!27.045"}));
    const std::string text = pdfText(pdf);
    ASSERT_NE(text.find("ALPHA"), std::string::npos) << text;
    const auto first = text.find("!27.045");
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find("!27.045", first + 1), std::string::npos) << text;

    // Two 2.4 GHz radios never clash: no sign, no warning.
    giveFirstFrequencies("2.4Ghz", "2.4Ghz");
    window->tree().selectCode(13101);
    EXPECT_FALSE(control->board().inputs().radioConflict);
    window->tree().selectCode(10000);
    const auto clean = dir.path() / "composition-sans-conflit.pdf";
    printThrough(cmd::HeatComposition, "4504", clean);
    EXPECT_EQ(pdfText(clean).find('!'), std::string::npos);
}

} // namespace
} // namespace ksy
