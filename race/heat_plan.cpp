#include "race/heat_plan.h"

#include "race/category_section.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

namespace ksy {

int HeatPlan::length() const
{
    for (int i = kHeatPlanEntries; i > 0; --i)
        if (!isEmptySlot(at(i - 1)))
            return i;
    return 0;
}

int HeatPlan::heatsPerRound() const
{
    if (pilotsPerHeat < 1)
        return 0;
    return (length() - 1) / pilotsPerHeat + 1;
}

std::string formatHeatPlanBody(const HeatPlan& plan)
{
    FieldWriter out;
    out.integer(plan.resultsStored).integer(plan.pilotsPerHeat).integer(plan.rounds).endLine();
    for (const std::string& entry : plan.entries)
        out.text(entry, kHeatPlanNameWidth).endLine();
    return out.take();
}

void readHeatPlanFields(FieldReader& in, HeatPlan& plan)
{
    in.readInt(plan.resultsStored);
    in.readInt(plan.pilotsPerHeat);
    in.readInt(plan.rounds);
    in.skipEmptyLines();
    for (std::string& entry : plan.entries) {
        entry = in.readText(kHeatPlanNameWidth, false);
        in.skipEmptyLines();
    }
}

HeatPlanRead readHeatPlan(const std::filesystem::path& raceFile, int category, HeatPlan& plan)
{
    auto file = FileStream::open(raceFile, OpenMode::Read);
    if (!file)
        return HeatPlanRead::CannotOpen;
    if (!findSectionBody(*file, heatPlanTitle(category)))
        return HeatPlanRead::Absent;
    FieldReader in(*file);
    readHeatPlanFields(in, plan);
    return HeatPlanRead::Ok;
}

RewriteResult writeHeatPlan(const std::filesystem::path& raceFile, int category,
    const HeatPlan& plan, bool createIfAbsent, Prompts* prompts)
{
    const std::string title = heatPlanTitle(category);
    return rewriteCategorySection(raceFile, title, kHeatPlanReserve, formatHeatPlanBody(plan),
        createIfAbsent, sectionNotFoundMessage(title), prompts);
}

} // namespace ksy
