#include "databases/pilot_import.h"

#include "databases/database_sort.h"
#include "databases/transponder_number.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/sheets/text_decoding.h"

#include <algorithm>

namespace ksy {
namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::string cell(const SheetRow& row, const std::optional<std::size_t>& column)
{
    if (!column || *column >= row.cells.size())
        return {};
    return trimmed(row.cells[*column]);
}

// The first character of a UTF-8 text that Windows-1252 cannot hold.
std::string unstorableCharacter(std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t length = 1;
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0xF0)
            length = 4;
        else if (b >= 0xE0)
            length = 3;
        else if (b >= 0xC0)
            length = 2;
        const std::string_view one = utf8.substr(i, length);
        if (!utf8ToCp1252(one))
            return std::string(one);
        i += length;
    }
    return {};
}

struct FieldSpec {
    SheetField field;
    std::string Pilot::*member;
    std::size_t width;
};

const std::vector<FieldSpec>& fieldSpecs()
{
    static const std::vector<FieldSpec> specs {
        {SheetField::Address, &Pilot::address, Pilot::kAddressWidth},
        {SheetField::Address2, &Pilot::address2, Pilot::kAddressWidth},
        {SheetField::Postcode, &Pilot::postcode, Pilot::kPostcodeWidth},
        {SheetField::City, &Pilot::city, Pilot::kCityWidth},
        {SheetField::Country, &Pilot::country, Pilot::kCountryWidth},
        {SheetField::Telephone, &Pilot::telephone, Pilot::kTelephoneWidth},
        {SheetField::Email, &Pilot::email, Pilot::kEmailWidth},
        {SheetField::BirthDate, &Pilot::birthDate, Pilot::kBirthDateWidth},
        {SheetField::Licence, &Pilot::licence, Pilot::kLicenceWidth},
        {SheetField::Club, &Pilot::club, Pilot::kClubWidth},
    };
    return specs;
}

// The text in Windows-1252, or the reason it cannot be stored.
std::optional<std::string> storable(
    std::string_view utf8, std::string_view label, std::size_t width, std::string& reason)
{
    const auto shown = [label] { return translate("SheetColumns", std::string(label).c_str()); };
    if (utf8.find_first_of("\t\r\n") != std::string_view::npos) {
        reason = fillText(translate("PilotImport",
                              "le champ « %1 » contient une tabulation ou un saut de ligne, "
                              "que le fichier ne peut pas garder"),
            {shown()});
        return std::nullopt;
    }
    const std::optional<std::string> bytes = utf8ToCp1252(utf8);
    if (!bytes) {
        const std::string bad = unstorableCharacter(utf8);
        reason = fillText(translate("PilotImport",
                              "le champ « %1 » contient le caractère « %2 », que le fichier "
                              "(Windows-1252) ne peut pas garder"),
            {shown(), bad});
        return std::nullopt;
    }
    if (bytes->size() > width - 1) {
        reason = fillText(translate("PilotImport", "le champ « %1 » a %2 caractères, %3 au plus"),
            {shown(), std::to_string(bytes->size()), std::to_string(width - 1)});
        return std::nullopt;
    }
    return bytes;
}

} // namespace

SheetPilot pilotOfRow(const SheetRow& row, const ColumnChoice& columns)
{
    SheetPilot out;
    std::string name = cell(row, columns[SheetField::FullName]);
    if (name.empty()) {
        const std::string surname = cell(row, columns[SheetField::Surname]);
        const std::string first = cell(row, columns[SheetField::FirstName]);
        name = surname.empty() ? first : first.empty() ? surname : surname + " " + first;
    }
    out.name = name;
    out.frequency = cell(row, columns[SheetField::Frequency]);
    if (name.empty()) {
        out.reason = translate("PilotImport", "pas de nom");
        return out;
    }
    Pilot pilot;
    std::string reason;
    const auto nameBytes = storable(name, "Nom", Pilot::kNameWidth, reason);
    if (!nameBytes) {
        out.reason = reason;
        return out;
    }
    if (isReservedName(*nameBytes)) {
        out.reason = translate("PilotImport", "le nom est réservé par le fichier de course");
        return out;
    }
    pilot.name = *nameBytes;

    std::string address = cell(row, columns[SheetField::Address]);
    // An address typed on two lines in the sheet fills "Adresse" and "(suite)".
    if (const auto lf = address.find('\n');
        lf != std::string::npos && cell(row, columns[SheetField::Address2]).empty()) {
        std::string second = trimmed(address.substr(lf + 1));
        std::replace(second.begin(), second.end(), '\n', ' ');
        std::erase(second, '\r');
        address = trimmed(address.substr(0, lf));
        if (auto b = storable(second, "Adresse (suite)", Pilot::kAddressWidth, reason))
            pilot.address2 = *b;
        else {
            out.reason = reason;
            return out;
        }
    }
    for (const auto& spec : fieldSpecs()) {
        const std::string text =
            spec.field == SheetField::Address ? address : cell(row, columns[spec.field]);
        if (text.empty())
            continue;
        auto bytes = storable(text, sheetFieldLabel(spec.field), spec.width, reason);
        if (!bytes) {
            out.reason = reason;
            return out;
        }
        pilot.*spec.member = std::move(*bytes);
    }
    const std::string transponder = cell(row, columns[SheetField::Transponder]);
    if (!transponder.empty()) {
        const auto number = transponderNumber(transponder);
        if (!number) {
            out.reason =
                fillText(translate("PilotImport",
                             "le transpondeur « %1 » n'est pas un numéro de 1 à 6 chiffres"),
                    {transponder});
            return out;
        }
        pilot.transponder = *number;
    }
    out.pilot = std::move(pilot);
    return out;
}

PilotImport importPilots(const SheetTable& table, const ColumnChoice& columns,
    std::vector<Pilot> existing, const std::vector<std::string>* knownClubs)
{
    PilotImport out;
    std::erase_if(existing, [](const Pilot& p) { return p.name.empty(); });
    for (std::size_t r = columns.headerRow + 1; r < table.rows.size(); ++r) {
        const SheetRow& row = table.rows[r];
        PilotImportRow result;
        result.line = row.line;
        SheetPilot taken = pilotOfRow(row, columns);
        result.name = taken.name;
        if (!taken.pilot) {
            result.reason = taken.reason;
            out.rows.push_back(std::move(result));
            continue;
        }
        const Pilot& incoming = *taken.pilot;
        const auto same = std::ranges::find_if(existing,
            [&](const Pilot& p) { return sameNameIgnoringCase(p.name, incoming.name); });
        if (same == existing.end() && existing.size() >= kPilotCapacity) {
            result.reason = fillText(
                translate("PilotImport", "la base de données Pilotes est pleine (%1 pilotes)"),
                {std::to_string(kPilotCapacity)});
            out.rows.push_back(std::move(result));
            continue;
        }
        const Pilot* stored = same == existing.end() ? nullptr : &*same;
        if (!incoming.transponder.empty())
            for (const Pilot& other : existing)
                if (&other != stored && other.transponder == incoming.transponder &&
                    !sameNameIgnoringCase(other.name, incoming.name))
                    result.warnings.push_back(fillText(
                        translate("PilotImport", "le transpondeur %1 est déjà celui de %2"),
                        {incoming.transponder, cp1252ToUtf8(other.name)}));
        if (knownClubs && !incoming.club.empty() &&
            std::ranges::find(*knownClubs, incoming.club) == knownClubs->end())
            result.warnings.push_back(
                fillText(translate("PilotImport",
                             "le club « %1 » n'est pas dans la base de données "
                             "Clubs : ajoutez-le, sinon l'éditeur "
                             "des pilotes le retirera"),
                    {cp1252ToUtf8(incoming.club)}));
        if (same == existing.end()) {
            existing.push_back(incoming);
            result.outcome = PilotImportRow::Outcome::Added;
        } else {
            // The stored name keeps its spelling; only given cells change.
            for (const auto& spec : fieldSpecs())
                if (!(incoming.*spec.member).empty())
                    (*same).*spec.member = incoming.*spec.member;
            if (!incoming.transponder.empty())
                same->transponder = incoming.transponder;
            result.outcome = PilotImportRow::Outcome::Updated;
            result.name = cp1252ToUtf8(same->name);
        }
        out.rows.push_back(std::move(result));
    }
    for (const auto& row : out.rows) {
        out.added += row.outcome == PilotImportRow::Outcome::Added;
        out.updated += row.outcome == PilotImportRow::Outcome::Updated;
        out.refused += row.outcome == PilotImportRow::Outcome::Refused;
    }
    sortPilots(existing);
    out.pilots = std::move(existing);
    return out;
}

std::vector<std::string> importReportLines(const PilotImportRow& row)
{
    std::vector<std::string> lines;
    const std::string line = std::to_string(row.line);
    switch (row.outcome) {
    case PilotImportRow::Outcome::Added:
        lines.push_back(
            fillText(translate("PilotImport", "ligne %1 : ajouté %2"), {line, row.name}));
        break;
    case PilotImportRow::Outcome::Updated:
        lines.push_back(
            fillText(translate("PilotImport", "ligne %1 : mis à jour %2"), {line, row.name}));
        break;
    case PilotImportRow::Outcome::Refused:
        lines.push_back(row.name.empty()
                ? fillText(translate("PilotImport", "ligne %1 : refusé : %2"), {line, row.reason})
                : fillText(translate("PilotImport", "ligne %1 : refusé « %2 » : %3"),
                      {line, row.name, row.reason}));
        break;
    }
    for (const auto& w : row.warnings)
        lines.push_back(fillText(translate("PilotImport", "ligne %1 : attention : %2"), {line, w}));
    return lines;
}

std::string importSummary(const PilotImport& import)
{
    return fillText(translate("PilotImport", "%1 ajoutés, %2 mis à jour, %3 refusés"),
        {std::to_string(import.added), std::to_string(import.updated),
            std::to_string(import.refused)});
}

} // namespace ksy
