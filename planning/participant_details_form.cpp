#include "planning/participant_details_form.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/french_collation.h"
#include "databases/transponder_number.h"
#include "services/translate.h"
#include "storage/race_file.h"
#include "timing/decoder_protocol.h"
#include "timing/interface_settings.h"

#include <algorithm>
#include <array>

namespace ksy {

ParticipantDetailsForm::ParticipantDetailsForm(
    WorkFolder folder, SerialLink& port, const Clock& clock, Prompts& prompts)
    : folder_(std::move(folder))
    , port_(port)
    , clock_(clock)
    , prompts_(prompts)
{
    if (const auto settings = readInterfaceSettings(folder_))
        identity_ = settings->identity;
    else
        prompts_.error(kInterfaceFileError);

    const LoadedTable<RadioFrequency> frequencies = loadFrequencies(folder_.file(kFrequencyFile));
    if (!frequencies.opened)
        prompts_.error(openErrorText("Frequences"));
    for (const RadioFrequency& f : frequencies.records)
        choices_.push_back(f.value);
    std::ranges::stable_sort(choices_, frenchLess);

    const auto raceFile = workingRaceFile(folder_);
    RaceHeader header;
    if (!readRaceHeader(raceFile, header)) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return;
    }
    category_ = header.selection / 10000;
    if (category_ < 1 || category_ > kMaxCategories)
        return;
    if (readParticipantList(raceFile, category_, list_) != ParticipantListRead::Ok) {
        prompts_.error(
            translate("ParticipantDetails", "Erreur: liste de participants non trouvée"));
        return;
    }
    // A participant item of the tree: 1000 + n within the category.
    const int n = header.selection % 10000 - 1000;
    if (n >= 1 && n <= kMaxParticipants && !list_.at(n - 1).empty())
        participant_ = &list_.at(n - 1);
}

std::string ParticipantDetailsForm::name() const
{
    return participant_ ? participant_->name : std::string();
}

std::string ParticipantDetailsForm::transponder() const
{
    return participant_ ? participant_->transponder : std::string();
}

std::string ParticipantDetailsForm::frequency(int i) const
{
    if (!participant_ || i < 0 || i >= kFrequenciesPerParticipant)
        return {};
    return participant_->frequencies[static_cast<std::size_t>(i)];
}

bool ParticipantDetailsForm::transponderEdited(std::string_view text)
{
    const auto number = transponderNumber(text);
    if (!number)
        return false;
    if (participant_)
        participant_->transponder = *number;
    return true;
}

std::string ParticipantDetailsForm::sharedTransponder() const
{
    if (!participant_ || participant_->transponder.empty())
        return {};
    for (const Participant& p : list_.records)
        if (&p != participant_ && !p.name.empty() && p.transponder == participant_->transponder)
            return p.name;
    return {};
}

void ParticipantDetailsForm::frequencyChosen(int i, std::string_view value)
{
    if (!participant_ || i < 0 || i >= kFrequenciesPerParticipant)
        return;
    participant_->frequencies[static_cast<std::size_t>(i)] =
        std::string(value.substr(0, Participant::kFrequencyWidth - 1));
}

void ParticipantDetailsForm::setScanning(bool on)
{
    if (on == scanning_)
        return;
    scanning_ = on;
    if (on) {
        // Passings that came in before the scan belong to nobody.
        std::array<std::uint8_t, kMaxReadBytes + 1> stale {};
        port_.read(stale.data(), kMaxReadBytes);
        cycleStart_ = clock_.counter();
        indicator_ = 1;
    } else {
        indicator_ = 0;
    }
}

std::string ParticipantDetailsForm::indicatorImage(int state)
{
    if (state < 1 || state > 4)
        return {};
    return "images/voyantScanPuce" + std::to_string(state) + ".bmp";
}

std::optional<std::string> ParticipantDetailsForm::tick()
{
    std::array<std::uint8_t, kMaxReadBytes + 1> bytes {};
    const int count = std::max(0, port_.read(bytes.data(), kMaxReadBytes));
    if (!scanning_)
        return std::nullopt;

    std::optional<int> found;
    const auto size = static_cast<std::size_t>(count);
    switch (decoderModelOf(identity_)) {
    case DecoderModel::Rc1:
        for (int number : cutRc1Frames(bytes.data(), size))
            found = number;
        break;
    case DecoderModel::Rc2:
        for (const Rc2Frame& frame : cutRc2Frames(bytes.data(), size))
            found = frame.transponder;
        break;
    case DecoderModel::None:
        break;
    }
    advanceIndicator();
    if (!found)
        return std::nullopt;
    const std::string text = transponderText(*found);
    transponderEdited(text);
    return text;
}

void ParticipantDetailsForm::advanceIndicator()
{
    const std::int64_t frequency = std::max<std::int64_t>(clock_.counterFrequency(), 1);
    const std::int64_t hundredths = (clock_.counter() - cycleStart_) * 100 / frequency;
    // Each step is taken once its time has come, so a late tick (a box
    // holding the message loop) delays the blinking instead of freezing it.
    if (indicator_ == 0 && hundredths < 20)
        indicator_ = 1;
    else if (indicator_ == 1 && hundredths >= 21)
        indicator_ = 2;
    else if (indicator_ == 2 && hundredths >= 42)
        indicator_ = 3;
    else if (indicator_ == 3 && hundredths >= 63)
        indicator_ = 4;
    else if (indicator_ == 4 && hundredths >= 84) {
        indicator_ = 0;
        cycleStart_ = clock_.counter();
    }
}

bool ParticipantDetailsForm::save()
{
    close();
    if (category_ < 1 || category_ > kMaxCategories) {
        prompts_.error(
            translate("ParticipantDetails", "Erreur: liste des participants non trouvée"));
        return false;
    }
    const RewriteResult result =
        writeParticipantList(workingRaceFile(folder_), category_, list_, false, &prompts_);
    if (result == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    return result == RewriteResult::Written;
}

} // namespace ksy
