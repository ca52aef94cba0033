#pragma once
// The AFFICHAGE dialog ("Options d'affichage"): binds the style radios, the
// column list and width, the samples and the colour and font pickers to a
// DisplaySettingsForm, which holds the rules. Each control's object name is
// its id ("3805"); the samples are "sample3815", the pickers "font3815",
// "text3815" and "colour<settings colour index>".
#include "display/display_settings_form.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <map>
#include <optional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace ksy {

// The platform's colour and font pickers.
class DisplayPickers {
public:
    virtual ~DisplayPickers() = default;
    // `custom` holds the picker's 16 custom colours and receives them back
    // as the user left them, confirmed or not.
    virtual std::optional<Colour> pickColour(QWidget* parent, Colour initial,
        std::array<Colour, DisplaySettings::kCustomColours>& custom) = 0;
    // Face in UTF-8; pixelHeight carries the entry's size, shown as points.
    virtual std::optional<FontSpec> pickFont(QWidget* parent, const FontSpec& initial) = 0;
};

// QColorDialog and QFontDialog.
class QtDisplayPickers : public DisplayPickers {
public:
    std::optional<Colour> pickColour(QWidget* parent, Colour initial,
        std::array<Colour, DisplaySettings::kCustomColours>& custom) override;
    std::optional<FontSpec> pickFont(QWidget* parent, const FontSpec& initial) override;
};

// An element's sample: its text in its font and colour on its background.
class ElementSampleView : public QWidget {
public:
    explicit ElementSampleView(QWidget* parent = nullptr);
    void setSample(const ElementSample& sample);
    const ElementSample& sample() const { return sample_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ElementSample sample_;
};

class DisplaySettingsDialog : public QDialog {
    Q_OBJECT
public:
    DisplaySettingsDialog(DisplaySettingsForm form, WorkFolder folder, Prompts& prompts,
        FileChooser& files, DisplayPickers& pickers, QWidget* parent = nullptr);

    const DisplaySettingsForm& form() const { return form_; }

    // Command "Affichage": writes `settings` to the settings file, runs the
    // dialog (which writes the file on "Ok"), then reads the file back into
    // `settings`. Failures show "Erreur: impossible d'ouvrir le fichier
    // Réglage Affichage". True when the dialog was confirmed; the caller
    // then takes the column widths, repaints and sets the tree background.
    static bool edit(QWidget* parent, const WorkFolder& folder, DisplaySettings& settings,
        Prompts& prompts, FileChooser& files);

private:
    void buildElements(QVBoxLayout* column);
    void pickColour(int index);
    void pickFont(int control);
    void pickTextColour(int control);
    void widthEdited(const QString& text);
    void refresh();

    DisplaySettingsForm form_;
    WorkFolder folder_;
    Prompts& prompts_;
    FileChooser& files_;
    DisplayPickers& pickers_;
    std::map<int, QAbstractButton*> radios_;
    std::map<int, ElementSampleView*> samples_;
    QComboBox* columns_ = nullptr;
    QLineEdit* width_ = nullptr;
};

} // namespace ksy
