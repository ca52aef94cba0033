#pragma once
// A heat written down as text, so that it can be replayed exactly: the
// options, the decoder, the sound choices, the slots, every action and every
// passing with its host time. `kestrametrix-cli replay` reads it, and the
// passing journal writes it while a heat runs.
//
// UTF-8 text, TAB between fields, "#" comments and blank lines ignored:
//   options    <the 10 fields of the race-options data line>
//   protection <lap protection in seconds>          (default 2)
//   decoder    RC1 | RC2 [<StartClock requests left unanswered>]   (default RC1)
//   sounds     <the 8 keywords of "RéglagesSons.rg"> (default French, all on)
//   track      <record ms> <record holder>
//   date       <YYYY-MM-DD HH:MM>
//   slot       <k> <pilot name> <transponder text>
//   at         <ms> depart | arret | effacer yes | effacer no | button <k>
//   at         <ms> passing <transponder number> [<decoder ms>]
//   at         <ms> start                 (the start moment, as the journal saw it)
//   end        <ms>                                  (default: the last "at")
// Times are at most 48 hours.
#include "race/race_options.h"
#include "timing/heat_run.h"
#include "timing/sound_moments.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

struct ScenarioEvent {
    enum class Kind { Depart, Arret, EraseYes, EraseNo, Button, Passing, Start };
    std::int64_t atMs = 0;
    Kind kind = Kind::Depart;
    int value = 0; // button slot, or the passing's transponder number
    std::optional<std::int64_t> decoderMs; // RC2 frame time, when given
};

struct ScenarioSlot {
    std::string name = "(NA)"; // UTF-8
    std::string transponder;
};

struct HeatScenario {
    // A heat without an options line runs as a category without options.
    RaceOptions options;
    int protectionSeconds = 2;
    bool rc2 = false;
    int unansweredStartClocks = 0;
    SoundChoices sounds;
    std::optional<std::int64_t> trackRecordMs;
    std::string trackHolder; // UTF-8
    LocalDateTime date;
    std::array<ScenarioSlot, kSlotCount> slots{};
    std::vector<ScenarioEvent> events; // in file order
    std::optional<std::int64_t> endMs;
};

// No heat lasts longer: a later time is a mistake, not a heat to tick through.
inline constexpr std::int64_t kMaxScenarioMs = 48LL * 3600000;

// Lines of a journal that could not be read (torn by a full disk or a
// crash), with the times of the events around them.
struct DamagedSpan {
    int firstLine = 0;
    int lastLine = 0;
    std::optional<std::int64_t> afterMs; // the last event read before them
    std::optional<std::int64_t> beforeMs; // the first event read after them
};

struct ScenarioParse {
    std::optional<HeatScenario> scenario;
    std::string error; // "line N: ..." when the text is refused
    std::vector<DamagedSpan> damaged; // journals only: the lines passed over
};

ScenarioParse parseHeatScenario(std::string_view text);
// A passing journal: a line that cannot be read is passed over (and noted)
// so that every other record is replayed.
ScenarioParse parseHeatJournal(std::string_view text);
// Whether the text is a passing journal (its first line says so).
bool isHeatJournal(std::string_view text);
// The French sentence naming the spans of the heat that may lack passings;
// empty when nothing was passed over.
std::string journalDamageText(const std::vector<DamagedSpan>& damaged);

// The lines that describe a heat's set-up (options, protection, decoder,
// sounds, track, slots), as the journal writes them before the actions.
std::string formatScenarioSetUp(const HeatScenario& scenario);
std::string formatScenarioDate(const LocalDateTime& date);
std::string formatScenarioEvent(const ScenarioEvent& event);

} // namespace ksy
