#include "results/race_file_heats.h"

#include "results/heat_result_section.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/section_titles.h"

namespace ksy {
namespace {

// A long list helps nobody: the first ones and a count.
constexpr int kNamed = 8;

} // namespace

std::optional<std::string> missingHeatsText(const std::filesystem::path& file, const Race& race)
{
    std::string list;
    int faults = 0;
    for (int c = 1; c <= race.categoryCount(); ++c)
        for (int r = 1; r <= kMaxRounds; ++r)
            for (int h = 1; h <= kMaxHeatsPerRound; ++h) {
                if (race.heatFlags.get(c, r, h) != 1)
                    continue;
                const std::string title = heatResultTitle(c, r, h);
                RunEntryTable table;
                HeatResultTexts texts;
                std::string fault;
                const HeatResultRead read = loadHeatResult(file, title, table, texts, &fault);
                if (read == HeatResultRead::CannotOpen)
                    return std::nullopt;
                if (read == HeatResultRead::Ok)
                    continue;
                if (++faults > kNamed)
                    continue;
                list += "\n" +
                    (read == HeatResultRead::Absent
                            ? fillText(translate("RaceFileHeats", "- %1 : absente"),
                                  {cp1252ToUtf8(title)})
                            : fillText(translate("RaceFileHeats", "- %1 : endommagée (%2)"),
                                  {cp1252ToUtf8(title), cp1252ToUtf8(fault)}));
            }
    if (faults == 0)
        return std::nullopt;
    if (faults > kNamed)
        list += "\n" +
            fillText(translate("RaceFileHeats", "- et %1 autre(s)"),
                {std::to_string(faults - kNamed)});
    return fillText(translate("RaceFileHeats",
                        "Attention: %1 série(s) courue(s) manquent au fichier de la course ou y "
                        "sont endommagées (fichier coupé ou modifié à la main) :%2\nElles sont "
                        "montrées sans leurs résultats et ne sont pas réécrites tant qu'elles ne "
                        "sont pas courues ou modifiées."),
        {std::to_string(faults), list});
}

std::string heatMissingText(std::string_view sectionTitle)
{
    return fillText(translate("RaceFileHeats",
                        "Attention: la série %1 est marquée courue mais absente du fichier Course "
                        "(fichier coupé ou modifié à la main). Elle est montrée sans résultats et "
                        "n'est pas écrite tant qu'elle n'est pas courue ou modifiée."),
        {cp1252ToUtf8(sectionTitle)});
}

} // namespace ksy
