#include "services/translate.h"
#include "storage/sheets/sheet_table.h"

#include <fstream>
#include <system_error>

namespace ksy {

SheetRead readSheetFile(const std::filesystem::path& file)
{
    const std::string shown = reinterpret_cast<const char*>(file.filename().u8string().c_str());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {std::nullopt,
            fillText(translate("Sheets", "Erreur : impossible de lire le fichier %1."), {shown})};
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return {std::nullopt,
            fillText(translate("Sheets", "Erreur : impossible de lire le fichier %1."), {shown})};
    if (size > kSheetMaxFileBytes)
        return {std::nullopt,
            fillText(
                translate("Sheets", "Erreur : le fichier %1 dépasse 100 Mo ; il n'est pas lu."),
                {shown})};
    // The read itself stops one byte past the limit: a file that grew since
    // its size was taken is refused without being held whole.
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || (!in && !in.eof()))
        return {std::nullopt,
            fillText(translate("Sheets", "Erreur : impossible de lire le fichier %1."), {shown})};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > size) {
        bytes.resize(kSheetMaxFileBytes + 1);
        const std::size_t before = static_cast<std::size_t>(size) + 1;
        in.clear();
        in.read(bytes.data() + before, static_cast<std::streamsize>(bytes.size() - before));
        bytes.resize(before + static_cast<std::size_t>(in.gcount()));
    }
    if (bytes.size() > kSheetMaxFileBytes)
        return {std::nullopt,
            fillText(
                translate("Sheets", "Erreur : le fichier %1 dépasse 100 Mo ; il n'est pas lu."),
                {shown})};
    return readSheet(bytes);
}

} // namespace ksy
