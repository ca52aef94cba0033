#include "session/heat_session.h"

#include "planning/starting_grid.h"
#include "results/race_file_heats.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/race_tree.h"
#include "storage/section_titles.h"

namespace ksy {
namespace {

enum class FlagMark { Done, Absent, NotInPlace, CannotOpen };

// The results flag, first field of the heat plan and of the starting grids,
// becomes 1 where it stands: one digit is overwritten and no other byte of
// the file moves.
FlagMark markResultsFlagInPlace(const std::filesystem::path& file, std::string_view title)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return FlagMark::CannotOpen;
    if (!findSectionBody(*f, title))
        return FlagMark::Absent;
    const long at = f->position();
    const int digit = f->get();
    const int after = f->get();
    if (digit == '1' && after == '\t')
        return FlagMark::Done;
    if (digit < '0' || digit > '9' || after != '\t')
        return FlagMark::NotInPlace;
    f->seek(at);
    const bool written = f->write("1");
    return f->close() && written ? FlagMark::Done : FlagMark::CannotOpen;
}

// False when the race file could not be opened.
bool markResultsStored(const std::filesystem::path& file, int category, Prompts& prompts)
{
    bool opened = true;
    switch (markResultsFlagInPlace(file, heatPlanTitle(category))) {
    case FlagMark::CannotOpen:
        opened = false;
        break;
    case FlagMark::NotInPlace: {
        // A hand-edited flag: the section is written again around it.
        HeatPlan plan;
        if (readHeatPlan(file, category, plan) == HeatPlanRead::Ok) {
            plan.resultsStored = 1;
            opened =
                writeHeatPlan(file, category, plan, false, &prompts) != RewriteResult::CannotOpen;
        }
        break;
    }
    case FlagMark::Done:
    case FlagMark::Absent:
        break;
    }
    switch (markResultsFlagInPlace(file, startingGridTitle(category))) {
    case FlagMark::CannotOpen:
        opened = false;
        break;
    case FlagMark::NotInPlace: {
        StartingGrids grids;
        if (readStartingGrids(file, category, grids) == StartingGridRead::Ok) {
            grids.resultsStored = 1;
            opened =
                writeStartingGrids(file, category, grids, &prompts) != RewriteResult::CannotOpen &&
                opened;
        }
        break;
    }
    case FlagMark::Done:
    case FlagMark::Absent:
        break;
    }
    return opened;
}

std::string_view placeOfTrack(const std::vector<Course>& courses, std::string_view trackName)
{
    if (trackName.empty())
        return {};
    for (const Course& c : courses)
        if (c.name == trackName)
            return c.place;
    return {};
}

} // namespace

std::string heatDamagedText(std::string_view sectionTitle, std::string_view fault)
{
    return fillText(translate("HeatSession",
                        "Erreur: la série %1 du fichier Course est endommagée (%2). Elle est "
                        "montrée sans ses résultats et n'est pas réécrite tant qu'elle n'est pas "
                        "courue ou modifiée."),
        {cp1252ToUtf8(sectionTitle), cp1252ToUtf8(fault)});
}

std::optional<HeatId> heatOfSelection(int selectionCode)
{
    if (treeItemKind(selectionCode) != TreeItemKind::Heat)
        return std::nullopt;
    return HeatId {
        categoryOfCode(selectionCode), roundOfCode(selectionCode), heatOfCode(selectionCode)};
}

int heatSelectionCode(const HeatId& heat)
{
    return 10000 * heat.category + 3000 + 100 * heat.round + heat.heat;
}

HeatHeadings makeHeatHeadings(std::string_view categoryName, const HeatId& heat,
    std::string_view trackName, std::string_view trackPlace)
{
    const std::string round = "Manche" + std::to_string(heat.round);
    const std::string serie = "S\xE9rie" + std::to_string(heat.heat);
    HeatHeadings h;
    h.board = " " + std::string(categoryName) + " - " + round + " - " + serie + " ";
    h.category = "CATEGORIE : " + std::string(categoryName);
    h.roundAndHeat = round + " - " + serie;
    h.course = "Course : " + std::string(trackName) + " - " + std::string(trackPlace);
    return h;
}

HeatSession::HeatSession(WorkFolder folder)
    : folder_(std::move(folder))
{
}

void HeatSession::forget()
{
    heat_ = {};
    sectionTitle_.clear();
    headings_ = {};
    // The track condition outlives the heat: the weather rarely changes
    // between two heats.
    texts_.description.clear();
    texts_.comment.clear();
    participants_.clear();
    pilotsPerHeat_ = 0;
    hasResults_ = false;
}

LoadedHeat HeatSession::load(const Race& race, int selectionCode, TransponderMode mode,
    const std::vector<Course>& courses, Prompts& prompts)
{
    forget();
    LoadedHeat out;
    clearToEmptySlots(out.slots);
    for (int k = 1; k <= kSlotCount; ++k)
        out.slots.slot(k).number = k;
    const std::optional<HeatId> id = heatOfSelection(selectionCode);
    if (!id)
        return out;
    heat_ = *id;
    const int c = heat_.category;
    const auto file = workingRaceFile(folder_);

    bool opened = readParticipantList(file, c, participants_) != ParticipantListRead::CannotOpen;
    HeatPlan plan;
    opened = readHeatPlan(file, c, plan) != HeatPlanRead::CannotOpen && opened;
    StartingGrids grids;
    const StartingGridRead gridRead = readStartingGrids(file, c, grids);
    opened = gridRead != StartingGridRead::CannotOpen && opened;
    opened = readRaceOptions(folder_, c, out.options) != RaceOptionsIo::CannotOpen && opened;
    pilotsPerHeat_ = plan.pilotsPerHeat;

    const std::string categoryName = c <= race.categoryCount() ? race.category(c).name : "";
    headings_ = makeHeatHeadings(
        categoryName, heat_, race.trackName, placeOfTrack(courses, race.trackName));

    const std::vector<std::string> seats = seatHeat(
        plan, gridRead == StartingGridRead::Ok ? &grids : nullptr, heat_.round, heat_.heat);
    for (std::size_t k = 0; k < seats.size() && k < static_cast<std::size_t>(kSlotCount); ++k)
        out.slots.slots[k].pilotName = seats[k].empty() ? std::string(kEmptySlotName) : seats[k];

    sectionTitle_ = heatResultTitle(c, heat_.round, heat_.heat);
    std::string fault;
    const HeatResultRead read = loadHeatResult(file, sectionTitle_, out.slots, texts_, &fault);
    opened = read != HeatResultRead::CannotOpen && opened;
    // Shown without its results and left as it is in the file, unless the
    // official runs it again or changes it.
    if (read == HeatResultRead::Damaged)
        prompts.error(heatDamagedText(sectionTitle_, fault));
    // Run, by its flag, but its section is gone (a file cut short): nothing
    // is written for it unless it is run or changed.
    if (read == HeatResultRead::Absent && race.heatFlags.get(c, heat_.round, heat_.heat) == 1)
        prompts.message("Kestrametrix", heatMissingText(sectionTitle_), PromptIcon::Exclamation);
    hasResults_ = out.slots.hasResults();

    ksy::assignTransponders(out.slots, mode, participants_);
    out.radioConflict = hasRadioConflict(out.slots, participants_);
    if (!opened) {
        prompts.error(std::string(kCannotOpenRaceFile));
        out.opened = false;
    }
    return out;
}

HeatStoreOutcome HeatSession::storeShownHeat(
    Race& race, const RunEntryTable& shown, bool heatDirty, Prompts& prompts)
{
    HeatStoreOutcome out;
    if (!showsHeat())
        return out;
    // Once a heat had results it is stored every time, so that erased
    // results reach the file as cleared slots.
    hasResults_ = hasResults_ || shown.hasResults();
    if (!hasResults_ && !heatDirty)
        return out;
    out.due = true;
    const bool withResults = shown.hasResults();
    out.treeCode = heatSelectionCode(heat_);
    out.treeImage = withResults ? treeimage::HeatWithResults : treeimage::Heat;
    // The race takes the flag once the file holds it: a heat the disk
    // refused is not shown as run without its section.
    HeatFlags flags = race.heatFlags;
    flags.set(heat_.category, heat_.round, heat_.heat, withResults);

    const auto file = workingRaceFile(folder_);
    const RewriteResult section =
        storeHeatResult(file, sectionTitle_, pilotsPerHeat_, shown, texts_, &prompts);
    if (section == RewriteResult::CannotOpen)
        prompts.error(std::string(kCannotOpenRaceFile));
    if (section != RewriteResult::Written)
        return out;
    out.written = true;

    const RewriteResult flagsWritten = writeHeatFlags(file, flags, &prompts);
    bool opened = flagsWritten != RewriteResult::CannotOpen;
    if (flagsWritten == RewriteResult::Written)
        race.heatFlags = flags;
    // Dialogs rewrite the header behind the window's back: only the flag
    // changes in what the file holds.
    RaceHeader header;
    if (readRaceHeader(file, header)) {
        if (heat_.category <= header.categories.count)
            header.categories.category(heat_.category).resultsStored = 1;
        opened = writeRaceHeader(file, header) && opened;
        race.header = header;
    } else {
        opened = false;
    }
    opened = markResultsStored(file, heat_.category, prompts) && opened;
    if (!opened)
        prompts.error(std::string(kCannotOpenRaceFile));
    out.complete = opened;
    return out;
}

void HeatSession::heatErased()
{
    texts_.description = ".";
    texts_.comment.clear();
}

void HeatSession::assignTransponders(RunEntryTable& slots, TransponderMode mode) const
{
    ksy::assignTransponders(slots, mode, participants_);
}

void HeatDescriptionFollower::heatAction(std::int64_t nowMs, HeatAction action, int slot)
{
    if (action == HeatAction::EraseYes)
        session_.heatErased();
    if (next_)
        next_->heatAction(nowMs, action, slot);
}

void HeatDescriptionFollower::passingRead(
    std::int64_t nowMs, const Passing& passing, PassingFate fate)
{
    if (next_)
        next_->passingRead(nowMs, passing, fate);
}

void HeatDescriptionFollower::decoderClockLost(std::int64_t nowMs, std::int64_t heatMs)
{
    if (next_)
        next_->decoderClockLost(nowMs, heatMs);
}

void HeatDescriptionFollower::heatStopped(std::int64_t nowMs)
{
    session_.heatStarted(run_.texts().title);
    if (next_)
        next_->heatStopped(nowMs);
}

} // namespace ksy
