#include "results/ui/heat_results_dialog.h"

#include "platform/dialog_parts.h"
#include "reports/ui/drawing_view.h"
#include "results/heat_results_layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ksy {

HeatResultsDialog::HeatResultsDialog(
    HeatResultsView view, const WorkFolder& folder, QWidget* parent)
    : QDialog(parent)
    , view_(std::move(view))
{
    setObjectName(QStringLiteral("SERIERESULTATS"));
    setWindowTitle(tr("Résultats détaillés série"));
    auto* column = new QVBoxLayout(this);

    auto* radios = new QHBoxLayout;
    const std::pair<int, QString> modes[] = {{6301, tr("temps de passage")},
        {6302, tr("temps au tour")}, {6303, tr("évolution des positions")}};
    for (const auto& [id, label] : modes) {
        auto* radio = new QRadioButton(label, this);
        radio->setObjectName(QString::number(id));
        radio->setChecked(id == 6301);
        const HeatResultsMode mode = id == 6301 ? HeatResultsMode::Passings
            : id == 6302                        ? HeatResultsMode::LapTimes
                                                : HeatResultsMode::Positions;
        connect(radio, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                chooseMode(mode);
        });
        radios->addWidget(radio);
    }
    radios->addStretch();
    column->addLayout(radios);

    auto* grid = new QGridLayout;
    area_ = new DrawingView(
        folder, kHeatResultsWidth, kHeatResultsHeight, [this] { return heatResultsDrawing(view_); },
        this);
    grid->addWidget(area_, 0, 0);
    auto* laps = new QScrollBar(Qt::Vertical, this);
    laps->setObjectName(QStringLiteral("6304"));
    auto* pilots = new QScrollBar(Qt::Horizontal, this);
    pilots->setObjectName(QStringLiteral("6305"));
    grid->addWidget(laps, 0, 1);
    grid->addWidget(pilots, 1, 0);
    column->addLayout(grid);
    showScrollRange(laps, view_.laps());
    showScrollRange(pilots, view_.pilots());
    connect(laps, &QScrollBar::actionTriggered, this,
        [this, laps](int action) { scrolled(laps, action, view_.laps()); });
    connect(pilots, &QScrollBar::actionTriggered, this,
        [this, pilots](int action) { scrolled(pilots, action, view_.pilots()); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    column->addLayout(buttons);
}

void HeatResultsDialog::chooseMode(HeatResultsMode mode)
{
    view_.setMode(mode);
    area_->update();
}

void HeatResultsDialog::scrolled(QScrollBar* bar, int action, ScrollRange& range)
{
    if (applyScrollAction(bar, action, range))
        area_->update();
}

void HeatResultsDialog::run(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    HeatDetail detail;
    if (!readHeatDetail(folder, detail)) {
        prompts.error(std::string(kHeatDetailError));
        detail = HeatDetail {};
        for (auto& slot : detail.slots)
            slot.name = std::string(kEmptySlotName);
    }
    HeatResultsDialog dialog(HeatResultsView(buildHeatResults(detail)), folder, parent);
    dialog.exec();
}

} // namespace ksy
