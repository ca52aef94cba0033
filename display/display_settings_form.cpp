#include "display/display_settings_form.h"

#include "display/board_inputs.h"
#include "display/board_style.h"
#include "display/display_settings_check.h"
#include "services/translate.h"
#include "storage/encoding.h"

#include <algorithm>

namespace ksy {

namespace {

using E = DisplayElement;
constexpr int kBestLapFont = FontFirstColumn + static_cast<int>(ColumnBestLap);

const std::array<DisplayElement, DisplaySettingsForm::ElementCount> kElements = {{
    {3811, KSY_TRANSLATE_NOOP("DisplaySettings", "Fond logiciel"), E::None, E::None,
        {ColourWindow, E::None, E::None}},
    {3812, KSY_TRANSLATE_NOOP("DisplaySettings", "Fond arboresence"), E::None, E::None,
        {ColourTree, E::None, E::None}},
    {3813, KSY_TRANSLATE_NOOP("DisplaySettings", "Arrière plan tableau"), E::None, E::None,
        {ColourBoard, E::None, E::None}},
    {3815, KSY_TRANSLATE_NOOP("DisplaySettings", "Titre série"), FontHeatTitle, FontHeatTitle,
        {ColourHeatTitle, E::None, E::None}},
    {3816, KSY_TRANSLATE_NOOP("DisplaySettings", "Conflit radio"), FontRadioConflict,
        FontRadioConflict, {ColourRadioConflict, E::None, E::None}},
    // Cell backgrounds: shown under the text of the column they mark.
    {3817, KSY_TRANSLATE_NOOP("DisplaySettings", "Passage des chars"), E::None, FontFirstColumn,
        {ColourChangedRow, E::None, E::None}},
    {3818, KSY_TRANSLATE_NOOP("DisplaySettings", "Meilleur tour run"), E::None, kBestLapFont,
        {ColourHeatBestLap, E::None, E::None}},
    {3819, KSY_TRANSLATE_NOOP("DisplaySettings", "Meilleur tour pilote"), E::None, kBestLapFont,
        {ColourPersonalBest, E::None, E::None}},
    {3821, KSY_TRANSLATE_NOOP("DisplaySettings", "Libellé tableau"), FontHeaders, FontHeaders,
        {ColourHeaderTop, ColourHeaderBottom, E::None}},
    {3822, KSY_TRANSLATE_NOOP("DisplaySettings", "Résultats tableau"), E::ChosenColumn,
        E::ChosenColumn, {ColourTableTop, ColourTableBottom, ColourSeparators}},
}};

constexpr std::array<std::string_view, BoardColumnCount> kColumnNames = {
    KSY_TRANSLATE_NOOP("Board", "Ligne"), KSY_TRANSLATE_NOOP("Board", "Nom pilote"),
    KSY_TRANSLATE_NOOP("Board", "Tours"), KSY_TRANSLATE_NOOP("Board", "Temps total"),
    KSY_TRANSLATE_NOOP("Board", "Ecart leader"), KSY_TRANSLATE_NOOP("Board", "Ecart précédt"),
    KSY_TRANSLATE_NOOP("Board", "Dernier tour"), KSY_TRANSLATE_NOOP("Board", "Meilleur tour"),
    KSY_TRANSLATE_NOOP("Board", "Transp.")};

bool validFont(int entry)
{
    return entry >= 0 && entry < static_cast<int>(DisplaySettings::kFonts);
}

bool validColour(int index)
{
    return index >= 0 && index < static_cast<int>(DisplaySettings::kColours);
}

std::string pathText(const std::filesystem::path& path)
{
    const auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

std::filesystem::path fromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

std::string_view DisplaySettingsForm::textOf(int control)
{
    switch (control) {
    case Ok:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Ok");
    case Cancel:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Echap");
    case StyleRelief:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "style relief");
    case StyleGradient:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "style dégradé");
    case ColumnList:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Colonne");
    case WidthEdit:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Largeur");
    case Plus:
        return "+";
    case Minus:
        return "-";
    case LoadTheme:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Charger");
    case SaveTheme:
        return KSY_TRANSLATE_NOOP("DisplaySettings", "Sauver");
    default:
        break;
    }
    const DisplayElement* e = element(control);
    return e ? e->label : std::string_view {};
}

std::string_view DisplaySettingsForm::columnName(int column)
{
    if (column < 0 || column >= BoardColumnCount)
        return {};
    return kColumnNames[static_cast<std::size_t>(column)];
}

FileFilter DisplaySettingsForm::themeFilter()
{
    return {KSY_TRANSLATE_NOOP("FileFilters", "Fichier affichage (.scrn)"), "*.scrn"};
}

const std::array<DisplayElement, DisplaySettingsForm::ElementCount>& DisplaySettingsForm::elements()
{
    return kElements;
}

const DisplayElement* DisplaySettingsForm::element(int control)
{
    for (const DisplayElement& e : kElements)
        if (e.control == control)
            return &e;
    return nullptr;
}

DisplaySettingsForm::DisplaySettingsForm(const DisplaySettings& settings)
    : settings_(settings)
{
    keepWidthsInRange();
}

void DisplaySettingsForm::open(const WorkFolder& folder, Prompts& prompts)
{
    settings_ = {};
    column_ = 0;
    const auto file = folder.file(kDisplaySettingsFile);
    const DisplaySettingsLoad load = loadDisplaySettings(file, settings_);
    if (load.status != DisplaySettingsStatus::Read) {
        prompts.error(displaySettingsLoadText(load, file, true));
        settings_ = shippedDisplaySettings();
    }
    keepWidthsInRange();
}

// A width outside 0..999 (a damaged or hand-edited file) would throw the
// board off the screen; it is shown and kept within the range the edit allows.
void DisplaySettingsForm::keepWidthsInRange()
{
    for (int& w : settings_.columnWidths)
        w = std::clamp(w, 0, MaxWidth);
}

bool DisplaySettingsForm::isChecked(int control) const
{
    if (control == StyleRelief)
        return settings_.style == 1;
    if (control == StyleGradient)
        return settings_.style == 0;
    return false;
}

void DisplaySettingsForm::click(int control)
{
    int& w = settings_.columnWidths[static_cast<std::size_t>(column_)];
    switch (control) {
    case StyleRelief:
        settings_.style = 1;
        break;
    case StyleGradient:
        settings_.style = 0;
        break;
    case Plus:
        w = std::min(w + 1, MaxWidth);
        break;
    case Minus:
        w = std::max(w - 1, 0);
        break;
    default:
        break;
    }
}

void DisplaySettingsForm::chooseColumn(int column)
{
    if (column >= 0 && column < BoardColumnCount)
        column_ = column;
}

int DisplaySettingsForm::width() const
{
    return settings_.columnWidths[static_cast<std::size_t>(column_)];
}

std::string DisplaySettingsForm::widthText() const
{
    return std::to_string(width());
}

std::optional<std::string> DisplaySettingsForm::typeWidth(std::string_view text)
{
    std::optional<std::string> rewrite;
    if (text.size() > static_cast<std::size_t>(WidthDigits)) {
        text = text.substr(0, WidthDigits);
        rewrite = std::string(text);
    }
    // Digits only reach here; anything after the first other character is
    // not part of the number.
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    settings_.columnWidths[static_cast<std::size_t>(column_)] = value;
    return rewrite;
}

int DisplaySettingsForm::resolve(int entry) const
{
    if (entry == DisplayElement::ChosenColumn)
        return FontFirstColumn + column_;
    return entry;
}

int DisplaySettingsForm::fontEntry(int control) const
{
    const DisplayElement* e = element(control);
    return e ? resolve(e->font) : DisplayElement::None;
}

FontSpec DisplaySettingsForm::font(int entry) const
{
    if (!validFont(entry))
        return {};
    const DisplayFont& from = settings_.fonts[static_cast<std::size_t>(entry)];
    FontSpec f;
    f.face = cp1252ToUtf8(from.face);
    f.pixelHeight = from.size;
    f.weight = from.weight;
    f.italic = from.italic != 0;
    f.underline = from.underline != 0;
    f.strikeOut = from.strikeOut != 0;
    return f;
}

Colour DisplaySettingsForm::textColour(int entry) const
{
    return validFont(entry) ? settings_.textColours[static_cast<std::size_t>(entry)] : 0;
}

bool DisplaySettingsForm::setFont(int entry, const FontSpec& font)
{
    if (!validFont(entry) || !isStorableText(font.face))
        return false;
    const std::optional<std::string> face = utf8ToCp1252(font.face);
    if (!face || face->size() >= DisplayFont::kFaceWidth)
        return false;
    DisplayFont& to = settings_.fonts[static_cast<std::size_t>(entry)];
    to.face = *face;
    to.size = std::max(1, font.pixelHeight);
    to.weight = font.weight;
    to.italic = font.italic ? 1 : 0;
    to.underline = font.underline ? 1 : 0;
    to.strikeOut = font.strikeOut ? 1 : 0;
    return true;
}

void DisplaySettingsForm::setTextColour(int entry, Colour colour)
{
    if (validFont(entry))
        settings_.textColours[static_cast<std::size_t>(entry)] = colour & 0xFFFFFFu;
}

Colour DisplaySettingsForm::colour(int index) const
{
    return validColour(index) ? settings_.colours[static_cast<std::size_t>(index)] : 0;
}

void DisplaySettingsForm::setColour(int index, Colour colour)
{
    if (validColour(index))
        settings_.colours[static_cast<std::size_t>(index)] = colour & 0xFFFFFFu;
}

void DisplaySettingsForm::setCustomColours(
    const std::array<Colour, DisplaySettings::kCustomColours>& colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i)
        settings_.customColours[i] = colours[i] & 0xFFFFFFu;
}

ElementSample DisplaySettingsForm::sample(int control) const
{
    ElementSample s;
    const DisplayElement* e = element(control);
    if (!e)
        return s;
    s.top = colour(e->colours[0]);
    s.bottom = e->colours[1] == DisplayElement::None ? s.top : colour(e->colours[1]);
    if (e->colours[2] != DisplayElement::None)
        s.lines = colour(e->colours[2]);
    const int entry = resolve(e->sampleFont);
    if (validFont(entry)) {
        s.text = std::string(kSampleText);
        s.font = font(entry);
        s.textColour = textColour(entry);
    }
    return s;
}

bool DisplaySettingsForm::loadTheme(FileChooser& files, const WorkFolder& folder, Prompts& prompts)
{
    const auto chosen = files.openFile(pathText(folder.root()), themeFilter());
    if (!chosen || chosen->empty())
        return false;
    // A damaged theme is refused: the settings in the dialog stay as they were.
    const auto file = fromUtf8(*chosen);
    const DisplaySettingsLoad load = loadDisplaySettings(file, settings_);
    if (load.status != DisplaySettingsStatus::Read) {
        prompts.error(displaySettingsLoadText(load, file, false));
        return false;
    }
    keepWidthsInRange();
    return true;
}

bool DisplaySettingsForm::saveTheme(
    FileChooser& files, const WorkFolder& folder, Prompts& prompts) const
{
    const std::string preset = pathText(folder.root() / "*.scrn");
    const auto chosen = files.saveFile(preset, themeFilter());
    if (!chosen || chosen->empty() || *chosen == preset)
        return false;
    if (writeDisplaySettings(fromUtf8(themeFileName(*chosen)), settings_))
        return true;
    prompts.error(std::string(kDisplaySettingsError));
    return false;
}

bool DisplaySettingsForm::confirm(const WorkFolder& folder, Prompts& prompts) const
{
    if (writeDisplaySettings(folder.file(kDisplaySettingsFile), settings_))
        return true;
    prompts.error(std::string(kDisplaySettingsError));
    return false;
}

} // namespace ksy
