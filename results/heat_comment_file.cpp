#include "results/heat_comment_file.h"

#include "storage/field_writer.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace ksy {
namespace {

std::string_view nextField(std::string_view& line)
{
    const std::size_t end = line.find_first_of("\t\n");
    const std::string_view field = line.substr(0, end);
    line = end == std::string_view::npos ? std::string_view {} : line.substr(end + 1);
    return field;
}

std::string bounded(std::string_view text, std::size_t width)
{
    return std::string(text.substr(0, std::min(text.size(), width - 1)));
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
    std::ofstream out(folder.file(kHeatCommentFile), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << formatHeatComment(condition, comment);
    out.flush();
    return static_cast<bool>(out);
}

bool readHeatComment(const WorkFolder& folder, std::string& condition, std::string& comment)
{
    std::ifstream in(folder.file(kHeatCommentFile), std::ios::binary);
    if (!in)
        return false;
    const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string_view rest = bytes;
    condition = bounded(nextField(rest), HeatResultTexts::kConditionWidth);
    comment = bounded(nextField(rest), HeatResultTexts::kCommentWidth);
    return true;
}

} // namespace ksy
