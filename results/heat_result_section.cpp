#include "results/heat_result_section.h"

#include "results/heat_result_check.h"
#include "results/text_fields.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <algorithm>

namespace ksy {
namespace {

std::size_t cell(int k)
{
    return static_cast<std::size_t>(k);
}

// One line of the body, without its LF.
std::string readLine(CharSource& in)
{
    std::string line;
    for (int c = in.get(); c != '\n' && c != CharSource::kEnd; c = in.get())
        line += static_cast<char>(c);
    return line;
}

// Line feeds before the next line are skipped, as the reader of the original
// did after every slot line.
void skipLineFeeds(CharSource& in)
{
    int c = in.get();
    while (c == '\n')
        c = in.get();
    if (c != CharSource::kEnd)
        in.unget();
}

void readSlotLine(std::string_view line, RunEntry& e, int number)
{
    RunEntry fresh;
    fresh.transponder = std::move(e.transponder);
    fresh.number = number;
    fresh.pilotName = boundedField(nextTabField(line), HeatResultTexts::kNameWidth);
    if (fresh.pilotName.empty())
        fresh.pilotName = std::string(kEmptySlotName);
    const int n = std::clamp(fieldInt(nextTabField(line)), 0, kMaxLaps);
    fresh.passingCount = n;
    fresh.laps = fieldInt(nextTabField(line));
    fresh.totalTime = fieldInt(nextTabField(line));
    fresh.lapTimes[cell(n)] = fieldInt(nextTabField(line));
    fresh.bestLap = fieldInt(nextTabField(line));
    for (int k = 0; k <= n; ++k)
        fresh.lapTotals[cell(k)] = fieldInt(nextTabField(line));
    // Only the last lap time is stored; the others follow from the totals
    // (none for laps counted by hand beyond the passings read).
    for (int k = 1; k < n; ++k)
        fresh.lapTimes[cell(k)] = lapDuration(fresh.lapTotals, k).value_or(0);
    e = std::move(fresh);
}

} // namespace

std::string formatHeatResultBody(const RunEntryTable& table, const HeatResultTexts& texts)
{
    FieldWriter w;
    for (const RunEntry& e : table.slots) {
        if (e.isEmptySlot()) {
            w.text(kEmptySlotName);
            for (int i = 0; i < 6; ++i)
                w.integer(0);
            w.endLine();
            continue;
        }
        const int n = std::clamp(e.passingCount, 0, kMaxLaps);
        w.text(e.pilotName, HeatResultTexts::kNameWidth).integer(n).integer(e.laps);
        w.integer(e.totalTime).integer(e.lapTimes[cell(n)]).integer(e.bestLap);
        for (int k = 0; k <= n; ++k)
            w.integer(e.lapTotals[cell(k)]);
        w.endLine();
    }
    w.text(texts.description, HeatResultTexts::kDescriptionWidth);
    w.text(texts.comment, HeatResultTexts::kCommentWidth);
    w.text(texts.condition, HeatResultTexts::kConditionWidth);
    w.endLine();
    return w.take();
}

void readHeatResultFields(CharSource& in, RunEntryTable& table, HeatResultTexts& texts)
{
    for (int k = 1; k <= kSlotCount; ++k) {
        skipLineFeeds(in);
        readSlotLine(readLine(in), table.slot(k), k);
    }
    skipLineFeeds(in);
    const std::string trailer = readLine(in);
    std::string_view rest = trailer;
    texts.description = boundedField(nextTabField(rest), HeatResultTexts::kDescriptionWidth);
    texts.comment = boundedField(nextTabField(rest), HeatResultTexts::kCommentWidth);
    if (!rest.empty())
        texts.condition = boundedField(nextTabField(rest), HeatResultTexts::kConditionWidth);
}

RewriteResult storeHeatResult(const std::filesystem::path& raceFile, std::string_view title,
    int pilotsPerHeat, const RunEntryTable& table, const HeatResultTexts& texts, Prompts* prompts)
{
    const int places = std::clamp(pilotsPerHeat, 0, kSlotCount);
    return fixedSlotRewrite(
        raceFile, title, heatResultReserve(places),
        [&](FieldWriter& w) { w.raw(formatHeatResultBody(table, texts)); }, prompts);
}

HeatResultRead loadHeatResult(const std::filesystem::path& raceFile, std::string_view title,
    RunEntryTable& table, HeatResultTexts& texts, std::string* fault)
{
    auto file = FileStream::open(raceFile, OpenMode::Update);
    if (!file)
        return HeatResultRead::CannotOpen;
    if (!findSectionBody(*file, title))
        return HeatResultRead::Absent;
    // The slot lines are looked at before anything is taken from them.
    const long body = file->position();
    std::string slotLines;
    int slots = 0;
    for (int lines = 0; slots < kSlotCount && lines < 4 * kSlotCount; ++lines) {
        const std::size_t start = slotLines.size();
        int c = file->get();
        // A slot line holds at most 157 numbers: far more is no heat.
        for (; c != CharSource::kEnd && c != '\n' && slotLines.size() < (1u << 20); c = file->get())
            slotLines += static_cast<char>(c);
        const std::string_view line = std::string_view(slotLines).substr(start);
        slots += !line.empty() && line != "\r";
        if (c != '\n')
            break;
        slotLines += '\n';
    }
    if (const auto bad = heatResultFault(slotLines)) {
        if (fault)
            *fault = *bad;
        return HeatResultRead::Damaged;
    }
    file->seek(body);
    readHeatResultFields(*file, table, texts);
    return HeatResultRead::Ok;
}

} // namespace ksy
