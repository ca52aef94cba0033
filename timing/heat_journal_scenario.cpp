#include "timing/heat_journal_scenario.h"

#include "services/translate.h"
#include "storage/encoding.h"

#include <charconv>

namespace ksy {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

template <typename T>
std::optional<T> number(std::string_view text)
{
    T value{};
    if (text.empty())
        return std::nullopt;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}


// Parses one directive; returns an error text, empty when the line is good.
class Parser {
public:
    std::string line(std::vector<std::string_view> f, HeatScenario& s)
    {
        const std::string_view d = f[0];
        const std::size_t n = f.size() - 1;
        if (d == "options") {
            if (n != 10)
                return "options needs the 10 fields of the race options";
            return options(f, s.options);
        }
        if (d == "protection") {
            if (n != 1)
                return "protection needs one number of seconds";
            const auto v = number<int>(f[1]);
            if (!v || *v < 0 || *v > 3600)
                return "malformed lap protection \"" + std::string(f[1]) + "\"";
            s.protectionSeconds = *v;
            return {};
        }
        if (d == "decoder") {
            if ((n != 1 && n != 2) || (f[1] != "RC1" && f[1] != "RC2"))
                return "decoder must be RC1 or RC2";
            s.rc2 = f[1] == "RC2";
            if (n == 2) {
                const auto v = number<int>(f[2]);
                if (!v || *v < 0 || !s.rc2)
                    return "malformed count of unanswered StartClock \"" + std::string(f[2]) +
                           "\"";
                s.unansweredStartClocks = *v;
            }
            return {};
        }
        if (d == "sounds") {
            if (n != 8)
                return "sounds needs the 8 keywords of the sound settings";
            s.sounds = SoundChoices::fromKeywords(f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]);
            return {};
        }
        if (d == "track") {
            if (n != 2)
                return "track needs a record in ms and a holder";
            const auto v = number<std::int32_t>(f[1]);
            if (!v || *v < 0)
                return "malformed track record \"" + std::string(f[1]) + "\"";
            if (!utf8ToCp1252(f[2]))
                return "the record holder cannot be stored";
            s.trackRecordMs = *v;
            s.trackHolder = std::string(f[2]);
            return {};
        }
        if (d == "date")
            return n == 1 ? date(f[1], s.date) : "date needs YYYY-MM-DD HH:MM";
        if (d == "slot")
            return slot(f, s);
        if (d == "at")
            return event(f, s);
        if (d == "end") {
            if (n != 1)
                return "end needs a time in ms";
            const auto v = number<std::int64_t>(f[1]);
            if (!v || *v < 0)
                return "malformed end time \"" + std::string(f[1]) + "\"";
            if (*v > kMaxScenarioMs)
                return "end time " + std::string(f[1]) + " is beyond 48 hours";
            s.endMs = *v;
            return {};
        }
        return "unknown directive \"" + std::string(d) + "\"";
    }

private:
    static std::string options(const std::vector<std::string_view>& f, RaceOptions& o)
    {
        const auto ranking = rankingModeFromKeyword(f[1]);
        const auto mode = durationModeFromKeyword(f[2]);
        const auto start = startTypeFromKeyword(f[7]);
        const auto order = startOrderFromKeyword(f[8]);
        const auto timed = timedEndFromKeyword(f[9]);
        const auto laps = lapsEndFromKeyword(f[10]);
        std::array<std::optional<int>, 4> ints;
        for (std::size_t i = 0; i < 4; ++i)
            ints[i] = number<int>(f[3 + i]);
        const std::array<std::pair<int, int>, 4> bounds = {{{kMinHeatMinutes, kMaxHeatMinutes},
                                                            {kMinHeatLaps, kMaxHeatLaps},
                                                            {0, kMaxCountdownSeconds},
                                                            {0, kMaxRestMinutes}}};
        for (std::size_t i = 0; i < 4; ++i)
            if (!ints[i] || *ints[i] < bounds[i].first || *ints[i] > bounds[i].second)
                return "malformed or out-of-range option \"" + std::string(f[3 + i]) + "\"";
        for (std::size_t i : {1u, 2u, 7u, 8u, 9u, 10u})
            if (!(i == 1 ? ranking.has_value()
                  : i == 2 ? mode.has_value()
                  : i == 7 ? start.has_value()
                  : i == 8 ? order.has_value()
                  : i == 9 ? timed.has_value()
                           : laps.has_value()))
                return "unknown option keyword \"" + std::string(f[i]) + "\"";
        o = RaceOptions{*ranking, *mode,  *ints[0], *ints[1], *ints[2],
                        *ints[3], *start, *order,   *timed,   *laps};
        return {};
    }

    static std::string date(std::string_view t, LocalDateTime& out)
    {
        // YYYY-MM-DD HH:MM
        if (t.size() != 16 || t[4] != '-' || t[7] != '-' || t[10] != ' ' || t[13] != ':')
            return "malformed date \"" + std::string(t) + "\"";
        const auto y = number<int>(t.substr(0, 4)), mo = number<int>(t.substr(5, 2)),
                   d = number<int>(t.substr(8, 2)), h = number<int>(t.substr(11, 2)),
                   mi = number<int>(t.substr(14, 2));
        if (!y || !mo || !d || !h || !mi || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 ||
            *mi > 59)
            return "malformed date \"" + std::string(t) + "\"";
        out = LocalDateTime{*y, *mo, *d, *h, *mi};
        return {};
    }

    static std::string slot(const std::vector<std::string_view>& f, HeatScenario& s)
    {
        if (f.size() != 4)
            return "slot needs a number, a pilot name and a transponder";
        const auto k = number<int>(f[1]);
        if (!k || *k < 1 || *k > kSlotCount)
            return "slot \"" + std::string(f[1]) + "\" is not between 1 and 20";
        if (f[2].empty() || !isStorableText(f[2]))
            return "the pilot name cannot be stored";
        if (f[3].size() > 6 || !isStorableText(f[3]))
            return "malformed transponder \"" + std::string(f[3]) + "\"";
        s.slots[static_cast<std::size_t>(*k - 1)] = {std::string(f[2]), std::string(f[3])};
        return {};
    }

    static std::string event(const std::vector<std::string_view>& f, HeatScenario& s)
    {
        if (f.size() < 3)
            return "at needs a time and an action";
        const auto at = number<std::int64_t>(f[1]);
        if (!at || *at < 0)
            return "malformed time \"" + std::string(f[1]) + "\"";
        if (*at > kMaxScenarioMs)
            return "time " + std::string(f[1]) + " is beyond 48 hours";
        ScenarioEvent e;
        e.atMs = *at;
        const std::string_view a = f[2];
        const std::size_t extra = f.size() - 3;
        using K = ScenarioEvent::Kind;
        if ((a == "depart" || a == "arret") && extra == 0) {
            e.kind = a == "depart" ? K::Depart : K::Arret;
        } else if (a == "start" && extra == 0) {
            e.kind = K::Start;
        } else if (a == "effacer" && extra == 1 && (f[3] == "yes" || f[3] == "no")) {
            e.kind = f[3] == "yes" ? K::EraseYes : K::EraseNo;
        } else if (a == "button" && extra == 1) {
            const auto k = number<int>(f[3]);
            if (!k || *k < 1 || *k > kSlotCount)
                return "button \"" + std::string(f[3]) + "\" is not between 1 and 20";
            e.kind = K::Button;
            e.value = *k;
        } else if (a == "passing" && (extra == 1 || extra == 2)) {
            const auto t = number<int>(f[3]);
            if (!t || *t < 0 || *t > 65535)
                return "malformed transponder number \"" + std::string(f[3]) + "\"";
            e.kind = K::Passing;
            e.value = *t;
            if (extra == 2) {
                const auto ms = number<std::int64_t>(f[4]);
                // The decoder clock counts hours in one byte.
                if (!ms || *ms < 0 || *ms >= 256LL * 3600000)
                    return "malformed decoder time \"" + std::string(f[4]) + "\"";
                e.decoderMs = *ms;
            }
        } else {
            return "unknown action \"" + std::string(a) + "\" or wrong number of fields";
        }
        s.events.push_back(e);
        return {};
    }
};

std::string two(int v)
{
    std::string out(1, static_cast<char>('0' + v / 10 % 10));
    out += static_cast<char>('0' + v % 10);
    return out;
}

ScenarioParse parse(std::string_view text, bool lenient)
{
    ScenarioParse out;
    std::vector<std::size_t> nextEvent; // for each damaged span
    HeatScenario s;
    Parser parser;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#')
            continue;
        const std::string error = parser.line(splitTabs(line), s);
        if (error.empty())
            continue;
        if (!lenient)
            return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + error, {}};
        // The span ends at the next event read, known only later: its place.
        if (!out.damaged.empty() && nextEvent.back() == s.events.size()) {
            out.damaged.back().lastLine = lineNumber;
        } else {
            DamagedSpan d;
            d.firstLine = d.lastLine = lineNumber;
            if (!s.events.empty())
                d.afterMs = s.events.back().atMs;
            out.damaged.push_back(d);
            nextEvent.push_back(s.events.size());
        }
        // A record written whole behind the torn one is still read.
        const std::size_t glued = line.rfind("at\t");
        if (glued != std::string_view::npos && glued > 0)
            parser.line(splitTabs(line.substr(glued)), s);
    }
    for (std::size_t i = 0; i < out.damaged.size(); ++i)
        if (nextEvent[i] < s.events.size())
            out.damaged[i].beforeMs = s.events[nextEvent[i]].atMs;
    if (!s.endMs) {
        // A journal cut by a crash has no end: replay up to the first tick at
        // or after its last event, the one that reads that last passing.
        std::int64_t last = 0;
        for (const auto& e : s.events)
            last = std::max(last, e.atMs);
        s.endMs = (last + 9) / 10 * 10;
    }
    out.scenario = std::move(s);
    return out;
}

// "m:ss,d" from the journal's origin, just before "Départ".
std::string spanTime(std::int64_t ms)
{
    const std::int64_t tenths = ms / 100;
    std::string seconds = std::to_string(tenths / 10 % 60);
    if (seconds.size() < 2)
        seconds.insert(seconds.begin(), '0');
    return std::to_string(tenths / 600) + ":" + seconds + "," + std::to_string(tenths % 10);
}

} // namespace

ScenarioParse parseHeatScenario(std::string_view text)
{
    return parse(text, false);
}

ScenarioParse parseHeatJournal(std::string_view text)
{
    return parse(text, true);
}

bool isHeatJournal(std::string_view text)
{
    return text.rfind("# Kestrametrix passing journal", 0) == 0;
}

std::string journalDamageText(const std::vector<DamagedSpan>& damaged)
{
    if (damaged.empty())
        return {};
    int lines = 0;
    std::string spans;
    for (const DamagedSpan& d : damaged) {
        lines += d.lastLine - d.firstLine + 1;
        spans += spans.empty() ? "" : " ; ";
        const std::string where = d.firstLine == d.lastLine
            ? fillText(translate("JournalDamage", "ligne %1"), {std::to_string(d.firstLine)})
            : fillText(translate("JournalDamage", "lignes %1 à %2"),
                  {std::to_string(d.firstLine), std::to_string(d.lastLine)});
        std::string when;
        if (d.afterMs && d.beforeMs)
            when = fillText(translate("JournalDamage", "entre %1 et %2"),
                {spanTime(*d.afterMs), spanTime(*d.beforeMs)});
        else if (d.afterMs)
            when = fillText(translate("JournalDamage", "après %1"), {spanTime(*d.afterMs)});
        else if (d.beforeMs)
            when = fillText(translate("JournalDamage", "avant %1"), {spanTime(*d.beforeMs)});
        else
            when = translate("JournalDamage", "dans toute la série");
        spans += fillText(
            translate("JournalDamage", "%1, des passages peuvent manquer %2"), {where, when});
    }
    return fillText(lines == 1
            ? translate("JournalDamage",
                  "Le journal des passages est endommagé : %1 ligne illisible ignorée (%2, temps "
                  "depuis le départ). Tous les autres passages sont repris.")
            : translate("JournalDamage",
                  "Le journal des passages est endommagé : %1 lignes illisibles ignorées (%2, "
                  "temps depuis le départ). Tous les autres passages sont repris."),
        {std::to_string(lines), spans});
}

std::string formatScenarioDate(const LocalDateTime& d)
{
    std::string out = "date\t";
    const std::string year = std::to_string(d.year);
    out.append(year.size() < 4 ? 4 - year.size() : 0, '0');
    out += year;
    for (const auto& [separator, value] : {std::pair{'-', d.month}, std::pair{'-', d.day},
                                           std::pair{' ', d.hour}, std::pair{':', d.minute}}) {
        out += separator;
        out += two(value);
    }
    out += '\n';
    return out;
}

std::string formatScenarioSetUp(const HeatScenario& s)
{
    std::string out = "options\t" + formatRaceOptionsLine(s.options);
    // The data line ends with TAB, LF: drop the TAB, keep one LF.
    out.erase(out.size() - 2, 1);
    out += "protection\t" + std::to_string(s.protectionSeconds) + "\n";
    out += std::string("decoder\t") + (s.rc2 ? "RC2" : "RC1") + "\n";
    const SoundChoices& c = s.sounds;
    auto yes = [](bool on, const char* word) { return std::string(word) + (on ? "oui" : "non"); };
    out += "sounds\t";
    out += c.language == VoiceLanguage::French    ? "SONLANGUEFrancais"
           : c.language == VoiceLanguage::English ? "SONLANGUEAnglais"
                                                  : "SONLANGUE";
    out += "\t" + yes(c.countdownVoice, "SONDECOMPTE") + "\t" + yes(c.startSignal, "SONDEPART") +
           "\t" + yes(c.passingBeep, "SONPASSAGE") + "\t" + yes(c.bestLapCheer, "SONMEILLEURTOUR") +
           "\t" + yes(c.clockVoice, "SONHORLOGE") + "\t" + yes(c.heatEndSignal, "SONFINCOURSE") +
           "\t" + yes(c.carFinishVoice, "SONFINVOITURE") + "\n";
    if (s.trackRecordMs)
        out += "track\t" + std::to_string(*s.trackRecordMs) + "\t" + s.trackHolder + "\n";
    for (int k = 1; k <= kSlotCount; ++k) {
        const ScenarioSlot& slot = s.slots[static_cast<std::size_t>(k - 1)];
        if (slot.name != kEmptySlotName)
            out += "slot\t" + std::to_string(k) + "\t" + slot.name + "\t" + slot.transponder + "\n";
    }
    return out;
}

std::string formatScenarioEvent(const ScenarioEvent& e)
{
    using K = ScenarioEvent::Kind;
    std::string out = "at\t" + std::to_string(e.atMs) + "\t";
    switch (e.kind) {
    case K::Depart: out += "depart"; break;
    case K::Arret: out += "arret"; break;
    case K::Start: out += "start"; break;
    case K::EraseYes: out += "effacer\tyes"; break;
    case K::EraseNo: out += "effacer\tno"; break;
    case K::Button: out += "button\t" + std::to_string(e.value); break;
    case K::Passing:
        out += "passing\t" + std::to_string(e.value);
        if (e.decoderMs)
            out += "\t" + std::to_string(*e.decoderMs);
        break;
    }
    return out + "\n";
}

} // namespace ksy
