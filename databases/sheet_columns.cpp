#include "databases/sheet_columns.h"

#include "services/translate.h"

#include <algorithm>

namespace ksy {
namespace {

// The headers of each field as people type them; compared by headerKey.
const std::vector<std::pair<SheetField, std::vector<std::string_view>>> kHeaders {
    {SheetField::FullName,
        {"Nom complet", "Nom et prénom", "Nom prénom", "Prénom nom", "Pilote", "Concurrent",
            "Full name", "Name and first name", "Pilot", "Competitor", "Driver"}},
    {SheetField::Surname, {"Nom", "Nom de famille", "Name", "Last name", "Surname", "Family name"}},
    {SheetField::FirstName, {"Prénom", "First name", "Firstname", "Given name", "Forename"}},
    {SheetField::Address, {"Adresse", "Rue", "Address", "Street", "Address line 1", "Adresse 1"}},
    {SheetField::Address2,
        {"Adresse (suite)", "Adresse 2", "Complément d'adresse", "Suite", "Address 2",
            "Address line 2"}},
    {SheetField::Postcode, {"Code postal", "CP", "Postcode", "Postal code", "Zip", "Zip code"}},
    {SheetField::City, {"Ville", "Commune", "City", "Town"}},
    {SheetField::Country, {"Pays", "Nation", "Country"}},
    {SheetField::Telephone,
        {"Téléphone", "Tél", "Tel", "Portable", "Mobile", "Telephone", "Phone", "Phone number"}},
    {SheetField::Email,
        {"Email", "E-mail", "Courriel", "Mail", "Adresse email", "Adresse e-mail",
            "Email address", "E-mail address"}},
    {SheetField::BirthDate,
        {"Date de naissance", "Naissance", "Né le", "Date of birth", "Birth date", "Birthdate",
            "DOB"}},
    {SheetField::Licence,
        {"N° licence", "Licence", "Numéro de licence", "No licence", "Licence number",
            "License", "License number", "Licence no"}},
    {SheetField::Transponder,
        {"Transpondeur", "N° transpondeur", "Puce", "Transponder", "Transponder number", "Chip"}},
    {SheetField::Club, {"Club"}},
    {SheetField::Frequency, {"Fréquence", "Fréq", "Frequency", "Freq", "Fréquence radio"}},
};

// The ASCII letter of a Latin-1 accented letter (U+00C0..U+00FF).
char baseLetter(char32_t c)
{
    static constexpr std::string_view kMap =
        "aaaaaaaceeeeiiiidnooooo*ouuuuyts" // C0..DF
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty"; // E0..FF
    return kMap[c - 0xC0];
}

} // namespace

std::string_view sheetFieldLabel(SheetField field)
{
    static constexpr std::array<std::string_view, kSheetFieldCount> kLabels {
        KSY_TRANSLATE_NOOP("SheetColumns", "Nom complet"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Nom"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Prénom"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Adresse"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Adresse (suite)"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Code postal"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Ville"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Pays"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Téléphone"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Email"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Date de naissance"),
        KSY_TRANSLATE_NOOP("SheetColumns", "N° licence"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Transpondeur"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Club"),
        KSY_TRANSLATE_NOOP("SheetColumns", "Fréquence"),
    };
    return kLabels[static_cast<std::size_t>(field)];
}

std::string headerKey(std::string_view header)
{
    std::string key;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto b = static_cast<unsigned char>(header[i]);
        if (b < 0x80) {
            const char c = static_cast<char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                key += c;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < header.size()) {
            const char32_t code = static_cast<char32_t>((b & 0x1F) << 6 |
                (static_cast<unsigned char>(header[i + 1]) & 0x3F));
            ++i;
            if (code >= 0xC0 && code <= 0xFF) {
                const char c = baseLetter(code);
                if (c >= 'a' && c <= 'z')
                    key += c;
                if (code == 0xC6 || code == 0xE6)
                    key += 'e'; // æ
            } else if (code == 0x152 || code == 0x153) {
                key += "oe";
            }
        }
        // Other characters (°, ’, …) are punctuation here.
    }
    return key;
}

std::optional<SheetField> fieldOfHeader(std::string_view header, bool sheetHasFirstName)
{
    const std::string key = headerKey(header);
    if (key.empty())
        return std::nullopt;
    for (const auto& [field, names] : kHeaders)
        for (const auto name : names)
            if (headerKey(name) == key) {
                if (field == SheetField::Surname && !sheetHasFirstName &&
                    (key == "nom" || key == "name"))
                    return SheetField::FullName;
                return field;
            }
    return std::nullopt;
}

bool ColumnChoice::hasName() const
{
    return (*this)[SheetField::FullName].has_value() || (*this)[SheetField::Surname].has_value();
}

ColumnChoice matchColumns(const SheetTable& table)
{
    ColumnChoice best;
    const std::size_t rows = std::min<std::size_t>(table.rows.size(), 10);
    for (std::size_t r = 0; r < rows; ++r) {
        const auto& cells = table.rows[r].cells;
        const bool hasFirst = std::ranges::any_of(cells, [](const std::string& c) {
            return fieldOfHeader(c, false) == SheetField::FirstName;
        });
        ColumnChoice choice;
        choice.headerRow = r;
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (const auto field = fieldOfHeader(cells[c], hasFirst); field && !choice[*field])
                choice[*field] = c;
        if (choice.hasName())
            return choice;
    }
    return best;
}

const std::vector<std::pair<SheetField, std::vector<std::string_view>>>& recognisedHeaders()
{
    return kHeaders;
}

} // namespace ksy
