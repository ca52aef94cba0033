#include "results/ui/round_ranking_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace ksy {
namespace {

using F = RoundRankingForm;

constexpr const char* kScaleLabels[] = {QT_TRANSLATE_NOOP("RoundRanking", "1ere place"),
    QT_TRANSLATE_NOOP("RoundRanking", "écart 1er/2eme"),
    QT_TRANSLATE_NOOP("RoundRanking", "écart 2eme/3eme"),
    QT_TRANSLATE_NOOP("RoundRanking", "écart 3eme/4eme"),
    QT_TRANSLATE_NOOP("RoundRanking", "écart 4eme/5eme"),
    QT_TRANSLATE_NOOP("RoundRanking", "écart 5eme et +")};

} // namespace

RoundRankingDialog::RoundRankingDialog(RoundRankingForm& form, const WorkFolder& folder,
    RankingPrinter print, RankingExporter exportText, QWidget* parent)
    : RankingDialogBase(folder, form.scroll(), parent)
    , form_(form)
    , print_(std::move(print))
    , export_(std::move(exportText))
{
    setObjectName(QStringLiteral("CATEGORIEQUALIFSCLASSEMENTMANCHE"));
    setWindowTitle(tr("Classement Manche"));
    setDialogSize(kWidth, ranking_view::kBodyBottom + 56);

    auto* criterion = new QGroupBox(tr("Classement des pilotes"), this);
    criterion->setGeometry(20, 8, 250, 84);
    auto* radios = new QButtonGroup(this);
    const auto radio = [&](int control, const QString& text, int y, RankingMode mode) {
        auto* r = new QRadioButton(text, criterion);
        r->setObjectName(QString::number(control));
        r->setGeometry(12, y, 230, 24);
        r->setChecked(form_.criterion() == mode);
        radios->addButton(r);
        // A click sorts again, even on the button already checked.
        connect(r, &QRadioButton::clicked, this, [this, mode] {
            form_.chooseCriterion(mode);
            repaintTable();
        });
    };
    radio(F::LapsTimeRadio, tr("suivant nb tours+temps"), 24, RankingMode::LapsThenTime);
    radio(F::BestLapRadio, tr("suivant meilleur tour"), 52, RankingMode::BestLap);

    auto* points = new QGroupBox(tr("Attribution des points"), this);
    points->setGeometry(290, 8, 450, 120);
    for (int i = 0; i < PointsScale::kCount; ++i) {
        const int control = F::FirstPlaceEdit + i;
        const int x = 12 + (i / 3) * 220;
        const int y = 24 + (i % 3) * 30;
        auto* label =
            new QLabel(QCoreApplication::translate("RoundRanking", kScaleLabels[i]), points);
        label->setGeometry(x, y, 120, 24);
        auto* e = new QLineEdit(qsUtf8(form_.editText(control)), points);
        e->setObjectName(QString::number(control));
        e->setMaxLength(F::maxLength(control));
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        e->setAlignment(Qt::AlignRight);
        e->setGeometry(x + 130, y, 50, 24);
        edits_[control] = e;
        connect(e, &QLineEdit::textChanged, this,
            [this, control](const QString& t) { edited(control, t); });
    }

    auto* printButton =
        bitmapButton(F::PrintButton, "images/impression.bmp", tr("Imprimer"), 20, 98);
    connect(printButton, &QPushButton::clicked, this, [this] {
        const ReportDocument doc = form_.report(reportDateNow());
        if (print_ && !doc.pages.empty())
            print_(doc);
    });
    auto* exportButton =
        bitmapButton(F::ExportButton, "images/enregistrer.bmp", tr("Sauvegarder"), 70, 98);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        if (export_)
            export_(form_.exportText());
    });

    addScrollBar(F::ScrollBar, ranking_view::kRoundRight);
    auto* validate = addValidateAndCancel(kWidth);
    connect(validate, &QPushButton::clicked, this, &RoundRankingDialog::validate);
    syncScrollBar();
}

void RoundRankingDialog::edited(int control, const QString& text)
{
    if (syncing_)
        return;
    form_.typeScale(control, text.toStdString());
    const QString shown = qsUtf8(form_.editText(control));
    if (shown != text) {
        syncing_ = true;
        edits_[control]->setText(shown);
        syncing_ = false;
    }
    repaintTable();
}

void RoundRankingDialog::validate()
{
    form_.validate();
    accept();
}

} // namespace ksy
