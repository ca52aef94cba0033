#include "display/board_style.h"
#include "display/ui/display_settings_dialog.h"
#include "platform/qt_canvas.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

using F = DisplaySettingsForm;

class NoFiles : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
};

// Answers the pickers with what the test set, and edits a custom colour the
// way a user would inside the picker.
class ScriptedPickers : public DisplayPickers {
public:
    std::optional<Colour> pickColour(QWidget*, Colour initial,
        std::array<Colour, DisplaySettings::kCustomColours>& custom) override
    {
        initialColours.push_back(initial);
        customSeen = custom;
        custom[3] = rgb(7, 7, 7);
        return colour;
    }
    std::optional<FontSpec> pickFont(QWidget*, const FontSpec& initial) override
    {
        initialFonts.push_back(initial);
        return font;
    }
    std::optional<Colour> colour;
    std::optional<FontSpec> font;
    std::vector<Colour> initialColours;
    std::vector<FontSpec> initialFonts;
    std::array<Colour, DisplaySettings::kCustomColours> customSeen {};
};

template <typename W> W* child(QWidget& dialog, const QString& name)
{
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

DisplaySettings settings()
{
    DisplaySettings s;
    s.style = 0;
    s.columnWidths = {60, 280, 80, 150, 140, 140, 130, 130, 999};
    for (auto& f : s.fonts)
        f = {"Arial", 17, 700, 0, 0, 0};
    s.customColours.fill(rgb(255, 255, 255));
    return s;
}

} // namespace

TEST(DisplaySettingsDialog, ControlsDriveTheFormAndTheSamplesFollow)
{
    TempDir dir;
    FakePrompts prompts;
    NoFiles files;
    ScriptedPickers pickers;
    DisplaySettingsDialog dialog(F(settings()), WorkFolder(dir.path()), prompts, files, pickers);

    EXPECT_TRUE(child<QRadioButton>(dialog, "3802")->isChecked());
    child<QRadioButton>(dialog, "3801")->click();
    EXPECT_EQ(dialog.form().settings().style, 1);
    EXPECT_FALSE(child<QRadioButton>(dialog, "3802")->isChecked());

    // The width follows the chosen column; "+" stops at 999.
    auto* width = child<QLineEdit>(dialog, "3804");
    EXPECT_EQ(width->text(), "60");
    auto* columns = child<QComboBox>(dialog, "3803");
    ASSERT_EQ(columns->count(), 9);
    EXPECT_EQ(columns->itemText(5), QString::fromUtf8("Ecart précédt"));
    columns->activated(8);
    EXPECT_EQ(width->text(), "999");
    child<QPushButton>(dialog, "3805")->click();
    EXPECT_EQ(width->text(), "999");
    child<QPushButton>(dialog, "3806")->click();
    EXPECT_EQ(width->text(), "998");
    width->setText("42");
    width->textEdited("42");
    EXPECT_EQ(dialog.form().settings().columnWidths[8], 42);
    width->setText("");
    width->textEdited("");
    EXPECT_EQ(dialog.form().settings().columnWidths[8], 0);
    EXPECT_EQ(width->text(), ""); // an emptied edit is not rewritten while typed in

    // A colour: the picker starts from it and sees the 16 custom colours,
    // and what the user did to them is kept even when cancelled.
    pickers.colour = rgb(200, 10, 10);
    child<QPushButton>(dialog, "colour10")->click(); // "Résultats tableau", top
    EXPECT_EQ(dialog.form().colour(ColourTableTop), rgb(200, 10, 10));
    EXPECT_EQ(pickers.customSeen[0], rgb(255, 255, 255));
    pickers.colour.reset();
    child<QPushButton>(dialog, "colour5")->click();
    EXPECT_EQ(dialog.form().colour(ColourChangedRow), 0u);
    EXPECT_EQ(dialog.form().customColours()[3], rgb(7, 7, 7));

    // The table's font is the chosen column's.
    columns->activated(2);
    pickers.font = FontSpec {"Liberation Serif", 25, 400, true, false, false};
    child<QPushButton>(dialog, "font3822")->click();
    EXPECT_EQ(pickers.initialFonts.back(), (FontSpec {"Arial", 17, 700, false, false, false}));
    EXPECT_EQ(dialog.form().settings().fonts[FontFirstColumn + 2].face, "Liberation Serif");
    EXPECT_EQ(dialog.form().settings().fonts[FontFirstColumn + 3].face, "Arial");

    pickers.colour = rgb(0, 0, 250);
    child<QPushButton>(dialog, "text3822")->click();
    EXPECT_EQ(dialog.form().textColour(FontFirstColumn + 2), rgb(0, 0, 250));

    // The sample shows all of it: painted in the new colours.
    auto* sample = child<ElementSampleView>(dialog, "sample3822");
    EXPECT_EQ(sample->sample().font.face, "Liberation Serif");
    sample->resize(260, 44);
    const QImage shot = sample->grab().toImage();
    // Line 1 of the gradient from the new top colour down to black.
    EXPECT_EQ(shot.pixelColor(5, 1), toQColor(gradientLineColour(rgb(200, 10, 10), 0, 1, 44)));
    bool blueText = false;
    for (int y = 0; y < shot.height() && !blueText; ++y)
        for (int x = 0; x < shot.width() && !blueText; ++x)
            blueText = shot.pixelColor(x, y) == QColor(0, 0, 250);
    EXPECT_TRUE(blueText);
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST(DisplaySettingsDialog, EditWritesTheSettingsInUseAndReadsBackWhatTheDialogLeft)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Private");
    const WorkFolder folder(dir.path());
    FakePrompts prompts;
    NoFiles files;
    DisplaySettings inUse = settings();
    inUse.columnWidths[1] = 333; // dragged on the board

    // "Ok" after "+" on the first column.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QComboBox*>("3803")->currentIndex(), 0);
        dialog->findChild<QPushButton*>("3805")->click();
        dialog->findChild<QPushButton*>("1")->click();
    });
    EXPECT_TRUE(DisplaySettingsDialog::edit(nullptr, folder, inUse, prompts, files));
    EXPECT_EQ(inUse.columnWidths[0], 61);
    EXPECT_EQ(inUse.columnWidths[1], 333);
    DisplaySettings onDisk;
    ASSERT_TRUE(readDisplaySettings(folder.file(kDisplaySettingsFile), onDisk));
    EXPECT_EQ(onDisk, inUse);

    // "Echap": the file stays as the window wrote it, so nothing changes.
    inUse.columnWidths[2] = 7;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("3806")->click();
        dialog->findChild<QPushButton*>("2")->click();
    });
    const DisplaySettings before = inUse;
    EXPECT_FALSE(DisplaySettingsDialog::edit(nullptr, folder, inUse, prompts, files));
    EXPECT_EQ(inUse, before);
    EXPECT_TRUE(prompts.boxes.empty());
}

} // namespace ksy::test
