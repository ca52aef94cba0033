#pragma once
// The race options of one category: ranking, heat length, countdown, rest,
// start type, starting order and end rules. Stored in the working race file in
// the section "Catégorie%dQualifsParamètres" as one line of ten TAB-terminated
// fields; the heat run, the starting grids and the options dialog all read it
// through readRaceOptions().
#include "storage/section_titles.h"
#include "storage/work_folder.h"

#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// Each choice maps one-to-one onto the keyword written in the file.
enum class RankingMode { LapsThenTime, BestLap };     // "CLASSEMENTToursTemps" / "CLASSEMENTMeilleurTour"
enum class DurationMode { Time, Laps };               // "DUREESERIETemps" / "DUREESERIETours"
enum class StartType { SoundSignal, FirstCar, Staggered }; // "DEPARTSignalSonore" / "DEPARTPremiereVoiture" / "DEPARTDecale"
enum class StartOrder { Fixed, Editable };            // "ORDREDEPARTFixe" / "ORDREDEPARTModifiable"
enum class TimedEnd { SoundSignal, FinishLap, SandYacht }; // "FINTEMPSSignalSonore" / "FINTEMPSFinirTour" / "FINTEMPSCharsVoile"
enum class LapsEnd { SoundSignal, FinishLap, AllLaps }; // "FINTOURSignalSonore" / "FINTOURFinirTour" / "FINTOURFaireTousLesTours"

// Bounds of the numbers, as the dialog clamps them.
inline constexpr int kMinHeatMinutes = 1, kMaxHeatMinutes = 60;
inline constexpr int kMinHeatLaps = 1, kMaxHeatLaps = 150;
inline constexpr int kMaxCountdownSeconds = 3600;
inline constexpr int kMaxRestMinutes = 99;

// Field order is the file order. The member defaults are the dialog's
// defaults, which are also what a heat runs with when its category has no
// options section: what the official sees is what runs.
struct RaceOptions {
    RankingMode ranking = RankingMode::LapsThenTime;
    DurationMode durationMode = DurationMode::Time;
    int minutes = 1;          // used in DurationMode::Time
    int laps = 1;             // used in DurationMode::Laps
    int countdownSeconds = 5; // "Compte à rebours"
    int restMinutes = 0;      // "Repos entre 2 séries"
    StartType start = StartType::SoundSignal;
    StartOrder order = StartOrder::Fixed;
    TimedEnd timedEnd = TimedEnd::SandYacht;
    LapsEnd lapsEnd = LapsEnd::FinishLap;

    // The timed heat's length in milliseconds (minutes × 60000).
    int durationMs() const { return minutes * 60000; }

    bool operator==(const RaceOptions&) const = default;
};

// Keyword texts (ASCII, identical in the file and on screen).
std::string_view keyword(RankingMode v);
std::string_view keyword(DurationMode v);
std::string_view keyword(StartType v);
std::string_view keyword(StartOrder v);
std::string_view keyword(TimedEnd v);
std::string_view keyword(LapsEnd v);

// Keyword to value, exact comparison; nothing for any other text.
std::optional<RankingMode> rankingModeFromKeyword(std::string_view text);
std::optional<DurationMode> durationModeFromKeyword(std::string_view text);
std::optional<StartType> startTypeFromKeyword(std::string_view text);
std::optional<StartOrder> startOrderFromKeyword(std::string_view text);
std::optional<TimedEnd> timedEndFromKeyword(std::string_view text);
std::optional<LapsEnd> lapsEndFromKeyword(std::string_view text);

// Keyword of the end rule that applies in the options' duration mode.
std::string_view activeEndKeyword(const RaceOptions& options);

// The section title and its reserve are raceOptionsTitle() and
// kRaceOptionsReserve of storage/section_titles.h.

// The data line: the ten fields each followed by TAB, then LF.
std::string formatRaceOptionsLine(const RaceOptions& options);

class FieldReader;

// Reads the data line from the start of the section body. A field that is
// missing, malformed or holds an unknown keyword keeps the value it has in
// `into`; numbers are brought back into their bounds, since a hand-edited file
// with, say, 200 laps would otherwise overrun the 150-lap tables.
void readRaceOptionsFields(FieldReader& in, RaceOptions& into);
void parseRaceOptionsLine(std::string_view body, RaceOptions& into);

enum class RaceOptionsIo {
    Ok,               // read or written (reading an absent section is Ok too)
    CannotOpen,       // "Erreur: impossible d'ouvrir le fichier Course"
    TitleNotFound,    // "Erreur: Intitulé Paramètres des qualifs non trouvé"
};

// Reads the category's section from "Private/Course.race". An absent section
// leaves `options` as it was (callers start from the defaults they need).
RaceOptionsIo readRaceOptions(const WorkFolder& folder, int category, RaceOptions& options);

// Rewrites (or appends) the category's section in place.
RaceOptionsIo writeRaceOptions(const WorkFolder& folder, int category,
                               const RaceOptions& options);

// The message box text for a failed read or write ("" for Ok).
std::string raceOptionsIoMessage(RaceOptionsIo result);

} // namespace ksy
