#include "results/ui/global_ranking_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace ksy {
namespace {

using F = GlobalRankingForm;

} // namespace

GlobalRankingDialog::GlobalRankingDialog(GlobalRankingForm& form, const WorkFolder& folder,
    RankingPrinter print, RankingExporter exportText, QWidget* parent)
    : RankingDialogBase(folder, form.scroll(), parent)
    , form_(form)
    , print_(std::move(print))
    , export_(std::move(exportText))
{
    setObjectName(QStringLiteral("CATEGORIEQUALIFSCLASSEMENTFINAL"));
    setWindowTitle(tr("Classement Global qualifs"));
    setDialogSize(kWidth, ranking_view::kBodyBottom + 56);

    auto* group = new QGroupBox(tr("Classement effectué suivant"), this);
    group->setGeometry(20, 8, 700, 132);
    const auto label = [group](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, group);
        l->setGeometry(x, y, std::max(w, l->sizeHint().width()), 22);
    };
    label(tr("Critère 1:   somme des points des"), 12, 22, 230);
    best_ = new QLineEdit(qsUtf8(form_.bestRoundsText()), group);
    best_->setObjectName(QString::number(F::BestRoundsEdit));
    best_->setMaxLength(1);
    best_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), best_));
    best_->setAlignment(Qt::AlignRight);
    best_->setGeometry(244, 22, 30, 22);
    connect(best_, &QLineEdit::textChanged, this, &GlobalRankingDialog::edited);
    label(tr("meilleures manches"), 282, 22, 200);
    label(tr("Critère 2:   points de la meilleure manche"), 12, 48, 400);
    label(tr("Critère 3:   points des meilleures manches suivantes"), 12, 74, 400);
    label(tr("Critère 4:   en cas d'égalité"), 12, 100, 200);

    auto* radios = new QButtonGroup(this);
    const auto radio = [&](int control, const QString& text, int x, RankingMode mode) {
        auto* r = new QRadioButton(text, group);
        r->setObjectName(QString::number(control));
        r->setGeometry(x, 100, 190, 22);
        r->setChecked(form_.tie() == mode);
        radios->addButton(r);
        connect(r, &QRadioButton::clicked, this, [this, mode] {
            form_.chooseTie(mode);
            repaintTable();
        });
    };
    radio(F::LapsTimeRadio, tr("meilleur nbTours+temps"), 220, RankingMode::LapsThenTime);
    radio(F::BestLapRadio, tr("meilleur tour"), 420, RankingMode::BestLap);

    auto* printButton =
        bitmapButton(F::PrintButton, "images/impression.bmp", tr("Imprimer"), 760, 40);
    connect(printButton, &QPushButton::clicked, this, [this] {
        const ReportDocument doc = form_.report(reportDateNow());
        if (print_ && !doc.pages.empty())
            print_(doc);
    });
    auto* exportButton =
        bitmapButton(F::ExportButton, "images/enregistrer.bmp", tr("Sauvegarder"), 810, 40);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (export_)
            export_(form_.exportText());
    });

    addScrollBar(F::ScrollBar, ranking_view::kGlobalRight);
    auto* validate = addValidateAndCancel(kWidth);
    connect(validate, &QPushButton::clicked, this, [this] {
        form_.validate();
        accept();
    });
    syncScrollBar();
}

void GlobalRankingDialog::edited(const QString& text)
{
    if (syncing_)
        return;
    form_.typeBestRounds(text.toStdString());
    const QString shown = qsUtf8(form_.bestRoundsText());
    if (shown != text) {
        syncing_ = true;
        best_->setText(shown);
        syncing_ = false;
    }
    repaintTable();
}

} // namespace ksy
