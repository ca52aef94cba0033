#include "results/global_ranking_form.h"

#include "planning/digit_edit.h"
#include "results/global_ranking_report.h"
#include "storage/race_file.h"

namespace ksy {

GlobalRankingForm::GlobalRankingForm(std::filesystem::path raceFile, int category, Prompts& prompts)
    : raceFile_(std::move(raceFile))
    , prompts_(prompts)
    , ranking_(openGlobalRanking(raceFile_, category, prompts))
    , bestText_(std::to_string(ranking_.bestRounds))
{
    scroll_.setRows(ranking_.context.places);
}

void GlobalRankingForm::chooseTie(RankingMode tie)
{
    ranking_.tie = tie;
    rankGlobal(ranking_.entries, ranking_.context.places, tie);
    scroll_.toFirst();
}

void GlobalRankingForm::typeBestRounds(std::string_view text)
{
    bestText_ = digitsOnly(text, 1);
    ranking_.bestRounds = digitsValue(bestText_);
    computeSums(ranking_.entries, ranking_.bestRounds);
    rankGlobal(ranking_.entries, ranking_.context.places, ranking_.tie);
    scroll_.toFirst();
}

bool GlobalRankingForm::validate()
{
    if (ranking_.context.resultsStored != 1)
        return false;
    // The header is read again so that nothing else in it is set back.
    RaceHeader header;
    const int c = ranking_.context.category;
    if (!readRaceHeader(raceFile_, header) || c < 1 || c > kMaxCategories) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    } else {
        header.categories.category(c).globalRankingStored = 1;
        if (!writeRaceHeader(raceFile_, header))
            prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    }
    const RewriteResult r = storeGlobalRanking(
        raceFile_, c, storedGlobalRanking(ranking_), ranking_.context.places, &prompts_);
    if (r == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    return r == RewriteResult::Written;
}

std::string GlobalRankingForm::exportText() const
{
    return globalRankingExport(ranking_);
}

ReportDocument GlobalRankingForm::report(const ReportDate& date) const
{
    return globalRankingReport(ranking_, date);
}

} // namespace ksy
