#include "planning/participants_form.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/transponder_number.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/race_file.h"

#include <algorithm>

namespace ksy {

ParticipantsForm::ParticipantsForm(WorkFolder folder, int category, Prompts& prompts)
    : folder_(std::move(folder))
    , category_(std::clamp(category, 1, kMaxCategories))
    , prompts_(prompts)
{
    const LoadedTable<Pilot> loaded = loadPilots(folder_.file(kPilotFile));
    if (!loaded.opened)
        prompts_.error(openErrorText("Pilotes"));
    if (!loaded.refused.empty())
        prompts_.error(refusedNamesText("Pilotes", loaded.refused));
    for (const Pilot& p : loaded.records) {
        if (p.name.empty())
            break;
        pilots_.push_back({p.name, p.licence, p.transponder, p.club});
    }

    const auto raceFile = workingRaceFile(folder_);
    headerRead_ = readRaceHeader(raceFile, header_);
    if (!headerRead_)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));

    if (!readRaceTrack(raceFile, track_)) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return;
    }
    readParticipantList(raceFile, category_, list_);
    readHeatPlan(raceFile, category_, plan_);
}

const std::string& ParticipantsForm::categoryName() const
{
    return header_.categories.category(category_).name;
}

std::string ParticipantsForm::countText() const
{
    return "(" + std::to_string(list_.count()) + ")";
}

bool ParticipantsForm::readOnly() const
{
    return header_.categories.category(category_).resultsStored == 1;
}

std::vector<std::string> ParticipantsForm::participantNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < list_.count(); ++i)
        names.push_back(list_.at(i).name);
    return names;
}

bool ParticipantsForm::enter(int pilotIndex)
{
    if (readOnly() || pilotIndex < 0 || pilotIndex >= static_cast<int>(pilots_.size()))
        return false;
    std::string warning;
    if (!enterPilot(pilots_[static_cast<std::size_t>(pilotIndex)], warning))
        return false;
    if (!warning.empty())
        prompts_.message(translate("Participants", "Attention"), warning, PromptIcon::Exclamation);
    return true;
}

bool ParticipantsForm::enterPilot(const PilotSummary& pilot, std::string& warning)
{
    if (readOnly())
        return false;
    // "(NA)" marks an empty plan slot: a pilot of that name would vanish there.
    // A section title as a name would be found by the lookup in place of the
    // section: storing a heat would then overwrite another category's list.
    if (pilot.name.empty() || HeatPlan::isEmptySlot(pilot.name) || isReservedName(pilot.name) ||
        list_.find(pilot.name))
        return false;
    const int lastUsed = plan_.length();
    const int n = list_.count() + 1;
    if (n > kMaxParticipants || lastUsed >= kHeatPlanUsableEntries)
        return false;

    Participant& record = list_.at(n - 1);
    record.clear();
    record.name = pilot.name.substr(0, Participant::kNameWidth - 1);
    // A pilot file written by hand may hold "1201": passings carry "001201".
    record.transponder =
        transponderNumber(pilot.transponder)
            .value_or(pilot.transponder.substr(0, Participant::kTransponderWidth - 1));
    const std::string entered = record.name;
    const std::string transponder = record.transponder;
    plan_.at(lastUsed) = record.name;
    list_.sort();
    header_.categories.category(category_).participants = list_.count();
    // Two yachts with one transponder: the second one's laps would be lost.
    if (!transponder.empty())
        for (const Participant& p : list_.records)
            if (!p.name.empty() && p.name != entered && p.transponder == transponder) {
                warning = sharedTransponderWarning(transponder, cp1252ToUtf8(p.name));
                break;
            }
    return true;
}

bool ParticipantsForm::remove(std::string_view name)
{
    if (readOnly() || name.empty() || !list_.find(name))
        return false;
    const std::string removed(name);
    for (Participant& p : list_.records)
        if (p.name == removed)
            p.clear();
    for (std::string& entry : plan_.entries)
        if (entry == removed)
            entry = std::string(kEmptySlotName);
    list_.sort();
    header_.categories.category(category_).participants = list_.count();
    return true;
}

bool ParticipantsForm::save()
{
    if (readOnly())
        return false;
    const auto raceFile = workingRaceFile(folder_);
    // A header that was never read would be written back empty, losing every
    // category of the race.
    CategoryRecord& record = header_.categories.category(category_);
    record.rounds = 0;
    record.heatsPerRound = 0;
    record.participants = list_.count();
    if (!headerRead_ || !writeRaceHeader(raceFile, header_)) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return false;
    }
    const RewriteResult listResult =
        writeParticipantList(raceFile, category_, list_, true, &prompts_);
    if (listResult == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    if (listResult != RewriteResult::Written)
        return false;
    plan_.resultsStored = record.resultsStored;
    const RewriteResult planResult = writeHeatPlan(raceFile, category_, plan_, true, &prompts_);
    if (planResult == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    return planResult == RewriteResult::Written;
}

const PilotSummary* ParticipantsForm::pilot(std::string_view name) const
{
    const auto it =
        std::ranges::find_if(pilots_, [&](const PilotSummary& p) { return p.name == name; });
    return it == pilots_.end() ? nullptr : &*it;
}

} // namespace ksy
