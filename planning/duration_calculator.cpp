#include "planning/duration_calculator.h"

#include <cstdio>

namespace ksy {

void computeDuration(DurationCalculation& c)
{
    if (c.pilotsPerHeat <= 0) {
        c.totalHeats = 0;
        c.totalMinutes = 0;
        return;
    }
    const int heatsPerRound = (c.participants + c.pilotsPerHeat - 1) / c.pilotsPerHeat;
    c.totalHeats = c.rounds * heatsPerRound;
    c.totalMinutes = c.totalHeats * (c.heatMinutes + c.restMinutes);
}

std::string durationText(int totalMinutes)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%dh%02dmin", totalMinutes / 60, totalMinutes % 60);
    return buffer;
}

void DurationCalculatorForm::setLabel(std::string_view text)
{
    // The edit limits the label to 53 characters; count UTF-8 lead bytes.
    std::size_t chars = 0, end = 0;
    for (; end < text.size(); ++end) {
        const bool lead = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (lead && ++chars > DurationCalculation::kLabelMaxLength)
            break;
    }
    v_.categoryLabel = std::string(text.substr(0, end));
}

std::optional<std::string> DurationCalculatorForm::setNumber(
    std::string_view text, int maxDigits, int maximum, int& field)
{
    // Digits only, as an unsigned number edit reads them; empty is 0.
    int value = 0;
    int digits = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9' || digits == maxDigits)
            break;
        value = value * 10 + (ch - '0');
        ++digits;
    }
    std::optional<std::string> rewrite;
    if (value > maximum) {
        value = maximum;
        rewrite = std::to_string(value);
    }
    field = value;
    computeDuration(v_);
    return rewrite;
}

std::optional<std::string> DurationCalculatorForm::setParticipants(std::string_view text)
{
    return setNumber(
        text, kParticipantsDigits, DurationCalculation::kMaxParticipants, v_.participants);
}

std::optional<std::string> DurationCalculatorForm::setPilotsPerHeat(std::string_view text)
{
    return setNumber(
        text, kPilotsPerHeatDigits, DurationCalculation::kMaxPilotsPerHeat, v_.pilotsPerHeat);
}

std::optional<std::string> DurationCalculatorForm::setRounds(std::string_view text)
{
    return setNumber(text, kRoundsDigits, 9, v_.rounds);
}

std::optional<std::string> DurationCalculatorForm::setHeatMinutes(std::string_view text)
{
    return setNumber(
        text, kHeatMinutesDigits, DurationCalculation::kMaxHeatMinutes, v_.heatMinutes);
}

std::optional<std::string> DurationCalculatorForm::setRestMinutes(std::string_view text)
{
    return setNumber(text, kRestDigits, 99, v_.restMinutes);
}

} // namespace ksy
