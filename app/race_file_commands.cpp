#include "app/race_file_commands.h"

#include "results/race_file_heats.h"
#include "services/translate.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "storage/redo_log.h"

#include <fstream>
#include <iterator>

namespace ksy {
namespace {

std::filesystem::path fromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

RaceFileCommands::RaceFileCommands(
    WorkFolder folder, Race& race, Prompts& prompts, FileChooser& files, RaceFileView& view)
    : folder_(std::move(folder))
    , race_(race)
    , prompts_(prompts)
    , files_(files)
    , view_(view)
{
}

std::string RaceFileCommands::raceFolder() const
{
    if (raceFolder_)
        if (std::string chosen = raceFolder_(); !chosen.empty())
            return chosen;
    const auto u8 = folder_.root().u8string();
    return std::string(u8.begin(), u8.end());
}

void RaceFileCommands::told(const std::string& fileName) const
{
    if (fileListener_ && !fileName.empty())
        fileListener_(fileName);
}

std::string RaceFileCommands::savePreset() const
{
    auto preset = fromUtf8(raceFolder()) / "*.race";
    const auto u8 = preset.u8string();
    return std::string(u8.begin(), u8.end());
}

bool RaceFileCommands::copyTo(const std::string& fileName)
{
    // A race without a heat it holds in memory is no copy to keep.
    if (!view_.storeShownHeat()) {
        prompts_.error(fillText(translate("RaceFiles", "%1\nFichier : %2"),
            {translate("Prompts", kSaveLacksHeat), fileName}));
        return false;
    }
    if (saveWorkingRace(folder_, fromUtf8(fileName)))
        return true;
    // The file is named, so that the official knows which one to replace.
    prompts_.error(fillText(translate("RaceFiles", "%1\nFichier : %2"),
        {translate("Prompts", std::string(kSaveFailed).c_str()), fileName}));
    return false;
}

void RaceFileCommands::setName(const std::string& fileName)
{
    fileName_ = fileName;
    view_.showTitle(raceWindowTitle(fileName_));
    view_.setSaveEnabled(named());
    if (nameListener_)
        nameListener_(fileName_);
    told(fileName_);
}

void RaceFileCommands::save()
{
    if (named() && copyTo(fileName_))
        told(fileName_);
}

bool RaceFileCommands::saveAs()
{
    const std::string preset = savePreset();
    const auto chosen = files_.saveFile(preset, raceFilter());
    if (!chosen || chosen->empty() || *chosen == preset)
        return true;
    const std::string name = withRaceExtension(*chosen);
    // The window names the file only once the race is really in it.
    if (!copyTo(name))
        return false;
    setName(name);
    return true;
}

bool RaceFileCommands::saveBeforeQuit()
{
    return named() ? copyTo(fileName_) : saveAs();
}
bool RaceFileCommands::saveBeforeReplacing()
{
    if (named())
        return copyTo(fileName_);
    const std::string preset = savePreset();
    const auto chosen = files_.saveFile(preset, raceFilter());
    if (!chosen || chosen->empty() || *chosen == preset)
        return true; // nothing saved, as the person chose; the command goes on
    const std::string name = withRaceExtension(*chosen);
    if (!copyTo(name))
        return false;
    fileName_ = name;
    if (nameListener_)
        nameListener_(fileName_);
    told(fileName_);
    return true;
}

bool RaceFileCommands::untouchedNewRace() const
{
    if (named())
        return false;
    std::ifstream in(workingRaceFile(folder_), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes == newRaceFileBytes();
}

void RaceFileCommands::sayRedoLogDropped()
{
    // Unfinished writes of the race being replaced are finished on it first;
    // records that did not belong to it are dropped, and said.
    if (const std::string notice = takeRedoLogNotice(); !notice.empty())
        prompts_.message("Kestrametrix", notice, PromptIcon::Exclamation);
}

void RaceFileCommands::newRace()
{
    const Answer answer = prompts_.askYesNoCancel(kQuestionTitle, kNewRaceQuestion);
    if (answer == Answer::Cancel)
        return;
    if (answer == Answer::Yes && !saveBeforeReplacing())
        return;
    setName({});
    view_.resetBoard();
    const bool created = createNewRaceFile(workingRaceFile(folder_), race_);
    sayRedoLogDropped();
    if (!created)
        prompts_.error(std::string(kCannotOpenRaceFile));
    view_.rebuildTree();
}

void RaceFileCommands::loadRace()
{
    const auto chosen = files_.openFile(raceFolder(), raceFilter());
    if (!chosen || chosen->empty())
        return;
    loadRaceFile(*chosen);
}

void RaceFileCommands::loadRaceFile(const std::string& chosenUtf8)
{
    // A file that is no race (a folder, a re-encoded or cut file) is refused
    // before anything is asked or replaced.
    if (const auto refused = checkRaceFile(fromUtf8(chosenUtf8))) {
        prompts_.error(*refused);
        return;
    }
    // An untouched new race holds nothing worth saving.
    if (!untouchedNewRace() &&
        prompts_.askYesNo(kQuestionTitle, kLoadRaceQuestion) == Answer::Yes &&
        !saveBeforeReplacing())
        return;
    const bool loaded = loadIntoWorkingRace(folder_, fromUtf8(chosenUtf8));
    sayRedoLogDropped();
    if (!loaded) {
        // The working race is untouched: keep showing it under its own name.
        prompts_.error(fillText(translate("RaceFiles", "%1: %2"),
            {translate("Prompts", std::string(kCannotOpenRaceFile).c_str()), chosenUtf8}));
        return;
    }
    setName(chosenUtf8);
    view_.resetBoard();
    if (!ksy::loadRace(workingRaceFile(folder_), race_))
        prompts_.error(std::string(kCannotOpenRaceFile));
    else if (const auto missing = missingHeatsText(workingRaceFile(folder_), race_))
        prompts_.message("Kestrametrix", *missing, PromptIcon::Exclamation);
    view_.rebuildTree();
}

} // namespace ksy
