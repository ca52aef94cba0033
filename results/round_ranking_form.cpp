#include "results/round_ranking_form.h"

#include "planning/digit_edit.h"
#include "results/round_ranking_report.h"
#include "storage/race_file.h"

namespace ksy {
namespace {

bool isScaleEdit(int control)
{
    return control >= RoundRankingForm::FirstPlaceEdit &&
        control <= RoundRankingForm::LastScaleEdit;
}

std::size_t scaleIndex(int control)
{
    return static_cast<std::size_t>(control - RoundRankingForm::FirstPlaceEdit);
}

} // namespace

RoundRankingForm::RoundRankingForm(
    std::filesystem::path raceFile, int category, int round, Prompts& prompts)
    : raceFile_(std::move(raceFile))
    , prompts_(prompts)
    , ranking_(openRoundRanking(raceFile_, category, round, prompts))
{
    for (std::size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = std::to_string(ranking_.scale.values[i]);
    scroll_.setRows(ranking_.context.places);
}

void RoundRankingForm::chooseCriterion(RankingMode criterion)
{
    ranking_.criterion = criterion;
    sortRoundRanking(ranking_.rows, criterion);
    computeRoundPoints(ranking_.rows, ranking_.context.places, criterion, ranking_.scale);
    scroll_.toFirst();
}

std::string RoundRankingForm::editText(int control) const
{
    return isScaleEdit(control) ? texts_[scaleIndex(control)] : std::string();
}

int RoundRankingForm::maxLength(int control)
{
    return isScaleEdit(control) ? PointsScale::digits(static_cast<int>(scaleIndex(control))) : 0;
}

void RoundRankingForm::typeScale(int control, std::string_view text)
{
    if (!isScaleEdit(control))
        return;
    const std::size_t i = scaleIndex(control);
    texts_[i] = digitsOnly(text, maxLength(control));
    ranking_.scale.values[i] = digitsValue(texts_[i]);
    computeRoundPoints(ranking_.rows, ranking_.context.places, ranking_.criterion, ranking_.scale);
    scroll_.toFirst();
}

bool RoundRankingForm::validate()
{
    if (ranking_.context.resultsStored != 1)
        return false;
    const RewriteResult r = storeRoundRanking(raceFile_, ranking_.context.category, ranking_.round,
        ranking_.criterion, ranking_.scale, ranking_.rows, ranking_.context.places, &prompts_);
    if (r == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    return r == RewriteResult::Written;
}

std::string RoundRankingForm::exportText() const
{
    return roundRankingExport(ranking_);
}

ReportDocument RoundRankingForm::report(const ReportDate& date) const
{
    return roundRankingReport(ranking_, date);
}

} // namespace ksy
