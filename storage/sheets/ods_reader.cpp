// The first table of an OpenDocument spreadsheet, every cell as the text it
// shows (its paragraphs joined by line breaks). Repeated rows and cells are
// expanded only up to the sheet bounds: a row of 16384 empty repeated cells
// at the end of each line costs nothing.
#include "services/translate.h"
#include "storage/sheets/sheet_cells.h"
#include "storage/sheets/sheet_table.h"
#include "storage/sheets/xml_reader.h"
#include "storage/sheets/zip_archive.h"

#include <charconv>

namespace ksy {
namespace {

std::size_t repeat(const XmlReader& xml, std::string_view attribute)
{
    const std::string text = xml.attribute(attribute);
    std::size_t n = 1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    return ec == std::errc() && n >= 1 ? n : 1;
}

struct Row {
    std::vector<std::string> cells;
    std::size_t pendingEmpty = 0; // empty cells not yet placed
    std::size_t bytes = 0;
};

} // namespace

SheetRead readOds(std::string_view bytes)
{
    const std::optional<ZipArchive> zip = ZipArchive::open(bytes);
    if (!zip)
        return {std::nullopt,
            translate("Sheets", "Erreur : le fichier n'est pas un classeur .ods lisible.")};
    ZipArchive::Part content = zip->read("content.xml", kSheetMaxPartBytes);
    if (!content.bytes)
        return {std::nullopt, content.error};
    const std::string damaged =
        translate("Sheets", "Erreur : le classeur est endommagé (XML illisible dans content.xml).");

    SheetBuilder builder;
    XmlReader xml(*content.bytes);
    int tableDepth = 0; // nesting inside the first table
    bool tableDone = false;
    std::size_t line = 0;
    std::size_t rowRepeat = 1;
    Row row;
    bool inCell = false;
    std::size_t cellRepeat = 1;
    std::string cellText;
    std::string fallbackValue;
    int paragraphs = 0;
    int skipDepth = 0; // inside an annotation: its text is not the cell's
    const std::string tooMuchText = translate(
        "Sheets", "Erreur : la feuille contient plus de 100 Mo de texte ; elle n'est pas lue.");
    const auto tooMany = [&] {
        return fillText(translate("Sheets", "Erreur : la feuille a trop de colonnes (%1 au plus)."),
            {std::to_string(kSheetMaxColumns)});
    };
    for (auto e = xml.next(); e != XmlReader::Event::Done && !tableDone; e = xml.next()) {
        if (e == XmlReader::Event::Error)
            return {std::nullopt, damaged};
        const std::string_view name = xml.name();
        if (skipDepth > 0) {
            if (e == XmlReader::Event::Start)
                ++skipDepth;
            else if (e == XmlReader::Event::End)
                --skipDepth;
            continue;
        }
        if (e == XmlReader::Event::Start) {
            if (name == "table") {
                ++tableDepth;
            } else if (tableDepth == 0) {
                continue;
            } else if (name == "annotation") {
                skipDepth = 1;
            } else if (name == "table-row") {
                rowRepeat = repeat(xml, "number-rows-repeated");
                row = Row {};
            } else if (name == "table-cell" || name == "covered-table-cell") {
                inCell = true;
                cellRepeat = repeat(xml, "number-columns-repeated");
                cellText.clear();
                paragraphs = 0;
                fallbackValue = xml.attribute("string-value");
                if (fallbackValue.empty())
                    fallbackValue = xml.attribute("date-value");
                if (fallbackValue.empty())
                    fallbackValue = numberText(xml.attribute("value"));
            } else if (inCell && name == "p") {
                if (paragraphs++ > 0)
                    cellText += '\n';
            } else if (inCell && name == "s") {
                cellText.append(std::min<std::size_t>(repeat(xml, "c"), 1000), ' ');
                if (cellText.size() > kSheetMaxPartBytes)
                    return {std::nullopt, tooMuchText};
            } else if (inCell && name == "tab") {
                cellText += '\t';
            } else if (inCell && name == "line-break") {
                cellText += '\n';
            }
        } else if (e == XmlReader::Event::End && tableDepth > 0) {
            if (name == "table") {
                if (--tableDepth == 0)
                    tableDone = true;
            } else if (name == "table-cell" || name == "covered-table-cell") {
                inCell = false;
                const std::string& text = paragraphs > 0 ? cellText : fallbackValue;
                if (text.empty()) {
                    row.pendingEmpty += cellRepeat;
                    if (row.pendingEmpty > kSheetMaxColumns)
                        row.pendingEmpty = kSheetMaxColumns; // only trailing ones may be this many
                    continue;
                }
                if (row.cells.size() + row.pendingEmpty + cellRepeat > kSheetMaxColumns)
                    return {std::nullopt, tooMany()};
                // Spaces are written short ("<text:s text:c="1000"/>") and
                // cells repeated: the text they make is bounded before it is.
                row.bytes += text.size() * cellRepeat;
                if (row.bytes > kSheetMaxPartBytes)
                    return {std::nullopt, tooMuchText};
                row.cells.resize(row.cells.size() + row.pendingEmpty);
                row.pendingEmpty = 0;
                row.cells.insert(row.cells.end(), cellRepeat, text);
            } else if (name == "table-row") {
                if (row.cells.empty()) {
                    line += rowRepeat; // blank rows are only counted
                    continue;
                }
                for (std::size_t r = 0; r < rowRepeat; ++r) {
                    builder.startRow(++line);
                    for (std::size_t c = 0; c < row.cells.size(); ++c)
                        if (auto error = builder.setCell(c, row.cells[c]))
                            return {std::nullopt, *error};
                    if (auto error = builder.endRow())
                        return {std::nullopt, *error};
                }
            }
        } else if (e == XmlReader::Event::Text && inCell && paragraphs > 0) {
            cellText += xml.text();
            if (cellText.size() > kSheetMaxPartBytes)
                return {std::nullopt, tooMuchText};
        }
    }
    return {builder.take(), {}};
}

SheetRead readSheet(std::string_view bytes)
{
    if (bytes.starts_with("\xD0\xCF\x11\xE0"))
        return {std::nullopt,
            translate("Sheets",
                "Erreur : les classeurs .xls (Excel 97-2003) ne sont pas lus ; "
                "enregistrez-le en .xlsx, .ods ou CSV.")};
    if (!bytes.starts_with("PK\x03\x04"))
        return readCsv(bytes);
    const std::optional<ZipArchive> zip = ZipArchive::open(bytes);
    if (zip && zip->contains("xl/workbook.xml"))
        return readXlsx(bytes);
    if (zip && zip->contains("content.xml"))
        return readOds(bytes);
    return {std::nullopt,
        translate(
            "Sheets", "Erreur : le fichier compressé n'est ni un classeur .xlsx ni un .ods.")};
}

} // namespace ksy
