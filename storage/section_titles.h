#pragma once
#include <string>

namespace ksy {

// Titles of the race-file sections, as Windows-1252 bytes, and the size of
// their body areas in pairs "1", TAB. Categories, rounds and heats count from 1.
std::string trackSectionTitle(); // "PisteCourse"
std::string participantListTitle(int category); // "Catégorie%dListeParticipants"
std::string raceOptionsTitle(int category); // "Catégorie%dQualifsParamètres"
std::string heatPlanTitle(int category); // "Catégorie%dRépartitionQualifs"
std::string startingGridTitle(int category); // "Catégorie%dGrilleDépartQualifs"
std::string heatResultTitle(int category, int round, int heat); // "Catégorie%dM%dS%d"
std::string roundRankingTitle(int category, int round); // "Catégorie%dM%dClassement"
std::string globalRankingTitle(int category); // "Catégorie%dClassementFinalQualifs"
std::string heatFlagsTitle(); // "CatégorieDrapeauxTreeview"

inline constexpr int kHeaderReserve = 330;
inline constexpr int kTrackReserve = 75;
inline constexpr int kParticipantListReserve = 9000;
inline constexpr int kRaceOptionsReserve = 80;
inline constexpr int kHeatPlanReserve = 4625;
inline constexpr int kStartingGridReserve = 250;
inline constexpr int kHeatFlagsReserve = 1830;
constexpr int heatResultReserve(int placesPerHeat)
{
    return 617 * placesPerHeat + 565;
}
constexpr int roundRankingReserve(int participants)
{
    return 35 * participants + 24;
}
constexpr int globalRankingReserve(int participants)
{
    return 22 * participants + 15;
}

} // namespace ksy
