#pragma once
// The rules of the "Classement Manche" dialog (CATEGORIEQUALIFSCLASSEMENTMANCHE)
// without any widget: the criterion radio buttons, the six scale edits and
// their digit limits, the scroll position of the table, and what "Valider"
// stores. The command line drives the same form.
#include "reports/report_frame.h"
#include "results/ranking_open.h"
#include "results/ranking_view.h"
#include "services/prompts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

class RoundRankingForm {
public:
    // Control ids of the dialog template.
    enum Control : int {
        LapsTimeRadio = 4701,
        BestLapRadio = 4702,
        FirstPlaceEdit = 4703, // 4704..4708: the gaps
        LastScaleEdit = 4708,
        PrintButton = 4709,
        ExportButton = 4710,
        ScrollBar = 4711,
        ValidateButton = 1,
        CancelButton = 2,
    };

    // Opening: reads and ranks the round (failures shown, the form goes on
    // with what it has).
    RoundRankingForm(std::filesystem::path raceFile, int category, int round, Prompts& prompts);

    const OpenedRoundRanking& ranking() const { return ranking_; }
    RankingMode criterion() const { return ranking_.criterion; }
    const PointsScale& scale() const { return ranking_.scale; }

    // A click on 4701 or 4702: sorts again, computes the points, back to the
    // top of the table.
    void chooseCriterion(RankingMode criterion);

    // The scale edits 4703..4708: their text and their digit limit.
    std::string editText(int control) const;
    static int maxLength(int control);
    // A text change: digits only, cut to the limit, read as a number (empty
    // reads 0); the points are computed again, back to the top.
    void typeScale(int control, std::string_view text);

    RankingScroll& scroll() { return scroll_; }
    const RankingScroll& scroll() const { return scroll_; }
    Drawing table() const { return roundRankingTable(ranking_, scroll_.position()); }

    // "Valider": stores the section when the category's results flag is 1.
    // True when it was written; failures shown.
    bool validate();

    std::string exportText() const; // Windows-1252
    ReportDocument report(const ReportDate& date) const;

private:
    std::filesystem::path raceFile_;
    Prompts& prompts_;
    OpenedRoundRanking ranking_;
    std::array<std::string, PointsScale::kCount> texts_;
    RankingScroll scroll_;
};

} // namespace ksy
