#include "app/work_folder_check.h"

#include "services/translate.h"

#include <fstream>

namespace ksy {

std::optional<std::string> workFolderProblem(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    bool usable = std::filesystem::is_directory(folder, ec);
    if (usable) {
        // Every race and setting is rewritten there: try it once.
        const auto probe = folder / ".kestrametrix-essai";
        usable = static_cast<bool>(std::ofstream(probe, std::ios::binary | std::ios::trunc));
        std::filesystem::remove(probe, ec);
    }
    if (usable)
        return std::nullopt;
    const auto u8 = folder.u8string();
    return fillText(translate("Start",
                        "Erreur: le dossier de travail \"%1\" ne peut être ni créé ni écrit.\nLe "
                        "programme ne peut pas y garder la course: vérifiez ce dossier et ses "
                        "droits, ou choisissez-en un autre avec --workdir."),
        {std::string(u8.begin(), u8.end())});
}

} // namespace ksy
