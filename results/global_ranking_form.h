#pragma once
// The rules of the "Classement Global qualifs" dialog
// (CATEGORIEQUALIFSCLASSEMENTFINAL) without any widget: the number of best
// rounds, the tie criterion, the scroll position of the table, and what
// "Valider" stores (the names in ranked order and the category's mark that
// a global ranking was validated). The command line drives the same form.
#include "reports/report_frame.h"
#include "results/ranking_open.h"
#include "results/ranking_view.h"
#include "services/prompts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

class GlobalRankingForm {
public:
    enum Control : int {
        BestRoundsEdit = 4801,
        LapsTimeRadio = 4802,
        BestLapRadio = 4803,
        PrintButton = 4804,
        ExportButton = 4805,
        ScrollBar = 4806,
        ValidateButton = 1,
        CancelButton = 2,
    };

    GlobalRankingForm(std::filesystem::path raceFile, int category, Prompts& prompts);

    const OpenedGlobalRanking& ranking() const { return ranking_; }
    RankingMode tie() const { return ranking_.tie; }
    int bestRounds() const { return ranking_.bestRounds; }

    // A click on 4802 or 4803: ranks again from the current order.
    void chooseTie(RankingMode tie);
    // Edit 4801 (one digit): the sums again, then the ranking, from the top.
    std::string bestRoundsText() const { return bestText_; }
    void typeBestRounds(std::string_view text);

    RankingScroll& scroll() { return scroll_; }
    const RankingScroll& scroll() const { return scroll_; }
    Drawing table() const { return globalRankingTable(ranking_, scroll_.position()); }

    // "Valider": when the category's results flag is 1, marks the category
    // and stores the section. True when the section was written.
    bool validate();

    std::string exportText() const; // Windows-1252
    ReportDocument report(const ReportDate& date) const;

private:
    std::filesystem::path raceFile_;
    Prompts& prompts_;
    OpenedGlobalRanking ranking_;
    std::string bestText_;
    RankingScroll scroll_;
};

} // namespace ksy
