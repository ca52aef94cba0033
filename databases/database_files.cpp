#include "databases/database_files.h"

#include "storage/encoding.h"

namespace ksy {

std::string openErrorText(std::string_view label)
{
    return "Erreur: impossible d'ouvrir la base de données " + std::string(label);
}

std::string ignoredRecordsText(std::size_t ignored, std::size_t capacity, std::string_view label)
{
    const bool one = ignored == 1;
    return "Attention: " + std::to_string(ignored) +
        (one ? " enregistrement au-delà de " : " enregistrements au-delà de ") +
        std::to_string(capacity) + (one ? " ignoré" : " ignorés") + " dans la base de données " +
        std::string(label);
}

std::string refusedNamesText(
    std::string_view label, const std::vector<std::pair<std::size_t, std::string>>& refused)
{
    std::string text;
    for (const auto& [line, name] : refused) {
        text += text.empty() ? "Erreur: " : "\n";
        text += "la base de données " + std::string(label) + " contient à la ligne " +
            std::to_string(line) + " le nom « " + cp1252ToUtf8(name) +
            " », réservé par le fichier de course : ce pilote est ignoré.";
    }
    return text;
}

bool reportLoad(bool opened, std::size_t ignored, std::size_t capacity, std::string_view label,
    Prompts& prompts)
{
    if (!opened) {
        prompts.error(openErrorText(label));
        return false;
    }
    if (ignored > 0)
        prompts.message(
            "Attention", ignoredRecordsText(ignored, capacity, label), PromptIcon::Exclamation);
    return true;
}

bool loadCourseDatabase(const WorkFolder& folder, Prompts& prompts, std::vector<Course>& courses)
{
    auto loaded = loadCourses(folder.file(kCourseFile));
    courses = std::move(loaded.records);
    return reportLoad(loaded, kCourseCapacity, "Parcours", prompts);
}

bool loadTransponderPackDatabase(
    const WorkFolder& folder, Prompts& prompts, std::vector<TransponderPack>& packs)
{
    auto loaded = loadTransponderPacks(folder.file(kTransponderPackFile));
    packs = std::move(loaded.records);
    return reportLoad(loaded, kTransponderPackCount, "Transpondeurs", prompts);
}

} // namespace ksy
