#pragma once
// The race duration calculator: how many heats the qualifying rounds of a
// category need and how long they take, from numbers the official types in.
// It touches no file; its values live as long as the program (the main window
// owns them) and are shown again at the next opening.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

struct DurationCalculation {
    static constexpr std::size_t kLabelMaxLength = 53;
    static constexpr int kMaxParticipants = 200;
    static constexpr int kMaxPilotsPerHeat = 20;
    static constexpr int kMaxHeatMinutes = 120;

    std::string categoryLabel; // UTF-8, only ever shown
    int participants = 0;
    int pilotsPerHeat = 0;
    int rounds = 0;
    int heatMinutes = 0;
    int restMinutes = 0;
    // Computed.
    int totalHeats = 0;
    int totalMinutes = 0;
};

// Heats per round rounded up, times the rounds; the rest counts after every
// heat, the last one included. No heats at all without pilots per heat.
void computeDuration(DurationCalculation& c);

// "%dh%02dmin".
std::string durationText(int totalMinutes);

// The rules of the dialog's edits. Each numeric edit takes digits only; a
// value above its maximum is replaced, and the text to write back into the
// edit is returned (nothing when the edit stays as typed).
class DurationCalculatorForm {
public:
    // Edit lengths.
    static constexpr int kParticipantsDigits = 3;
    static constexpr int kPilotsPerHeatDigits = 2;
    static constexpr int kRoundsDigits = 1;
    static constexpr int kHeatMinutesDigits = 3;
    static constexpr int kRestDigits = 2;

    explicit DurationCalculatorForm(DurationCalculation& values)
        : v_(values)
    {
        computeDuration(v_);
    }

    void setLabel(std::string_view text);
    std::optional<std::string> setParticipants(std::string_view text);
    std::optional<std::string> setPilotsPerHeat(std::string_view text);
    std::optional<std::string> setRounds(std::string_view text);
    std::optional<std::string> setHeatMinutes(std::string_view text);
    std::optional<std::string> setRestMinutes(std::string_view text);

    const DurationCalculation& values() const { return v_; }
    std::string totalHeatsText() const { return std::to_string(v_.totalHeats); }
    std::string totalDurationText() const { return durationText(v_.totalMinutes); }

private:
    std::optional<std::string> setNumber(
        std::string_view text, int maxDigits, int maximum, int& field);

    DurationCalculation& v_;
};

} // namespace ksy
