#include "results/heat_comment_file.h"

#include "results/text_fields.h"
#include "storage/field_writer.h"

namespace ksy {
namespace {

// The condition may stand alone on its line: a field also ends at the LF.
std::string_view nextField(std::string_view& line)
{
    const std::size_t end = line.find_first_of("\t\n");
    const std::string_view field = line.substr(0, end);
    line = end == std::string_view::npos ? std::string_view {} : line.substr(end + 1);
    return field;
}

} // namespace

std::string formatHeatComment(std::string_view condition, std::string_view comment)
{
    FieldWriter w;
    w.text(condition, HeatResultTexts::kConditionWidth);
    w.text(comment, HeatResultTexts::kCommentWidth);
    w.endLine();
    return w.take();
}

bool writeHeatComment(
    const WorkFolder& folder, std::string_view condition, std::string_view comment)
{
    return replaceFileBytes(folder.file(kHeatCommentFile), formatHeatComment(condition, comment));
}

bool readHeatComment(const WorkFolder& folder, std::string& condition, std::string& comment)
{
    const std::optional<std::string> bytes = readFileBytes(folder.file(kHeatCommentFile));
    if (!bytes)
        return false;
    std::string_view rest = *bytes;
    condition = boundedField(nextField(rest), HeatResultTexts::kConditionWidth);
    comment = boundedField(nextField(rest), HeatResultTexts::kCommentWidth);
    return true;
}

} // namespace ksy
