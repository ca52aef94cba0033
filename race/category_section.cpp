#include "race/category_section.h"

#include "storage/field_writer.h"
#include "storage/file_stream.h"

namespace ksy {

RewriteResult rewriteCategorySection(const std::filesystem::path& raceFile,
    const std::string& title, int reserve, std::string_view body, bool createIfAbsent,
    const std::string& notFoundMessage, Prompts* prompts)
{
    if (!createIfAbsent) {
        auto file = FileStream::open(raceFile, OpenMode::Read);
        if (!file)
            return RewriteResult::CannotOpen;
        if (!sectionLookup(*file, title).found) {
            if (prompts)
                prompts->error(notFoundMessage);
            return RewriteResult::TitleNotFound;
        }
    }
    return fixedSlotRewrite(
        raceFile, title, reserve, [body](FieldWriter& out) { out.raw(body); }, prompts);
}

} // namespace ksy
