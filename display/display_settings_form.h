#pragma once
// The rules of the AFFICHAGE dialog ("Options d'affichage"): it works on its
// own copy of "Private/RéglagesAffichage.rgsc", loads and saves "*.scrn"
// themes, and writes the settings file only on "Ok".
#include "display/display_settings.h"
#include "services/canvas.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// One line of the "Thème", "Evénements" and "Tableau résultats" groups: a
// label, a sample painted in the element's font and colours, and the pickers
// that change them.
struct DisplayElement {
    // The font entry of the column chosen in the "Colonne" list.
    static constexpr int ChosenColumn = -2;
    static constexpr int None = -1;

    int control = 0; // the label's id
    std::string_view label;
    int font = None; // font entry changed with the font picker (and its text colour)
    int sampleFont = None; // font entry the sample text is drawn in
    std::array<int, 3> colours {None, None, None}; // settings colours changed here
};

// What the dialog paints beside an element's label.
struct ElementSample {
    std::string text; // empty: a plain colour swatch
    FontSpec font; // pixelHeight = the entry's size, as on a 1600-wide screen
    Colour textColour = 0;
    Colour top = 0; // background, a vertical gradient from top to bottom
    Colour bottom = 0;
    std::optional<Colour> lines; // the board's separator lines, where they belong
};

class DisplaySettingsForm {
public:
    // Control ids.
    static constexpr int Ok = 1;
    static constexpr int Cancel = 2;
    static constexpr int StyleRelief = 3801;
    static constexpr int StyleGradient = 3802;
    static constexpr int ColumnList = 3803;
    static constexpr int WidthEdit = 3804;
    static constexpr int Plus = 3805;
    static constexpr int Minus = 3806;
    static constexpr int LoadTheme = 3807;
    static constexpr int SaveTheme = 3808;

    static constexpr int MaxWidth = 999;
    static constexpr int WidthDigits = 3;
    static constexpr std::size_t ElementCount = 10;

    static constexpr std::string_view kTitle =
        KSY_TRANSLATE_NOOP("DisplaySettings", "Options d'affichage");
    static constexpr std::string_view kSampleText = "AaBbYyZz";

    // The text of a control ("style relief", "Charger", "Ok" ...).
    static std::string_view textOf(int control);
    static std::string_view columnName(int column);
    static FileFilter themeFilter();
    static const std::array<DisplayElement, ElementCount>& elements();
    // The element of a label id; nothing for another id.
    static const DisplayElement* element(int control);

    DisplaySettingsForm() = default;
    explicit DisplaySettingsForm(const DisplaySettings& settings);

    // Reads the settings file; when it cannot be opened the error box is
    // shown and the dialog starts from an empty record.
    void open(const WorkFolder& folder, Prompts& prompts);
    const DisplaySettings& settings() const { return settings_; }

    // Style radios: a click checks one. "+" and "-" step the chosen width.
    bool isChecked(int control) const;
    void click(int control);

    int chosenColumn() const { return column_; }
    void chooseColumn(int column); // out of range: ignored
    int width() const;
    std::string widthText() const;
    // The width edit changed: at most 3 digits are kept (the edit is then
    // rewritten with the returned text); an empty edit stores 0.
    std::optional<std::string> typeWidth(std::string_view text);

    // Font entry an element's font picker changes (the chosen column's for
    // "Résultats tableau"); -1 when it has none.
    int fontEntry(int control) const;
    // The entry as the font picker starts from it: face in UTF-8,
    // pixelHeight = the entry's size.
    FontSpec font(int entry) const;
    Colour textColour(int entry) const;
    // A confirmed font: refused (false) when the face cannot be stored in
    // the file (not Windows-1252, TAB, too long) or the entry does not exist.
    bool setFont(int entry, const FontSpec& font);
    void setTextColour(int entry, Colour colour);
    Colour colour(int index) const;
    void setColour(int index, Colour colour);
    const std::array<Colour, DisplaySettings::kCustomColours>& customColours() const
    {
        return settings_.customColours;
    }
    void setCustomColours(const std::array<Colour, DisplaySettings::kCustomColours>& colours);

    ElementSample sample(int control) const;

    // "Charger": an existing "*.scrn" read into the dialog's copy. True when
    // a theme was read.
    bool loadTheme(FileChooser& files, const WorkFolder& folder, Prompts& prompts);
    // "Sauver": the dialog's copy written to the chosen name, ".scrn"
    // appended when missing. True when a theme was written.
    bool saveTheme(FileChooser& files, const WorkFolder& folder, Prompts& prompts) const;
    // "Ok": writes the settings file; the error box when it cannot be written.
    bool confirm(const WorkFolder& folder, Prompts& prompts) const;

private:
    void keepWidthsInRange();
    int resolve(int entry) const;

    DisplaySettings settings_;
    int column_ = 0;
};

} // namespace ksy
