#include "databases/editors/course_editor.h"
#include "databases/editors/pilot_editor.h"
#include "databases/ui/database_editors.h"
#include "databases/ui/image_frame.h"
#include "databases/ui/list_editor_dialog.h"
#include "databases/ui/transponder_pack_dialog.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

class ChosenFile : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string& folder, const FileFilter& f) override
    {
        asked.push_back(folder + "|" + f.description + "|" + f.pattern);
        return answer;
    }
    std::optional<std::string> saveFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> answer;
    std::vector<std::string> asked;
};

// Types as a user would, so that the edit's validator and length limit apply.
void type(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

template <typename W> W* child(QWidget& dialog, int control)
{
    auto* w = dialog.findChild<W*>(QString::number(control));
    EXPECT_TRUE(w) << control;
    return w;
}

void doubleClick(QWidget* w, Qt::MouseButton button)
{
    const QPointF at(10, 10);
    QMouseEvent e(
        QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(DatabaseEditorDialogs, PilotTypedNamePhotoAndOkWriteTheFile)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesClubs.bd", "ACV\t\t\t\t\t\t\t\t\t\n");
    writeFile(dir.path() / "BaseDonnéesPays.bd", "France\n");
    writeFile(dir.path() / "BaseDonnéesPilotes.bd", "");
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((dir.path() / "p.bmp").string()), "BMP"));
    FakePrompts prompts;
    ChosenFile files;
    files.answer = "p.bmp"; // relative: a file of the working folder

    ListEditorDialog dialog(
        std::make_unique<PilotEditor>(PilotEditor::open(folder, prompts)), folder, prompts, files);
    EXPECT_EQ(dialog.windowTitle(), "Base de données Pilotes");
    auto* name = child<QLineEdit>(dialog, PilotEditor::New);
    type(name, QString::fromUtf8("Zoé\tΩ Martin"));
    EXPECT_EQ(name->text(), QString::fromUtf8("Zoé Martin")); // TAB and Ω refused at the edit
    child<QPushButton>(dialog, PilotEditor::Add)->click();
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(child<QListWidget>(dialog, PilotEditor::List)->count(), 1);
    EXPECT_EQ(child<QListWidget>(dialog, PilotEditor::Id)->item(0)->text(), "1");

    type(child<QLineEdit>(dialog, PilotEditor::City), "Berck");
    auto* club = child<QComboBox>(dialog, PilotEditor::ClubChoice);
    club->setCurrentIndex(club->findText("ACV"));
    type(child<QLineEdit>(dialog, PilotEditor::Transponder), "12a3456"); // the letter is refused
    EXPECT_EQ(prompts.texts().back(),
        "Erreur: transpondeur « 12a » refusé. Un numéro de transpondeur s'écrit avec 1 à 6 "
        "chiffres.");

    auto* frame = dialog.findChild<ImageFrame*>("image");
    ASSERT_TRUE(frame);
    doubleClick(frame, Qt::LeftButton);
    EXPECT_EQ(files.asked, std::vector<std::string> {dir.path().string() + "|Images (.bmp)|*.bmp"});
    EXPECT_TRUE(frame->hasImage());

    child<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesPilotes.bd"),
        "Zo\xE9 Martin\t\t\t\tBerck\t\t\t\t\t\t123456\tACV\tp.bmp\t\n");

    doubleClick(frame, Qt::RightButton);
    EXPECT_FALSE(frame->hasImage());
    EXPECT_EQ(dialog.form().imagePath(), "");
}

TEST(DatabaseEditorDialogs, EchapKeepsTheFileAndPacksAreWrittenOnOk)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    const std::string course = "Plage\t1200\t1:02.345\t62345\tDupont\t20\tBerck\t\t\n";
    writeFile(dir.path() / "BaseDonnéesParcours.bd", course);
    FakePrompts prompts;
    ChosenFile files;
    ListEditorDialog courses(std::make_unique<CourseEditor>(CourseEditor::open(folder, prompts)),
        folder, prompts, files);
    child<QPushButton>(courses, CourseEditor::ClearRecord)->click();
    EXPECT_EQ(child<QLineEdit>(courses, CourseEditor::LapRecord)->text(), "");
    child<QPushButton>(courses, 2)->click();
    EXPECT_EQ(courses.result(), QDialog::Rejected);
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesParcours.bd"), course);

    TransponderPackDialog packs(TransponderPackEditor::open(folder, prompts), folder, prompts);
    EXPECT_EQ(prompts.texts(),
        std::vector<std::string> {"Erreur: impossible d'ouvrir la base de données Transpondeurs"});
    child<QListWidget>(packs, TransponderPackEditor::List)->setCurrentRow(1);
    type(child<QLineEdit>(packs, TransponderPackEditor::FirstTransponder + 1), "1234567");
    auto* third = child<QLineEdit>(packs, TransponderPackEditor::FirstTransponder + 2);
    type(third, "123"); // kept as the six digits a passing carries
    Q_EMIT third->editingFinished();
    EXPECT_EQ(third->text(), "000123");
    child<QPushButton>(packs, 1)->click();
    std::string expected =
        std::string(21, '\t') + "\n" + "\t\t123456\t000123" + std::string(18, '\t') + "\n";
    for (int i = 2; i < 20; ++i)
        expected += std::string(21, '\t') + "\n";
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesTranspondeurs.bd"), expected);
}

TEST(DatabaseEditorDialogs, MenuCommandsReloadWhatTheWindowKeeps)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesParcours.bd", "Plage\t\t\t0\t\t\t\t\t\n");
    FakePrompts prompts;
    ChosenFile files;
    MainDatabases kept;
    kept.courses.resize(3);
    auto closeWithEchap = [] {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->findChild<QPushButton*>("2")->click();
        });
    };

    closeWithEchap();
    EXPECT_TRUE(runDatabaseCommand(1006, nullptr, folder, prompts, files, kept));
    ASSERT_EQ(kept.courses.size(), 1u);
    EXPECT_EQ(kept.courses[0].name, "Plage");

    kept.packs[0].label = "Old";
    closeWithEchap();
    EXPECT_TRUE(runDatabaseCommand(1009, nullptr, folder, prompts, files, kept));
    EXPECT_EQ(kept.packs, std::vector<TransponderPack>(20));
    EXPECT_EQ(prompts.texts(),
        std::vector<std::string>(
            2, "Erreur: impossible d'ouvrir la base de données Transpondeurs"));

    EXPECT_FALSE(runDatabaseCommand(1011, nullptr, folder, prompts, files, kept));
}

} // namespace
} // namespace ksy::test
