#pragma once
// The "Classement Manche" dialog: binds its radio buttons, scale edits and
// scroll bar to a RoundRankingForm and paints the form's table. Each widget's
// object name is its control id ("4703").
#include "results/round_ranking_form.h"
#include "results/ui/ranking_dialog_parts.h"

#include <map>

class QLineEdit;
class QRadioButton;

namespace ksy {

class RoundRankingDialog : public RankingDialogBase {
    Q_OBJECT
public:
    static constexpr int kWidth = 760;

    RoundRankingDialog(RoundRankingForm& form, const WorkFolder& folder, RankingPrinter print,
        RankingExporter exportText, QWidget* parent = nullptr);

    const RoundRankingForm& form() const { return form_; }

protected:
    Drawing tableDrawing() const override { return form_.table(); }

private:
    void edited(int control, const QString& text);
    void validate();

    RoundRankingForm& form_;
    RankingPrinter print_;
    RankingExporter export_;
    std::map<int, QLineEdit*> edits_;
    bool syncing_ = false;
};

} // namespace ksy
