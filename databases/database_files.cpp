#include "databases/database_files.h"

#include "services/translate.h"
#include "storage/encoding.h"

namespace ksy {
namespace {

// The databases' names as the messages show them, marked for translation.
[[maybe_unused]] constexpr const char* kShownLabels[] = {
    KSY_TRANSLATE_NOOP("Databases", "Parcours"),
    KSY_TRANSLATE_NOOP("Databases", "Clubs"),
    KSY_TRANSLATE_NOOP("Databases", "Pilotes"),
    KSY_TRANSLATE_NOOP("Databases", "Transpondeurs"),
    KSY_TRANSLATE_NOOP("Databases", "Pays"),
    KSY_TRANSLATE_NOOP("Databases", "Fréquences"),
    KSY_TRANSLATE_NOOP("Databases", "Frequences"),
    KSY_TRANSLATE_NOOP("Databases", "Circuits"),
};

std::string shownLabel(std::string_view label)
{
    return translate("Databases", std::string(label).c_str());
}

} // namespace

std::string openErrorText(std::string_view label)
{
    return fillText(translate("Databases", "Erreur: impossible d'ouvrir la base de données %1"),
        {shownLabel(label)});
}

std::string ignoredRecordsText(std::size_t ignored, std::size_t capacity, std::string_view label)
{
    const std::string values[] {
        std::to_string(ignored), std::to_string(capacity), shownLabel(label)};
    if (ignored == 1)
        return fillText(translate("Databases",
                            "Attention: %1 enregistrement au-delà de %2 ignoré dans la base de "
                            "données %3"),
            {values[0], values[1], values[2]});
    return fillText(translate("Databases",
                        "Attention: %1 enregistrements au-delà de %2 ignorés dans la base de "
                        "données %3"),
        {values[0], values[1], values[2]});
}

std::string refusedNamesText(
    std::string_view label, const std::vector<std::pair<std::size_t, std::string>>& refused)
{
    std::string text;
    for (const auto& [line, name] : refused) {
        const std::string values[] {shownLabel(label), std::to_string(line), cp1252ToUtf8(name)};
        text += text.empty()
            ? fillText(translate("Databases",
                           "Erreur: la base de données %1 contient à la ligne %2 le nom « %3 », "
                           "réservé par le fichier de course : ce pilote est ignoré."),
                  {values[0], values[1], values[2]})
            : "\n" +
                fillText(translate("Databases",
                             "la base de données %1 contient à la ligne %2 le nom « %3 », "
                             "réservé par le fichier de course : ce pilote est ignoré."),
                    {values[0], values[1], values[2]});
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
        prompts.message(translate("Databases", "Attention"),
            ignoredRecordsText(ignored, capacity, label), PromptIcon::Exclamation);
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
