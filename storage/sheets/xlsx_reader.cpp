// The first worksheet of an Office Open XML workbook, every cell as the text
// a spreadsheet program shows by default: shared and inline strings as they
// are, numbers as written ("4512", not "4512.0"), dates as day/month/year.
#include "services/translate.h"
#include "storage/sheets/sheet_cells.h"
#include "storage/sheets/sheet_table.h"
#include "storage/sheets/xml_reader.h"
#include "storage/sheets/zip_archive.h"

#include <charconv>
#include <cmath>
#include <map>

namespace ksy {
namespace {

struct Failure {
    std::string text;
};

std::string part(const ZipArchive& zip, std::string_view name)
{
    ZipArchive::Part p = zip.read(name, kSheetMaxPartBytes);
    if (!p.bytes)
        throw Failure {p.error};
    return std::move(*p.bytes);
}

std::string malformed(std::string_view partName)
{
    return fillText(
        translate("Sheets", "Erreur : le classeur est endommagé (XML illisible dans %1)."),
        {partName});
}

// The part of the first sheet, from the workbook and its relationships.
std::string firstSheetPart(const ZipArchive& zip)
{
    std::string id;
    {
        const std::string workbook = part(zip, "xl/workbook.xml");
        XmlReader xml(workbook);
        for (auto e = xml.next(); e != XmlReader::Event::Done; e = xml.next()) {
            if (e == XmlReader::Event::Error)
                throw Failure {malformed("xl/workbook.xml")};
            if (e == XmlReader::Event::Start && xml.name() == "sheet") {
                id = xml.attribute("id");
                break;
            }
        }
    }
    const std::string fallback = "xl/worksheets/sheet1.xml";
    if (id.empty() || !zip.contains("xl/_rels/workbook.xml.rels"))
        return fallback;
    const std::string rels = part(zip, "xl/_rels/workbook.xml.rels");
    XmlReader xml(rels);
    for (auto e = xml.next(); e != XmlReader::Event::Done && e != XmlReader::Event::Error;
         e = xml.next()) {
        if (e == XmlReader::Event::Start && xml.name() == "Relationship" &&
            xml.attribute("Id") == id) {
            const std::string target = xml.attribute("Target");
            return target.starts_with('/') ? target.substr(1) : "xl/" + target;
        }
    }
    return fallback;
}

std::vector<std::string> sharedStrings(const ZipArchive& zip)
{
    std::vector<std::string> strings;
    if (!zip.contains("xl/sharedStrings.xml"))
        return strings;
    const std::string bytes = part(zip, "xl/sharedStrings.xml");
    XmlReader xml(bytes);
    int phonetic = 0; // inside <rPh>: reading aids, not the text
    bool inText = false;
    for (auto e = xml.next(); e != XmlReader::Event::Done; e = xml.next()) {
        switch (e) {
        case XmlReader::Event::Error:
            throw Failure {malformed("xl/sharedStrings.xml")};
        case XmlReader::Event::Start:
            if (xml.name() == "si")
                strings.emplace_back();
            else if (xml.name() == "rPh")
                ++phonetic;
            else if (xml.name() == "t")
                inText = true;
            break;
        case XmlReader::Event::End:
            if (xml.name() == "rPh")
                --phonetic;
            else if (xml.name() == "t")
                inText = false;
            break;
        case XmlReader::Event::Text:
            if (inText && phonetic == 0 && !strings.empty())
                strings.back() += xml.text();
            break;
        case XmlReader::Event::Done:
            break;
        }
    }
    return strings;
}

// Which cell styles show a number as a date.
std::vector<bool> dateStyles(const ZipArchive& zip)
{
    std::vector<bool> styles;
    if (!zip.contains("xl/styles.xml"))
        return styles;
    const std::string bytes = part(zip, "xl/styles.xml");
    XmlReader xml(bytes);
    std::map<int, bool> custom;
    bool inCellXfs = false;
    for (auto e = xml.next(); e != XmlReader::Event::Done && e != XmlReader::Event::Error;
         e = xml.next()) {
        if (e == XmlReader::Event::Start && xml.name() == "numFmt") {
            int id = 0;
            const std::string text = xml.attribute("numFmtId");
            std::from_chars(text.data(), text.data() + text.size(), id);
            custom[id] = isDateFormatCode(xml.attribute("formatCode"));
        } else if (e == XmlReader::Event::Start && xml.name() == "cellXfs") {
            inCellXfs = !xml.selfClosing();
        } else if (e == XmlReader::Event::End && xml.name() == "cellXfs") {
            inCellXfs = false;
        } else if (e == XmlReader::Event::Start && inCellXfs && xml.name() == "xf") {
            int id = 0;
            const std::string text = xml.attribute("numFmtId");
            std::from_chars(text.data(), text.data() + text.size(), id);
            const auto found = custom.find(id);
            styles.push_back(found != custom.end() ? found->second : isBuiltinDateFormat(id));
        }
    }
    return styles;
}

// "B12" -> column 1 (0-based); nothing when it has no letters.
std::optional<std::size_t> columnOf(std::string_view ref)
{
    std::size_t column = 0;
    std::size_t letters = 0;
    for (char c : ref) {
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
        if (++letters > 3)
            return std::nullopt;
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

struct CellState {
    std::string type;
    std::size_t style = 0;
    std::string value;
    std::string inlineText;
};

std::string cellText(const CellState& c, const std::vector<std::string>& strings,
    const std::vector<bool>& dates)
{
    if (c.type == "s") {
        std::size_t index = 0;
        const auto [end, ec] =
            std::from_chars(c.value.data(), c.value.data() + c.value.size(), index);
        if (ec != std::errc() || index >= strings.size())
            throw Failure {
                fillText(translate("Sheets",
                             "Erreur : le classeur est endommagé (texte partagé %1 absent)."),
                    {c.value})};
        return strings[index];
    }
    if (c.type == "inlineStr")
        return c.inlineText;
    if (c.type == "str" || c.type == "e" || c.type == "b")
        return c.value;
    if (c.style < dates.size() && dates[c.style]) {
        if (auto date = serialDateText(c.value))
            return *date;
    }
    return numberText(c.value);
}

} // namespace

SheetRead readXlsx(std::string_view bytes)
{
    const std::optional<ZipArchive> zip = ZipArchive::open(bytes);
    if (!zip)
        return {std::nullopt,
            translate("Sheets", "Erreur : le fichier n'est pas un classeur .xlsx lisible.")};
    try {
        const std::vector<std::string> strings = sharedStrings(*zip);
        const std::vector<bool> dates = dateStyles(*zip);
        const std::string sheetName = firstSheetPart(*zip);
        const std::string sheet = part(*zip, sheetName);
        SheetBuilder builder;
        XmlReader xml(sheet);
        std::size_t line = 0;
        std::size_t column = 0;
        CellState cell;
        enum class In { Nothing, Value, InlineText } in = In::Nothing;
        for (auto e = xml.next(); e != XmlReader::Event::Done; e = xml.next()) {
            if (e == XmlReader::Event::Error)
                throw Failure {malformed(sheetName)};
            const std::string_view name = xml.name();
            if (e == XmlReader::Event::Start) {
                if (name == "row") {
                    std::size_t r = 0;
                    const std::string ref = xml.attribute("r");
                    const auto [end, ec] = std::from_chars(ref.data(), ref.data() + ref.size(), r);
                    line = ec == std::errc() && r > line ? r : line + 1;
                    column = 0;
                    builder.startRow(line);
                } else if (name == "c") {
                    if (const auto c = columnOf(xml.attribute("r")))
                        column = *c;
                    cell = CellState {xml.attribute("t"), 0, {}, {}};
                    const std::string s = xml.attribute("s");
                    std::from_chars(s.data(), s.data() + s.size(), cell.style);
                } else if (name == "v") {
                    in = In::Value;
                } else if (name == "t") {
                    in = In::InlineText;
                }
            } else if (e == XmlReader::Event::End) {
                if (name == "c") {
                    if (auto error = builder.setCell(column, cellText(cell, strings, dates)))
                        throw Failure {*error};
                    ++column;
                } else if (name == "v" || name == "t") {
                    in = In::Nothing;
                } else if (name == "row") {
                    if (auto error = builder.endRow())
                        throw Failure {*error};
                }
            } else if (e == XmlReader::Event::Text) {
                if (in == In::Value)
                    cell.value += xml.text();
                else if (in == In::InlineText)
                    cell.inlineText += xml.text();
            }
        }
        return {builder.take(), {}};
    } catch (const Failure& f) {
        return {std::nullopt, f.text};
    }
}

} // namespace ksy
