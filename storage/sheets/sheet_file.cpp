#include "storage/sheets/sheet_table.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace ksy {

SheetRead readSheetFile(const std::filesystem::path& file)
{
    const std::string shown = reinterpret_cast<const char*>(file.filename().u8string().c_str());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {std::nullopt, "Erreur : impossible de lire le fichier " + shown + "."};
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return {std::nullopt, "Erreur : impossible de lire le fichier " + shown + "."};
    if (size > kSheetMaxFileBytes)
        return {std::nullopt, "Erreur : le fichier " + shown +
                " dépasse 100 Mo ; il n'est pas lu."};
    std::ifstream in(file, std::ios::binary);
    std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return {std::nullopt, "Erreur : impossible de lire le fichier " + shown + "."};
    if (bytes.size() > kSheetMaxFileBytes)
        return {std::nullopt, "Erreur : le fichier " + shown +
                " dépasse 100 Mo ; il n'est pas lu."};
    return readSheet(bytes);
}

} // namespace ksy
