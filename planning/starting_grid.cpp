#include "planning/starting_grid.h"

#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <algorithm>

namespace ksy {

char gridLetter(int position)
{
    return position >= 1 && position <= kGridSlots ? static_cast<char>('A' + position - 1) : '\0';
}

int gridPosition(char letter, int pilotsPerHeat)
{
    const int position = letter - 'A' + 1;
    return position >= 1 && position <= std::min(pilotsPerHeat, kGridSlots) ? position : 0;
}

void setGridLetters(StartingGrid& grid, std::string_view text, int pilotsPerHeat)
{
    const auto n = static_cast<std::size_t>(std::clamp(pilotsPerHeat, 0, kGridSlots));
    grid.letters = std::string(text.substr(0, std::min(text.size(), n)));
    grid.positions.fill(0);
    for (std::size_t k = 0; k < grid.letters.size(); ++k)
        grid.positions[k] = gridPosition(grid.letters[k], pilotsPerHeat);
}

void gridLettersFromPositions(StartingGrid& grid, int pilotsPerHeat)
{
    const auto n = static_cast<std::size_t>(std::clamp(pilotsPerHeat, 0, kGridSlots));
    std::string letters;
    for (std::size_t k = 0; k < n; ++k) {
        if (const char letter = gridLetter(grid.positions[k]))
            letters += letter;
        else if (k < grid.letters.size())
            letters += grid.letters[k];
        else
            break;
    }
    grid.letters = letters;
}

StartingGrid identityGrid(int pilotsPerHeat)
{
    StartingGrid grid;
    const int n = std::clamp(pilotsPerHeat, 0, kGridSlots);
    for (int k = 0; k < n; ++k)
        grid.positions[static_cast<std::size_t>(k)] = k + 1;
    gridLettersFromPositions(grid, n);
    return grid;
}

bool isCompleteGrid(const StartingGrid& grid, int pilotsPerHeat)
{
    if (pilotsPerHeat < 1 || pilotsPerHeat > kGridSlots)
        return false;
    std::array<bool, kGridSlots + 1> seen {};
    for (int k = 0; k < pilotsPerHeat; ++k) {
        const int p = grid.positions[static_cast<std::size_t>(k)];
        if (p < 1 || p > pilotsPerHeat || seen[static_cast<std::size_t>(p)])
            return false;
        seen[static_cast<std::size_t>(p)] = true;
    }
    return true;
}

std::string formatStartingGridsBody(const StartingGrids& grids)
{
    FieldWriter out;
    out.integer(grids.resultsStored).integer(grids.pilotsPerHeat).integer(grids.rounds).endLine();
    const int rounds = std::clamp(grids.rounds, 0, kMaxRounds);
    const int n = std::clamp(grids.pilotsPerHeat, 0, kGridSlots);
    for (int m = 1; m <= rounds; ++m) {
        for (int k = 1; k <= n; ++k)
            out.integer(grids.round(m).position(k));
        out.endLine();
    }
    return out.take();
}

void readStartingGridsFields(FieldReader& in, StartingGrids& grids)
{
    in.readInt(grids.resultsStored);
    in.readInt(grids.pilotsPerHeat);
    in.readInt(grids.rounds);
    const int rounds = std::clamp(grids.rounds, 0, kMaxRounds);
    const int n = std::clamp(grids.pilotsPerHeat, 0, kGridSlots);
    for (int m = 1; m <= rounds; ++m)
        for (int k = 0; k < n; ++k)
            in.readInt(grids.round(m).positions[static_cast<std::size_t>(k)]);
}

StartingGridRead readStartingGrids(
    const std::filesystem::path& raceFile, int category, StartingGrids& grids)
{
    auto file = FileStream::open(raceFile, OpenMode::Read);
    if (!file)
        return StartingGridRead::CannotOpen;
    if (!findSectionBody(*file, startingGridTitle(category)))
        return StartingGridRead::Absent;
    FieldReader in(*file);
    readStartingGridsFields(in, grids);
    return StartingGridRead::Ok;
}

RewriteResult writeStartingGrids(const std::filesystem::path& raceFile, int category,
    const StartingGrids& grids, Prompts* prompts)
{
    return fixedSlotRewrite(
        raceFile, startingGridTitle(category), kStartingGridReserve,
        [&grids](FieldWriter& out) { out.raw(formatStartingGridsBody(grids)); }, prompts);
}

std::vector<std::string> seatHeat(
    const HeatPlan& plan, const StartingGrids* grids, int round, int heat)
{
    const int n = plan.pilotsPerHeat;
    if (n < 1 || n > kGridSlots)
        return {};
    StartingGrid grid = identityGrid(n);
    if (grids && grids->pilotsPerHeat == n && round >= 1 &&
        round <= std::min(grids->rounds, kMaxRounds) && isCompleteGrid(grids->round(round), n))
        grid = grids->round(round);
    std::vector<std::string> seats;
    for (int slot = 1; slot <= n; ++slot)
        seats.emplace_back(plan.nameAt(planEntryIndex(heat, grid.position(slot), n)));
    return seats;
}

std::optional<std::vector<std::string>> readHeatSeating(
    const std::filesystem::path& raceFile, int category, int round, int heat)
{
    HeatPlan plan;
    if (readHeatPlan(raceFile, category, plan) != HeatPlanRead::Ok)
        return std::nullopt;
    StartingGrids grids;
    const bool stored = readStartingGrids(raceFile, category, grids) == StartingGridRead::Ok;
    return seatHeat(plan, stored ? &grids : nullptr, round, heat);
}

} // namespace ksy
