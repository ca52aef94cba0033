#include "timing/ui/interface_dialog.h"

#include "platform/storable_text_validator.h"
#include "timing/interface_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ksy {
namespace {

QPixmap indicatorPixmap(const WorkFolder& folder, const char* image, bool green)
{
    QPixmap pixmap(QString::fromStdString(folder.file(image).string()));
    if (!pixmap.isNull())
        return pixmap;
    // The images folder may be incomplete: a plain light says the same.
    QPixmap light(24, 24);
    light.fill(Qt::transparent);
    QPainter painter(&light);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(green ? QColor(0, 170, 0) : QColor(210, 0, 0));
    painter.setPen(Qt::darkGray);
    painter.drawEllipse(2, 2, 20, 20);
    return light;
}

QString fromWindowsLines(const std::string& text)
{
    return QString::fromStdString(text).replace("\r\n", "\n");
}

} // namespace

InterfaceDialog::InterfaceDialog(InterfaceForm& form, WorkFolder folder, QWidget* parent)
    : QDialog(parent)
    , form_(form)
    , folder_(std::move(folder))
{
    setWindowTitle(QCoreApplication::translate("InterfaceDialog", "Interface"));
    auto* heading =
        new QLabel(QCoreApplication::translate("InterfaceDialog", "Décodeur Kestrametrix"));
    heading->setObjectName("3907");
    QFont bold("Arial");
    bold.setPointSize(16);
    bold.setBold(true);
    heading->setFont(bold);

    auto* messageBox = new QGroupBox(QCoreApplication::translate("InterfaceDialog", "Messages"));
    messageBox->setObjectName("3908");
    messages_ = new QPlainTextEdit;
    messages_->setObjectName("3903");
    messages_->setReadOnly(true);
    (new QVBoxLayout(messageBox))->addWidget(messages_);

    auto* modelBox = new QGroupBox(QCoreApplication::translate("InterfaceDialog", "Décodeur:"));
    modelBox->setObjectName("3906");
    rc1_ = new QRadioButton("Kestrametrix RC1");
    rc1_->setObjectName("3901");
    rc2_ = new QRadioButton("Kestrametrix RC2");
    rc2_->setObjectName("3902");
    auto* modelLayout = new QVBoxLayout(modelBox);
    modelLayout->addWidget(rc1_);
    modelLayout->addWidget(rc2_);
    connect(rc1_, &QRadioButton::clicked, this, [this] { form_.chooseModel(DecoderModel::Rc1); });
    connect(rc2_, &QRadioButton::clicked, this, [this] { form_.chooseModel(DecoderModel::Rc2); });

    auto* portBox = new QGroupBox(QCoreApplication::translate("InterfaceDialog", "Port COM"));
    portBox->setObjectName("3909");
    ports_ = new QComboBox;
    ports_->setObjectName("3904");
    ports_->setMinimumContentsLength(16);
    if (portNamesAreTyped()) {
        ports_->setEditable(true);
        ports_->setInsertPolicy(QComboBox::NoInsert);
        limitToStorableText(ports_->lineEdit(), 255);
    }
    auto* open = new QPushButton(QCoreApplication::translate("InterfaceDialog", "Ouvrir"));
    open->setObjectName("3905");
    connect(open, &QPushButton::clicked, this, &InterfaceDialog::openChosenPort);
    auto* portLayout = new QHBoxLayout(portBox);
    portLayout->addWidget(ports_, 1);
    portLayout->addWidget(open);

    indicator_ = new QLabel;
    indicator_->setObjectName("indicator");
    auto* ok = new QPushButton(QCoreApplication::translate("InterfaceDialog", "Ok"));
    ok->setObjectName("1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(heading, 1);
    top->addWidget(indicator_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(messageBox, 1);
    layout->addWidget(modelBox);
    layout->addWidget(portBox);
    layout->addLayout(bottom);
    resize(420, 380);
    showForm();
}

void InterfaceDialog::openChosenPort()
{
    if (!form_.choosePort(ports_->currentText().toStdString())) {
        QApplication::beep();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    form_.openPort();
    QApplication::restoreOverrideCursor();
    showForm();
}

void InterfaceDialog::showForm()
{
    messages_->setPlainText(fromWindowsLines(form_.messages()));
    rc1_->setChecked(form_.shownModel() == DecoderModel::Rc1);
    rc2_->setChecked(form_.shownModel() == DecoderModel::Rc2);
    if (form_.shownModel() == DecoderModel::None) {
        // Neither model stored: no radio is shown selected.
        rc1_->setAutoExclusive(false);
        rc1_->setChecked(false);
        rc1_->setAutoExclusive(true);
    }
    ports_->clear();
    for (const std::string& name : form_.portNames())
        ports_->addItem(QString::fromStdString(name));
    ports_->setCurrentText(QString::fromStdString(form_.chosenPort()));
    indicator_->setPixmap(indicatorPixmap(folder_, form_.indicatorImage(), form_.connected()));
}

void runInterfaceDialog(
    DecoderLink& link, Prompts& prompts, const WorkFolder& folder, QWidget* parent)
{
    InterfaceForm form(link, prompts, serialPortNames());
    form.open();
    InterfaceDialog dialog(form, folder, parent);
    dialog.exec();
    form.close();
}

} // namespace ksy
