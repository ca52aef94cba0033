#include "planning/ui/participant_details_dialog.h"

#include "databases/transponder_number.h"
#include "platform/transponder_edit.h"
#include "storage/encoding.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ksy {

ParticipantDetailsDialog::ParticipantDetailsDialog(const WorkFolder& folder, SerialLink& port,
    const Clock& clock, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , folder_(folder)
    , prompts_(prompts)
    , form_(folder, port, clock, prompts)
{
    setObjectName("CATEGORIEPILOTEDETAILS");
    setWindowTitle(tr("Détails pilote"));
    auto* column = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Pilote :"), this));
    auto* name = new QLineEdit(QString::fromStdString(cp1252ToUtf8(form_.name())), this);
    name->setObjectName("4301");
    name->setReadOnly(true);
    nameRow->addWidget(name);
    column->addLayout(nameRow);

    auto* personal = new QGroupBox(tr("Transpondeur personnel"), this);
    auto* personalRow = new QHBoxLayout(personal);
    personalRow->addWidget(new QLabel(tr("N°Puce"), personal));
    transponder_ = new QLineEdit(QString::fromStdString(form_.transponder()), personal);
    transponder_->setObjectName("4302");
    bindTransponderEdit(transponder_, prompts,
        {[this](const std::string& text) { return form_.transponderEdited(text); },
            [this] { return form_.transponder(); },
            [this, &prompts] { warnSharedTransponder(prompts); }});
    personalRow->addWidget(transponder_);
    scan_ = new QPushButton(QStringLiteral("Scan"), personal);
    scan_->setObjectName("4303");
    scan_->setCheckable(true);
    scan_->setAutoDefault(false);
    personalRow->addWidget(scan_);
    scanState_ = new QLineEdit(QStringLiteral("Off"), personal);
    scanState_->setObjectName("4304");
    scanState_->setReadOnly(true);
    scanState_->setMaximumWidth(40);
    personalRow->addWidget(scanState_);
    indicator_ = new QLabel(personal);
    const Rect r = ParticipantDetailsForm::kIndicatorRect;
    indicator_->setFixedSize(r.width(), r.height());
    indicator_->setScaledContents(true);
    personalRow->addWidget(indicator_);
    column->addWidget(personal);

    auto* radios = new QGroupBox(tr("Fréquences radio"), this);
    auto* radioGrid = new QGridLayout(radios);
    for (int i = 0; i < kFrequenciesPerParticipant; ++i) {
        radioGrid->addWidget(new QLabel(tr("Freq%1").arg(i + 1), radios), i, 0);
        auto* list = new QComboBox(radios);
        list->setObjectName(QString::number(4305 + i));
        for (const std::string& choice : form_.frequencyChoices())
            list->addItem(QString::fromStdString(cp1252ToUtf8(choice)));
        list->setCurrentIndex(
            list->findText(QString::fromStdString(cp1252ToUtf8(form_.frequency(i)))));
        radioGrid->addWidget(list, i, 1);
        connect(list, &QComboBox::currentTextChanged, this, [this, i](const QString& text) {
            if (const auto bytes = utf8ToCp1252(text.toStdString()))
                form_.frequencyChosen(i, *bytes);
        });
    }
    column->addWidget(radios);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("1");
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    column->addLayout(okRow);

    connect(scan_, &QPushButton::toggled, this, &ParticipantDetailsDialog::scanToggled);
    connect(ok, &QPushButton::clicked, this, [this] {
        form_.save();
        timer_->stop();
        accept();
    });

    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &ParticipantDetailsDialog::tick);
    timer_->start(10);
    showIndicator();
}

ParticipantDetailsDialog::~ParticipantDetailsDialog()
{
    form_.close();
}

void ParticipantDetailsDialog::reject()
{
    form_.close();
    timer_->stop();
    QDialog::reject();
}

void ParticipantDetailsDialog::scanToggled(bool on)
{
    form_.setScanning(on);
    // A number read by the scan is checked once the scan is switched off.
    if (!on && scannedChange_) {
        scannedChange_ = false;
        warnSharedTransponder(prompts_);
    }
    transponder_->setReadOnly(on);
    scanState_->setText(QString::fromUtf8(
        form_.scanText().data(), static_cast<qsizetype>(form_.scanText().size())));
    showIndicator();
}

void ParticipantDetailsDialog::tick()
{
    if (const auto text = form_.tick()) {
        const QString shown = QString::fromStdString(*text);
        if (shown != transponder_->text()) {
            transponder_->setText(shown);
            scannedChange_ = true;
        }
    }
    showIndicator();
}

void ParticipantDetailsDialog::warnSharedTransponder(Prompts& prompts)
{
    const std::string other = form_.sharedTransponder();
    if (!other.empty())
        prompts.message(tr("Attention").toStdString(),
            sharedTransponderWarning(form_.transponder(), cp1252ToUtf8(other)),
            PromptIcon::Exclamation);
}

void ParticipantDetailsDialog::showIndicator()
{
    const int state = form_.indicatorState();
    if (state == shownState_)
        return;
    shownState_ = state;
    const std::string image = ParticipantDetailsForm::indicatorImage(state);
    if (image.empty())
        indicator_->clear();
    else
        indicator_->setPixmap(QPixmap(QString::fromStdString(folder_.file(image).string())));
}

bool ParticipantDetailsDialog::edit(QWidget* parent, const WorkFolder& folder, SerialLink& port,
    const Clock& clock, Prompts& prompts)
{
    ParticipantDetailsDialog dialog(folder, port, clock, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ksy
