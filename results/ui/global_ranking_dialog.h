#pragma once
// The "Classement Global qualifs" dialog: binds the edit of the number of
// best rounds, the tie radio buttons and the scroll bar to a
// GlobalRankingForm and paints the form's table. Each widget's object name is
// its control id ("4801").
#include "results/global_ranking_form.h"
#include "results/ui/ranking_dialog_parts.h"

class QLineEdit;

namespace ksy {

class GlobalRankingDialog : public RankingDialogBase {
    Q_OBJECT
public:
    static constexpr int kWidth = 1000;

    GlobalRankingDialog(GlobalRankingForm& form, const WorkFolder& folder, RankingPrinter print,
        RankingExporter exportText, QWidget* parent = nullptr);

    const GlobalRankingForm& form() const { return form_; }

protected:
    Drawing tableDrawing() const override { return form_.table(); }

private:
    void edited(const QString& text);

    GlobalRankingForm& form_;
    RankingPrinter print_;
    RankingExporter export_;
    QLineEdit* best_ = nullptr;
    bool syncing_ = false;
};

} // namespace ksy
