#include "storage/section_titles.h"

#include "storage/encoding.h"

namespace ksy {
namespace {

std::string category(int c)
{
    return cp1252("Catégorie") + std::to_string(c);
}

} // namespace

std::string trackSectionTitle()
{
    return "PisteCourse";
}
std::string participantListTitle(int c)
{
    return category(c) + "ListeParticipants";
}
std::string raceOptionsTitle(int c)
{
    return category(c) + cp1252("QualifsParamètres");
}
std::string heatPlanTitle(int c)
{
    return category(c) + cp1252("RépartitionQualifs");
}
std::string startingGridTitle(int c)
{
    return category(c) + cp1252("GrilleDépartQualifs");
}

std::string heatResultTitle(int c, int round, int heat)
{
    return category(c) + "M" + std::to_string(round) + "S" + std::to_string(heat);
}

std::string roundRankingTitle(int c, int round)
{
    return category(c) + "M" + std::to_string(round) + "Classement";
}

std::string globalRankingTitle(int c)
{
    return category(c) + "ClassementFinalQualifs";
}
std::string heatFlagsTitle()
{
    return cp1252("CatégorieDrapeauxTreeview");
}

} // namespace ksy
