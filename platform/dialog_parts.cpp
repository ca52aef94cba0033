#include "platform/dialog_parts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace ksy {

QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void addOkCancel(QDialog* dialog, QBoxLayout* row, const QString& okText, int okControl,
    const QString& cancelText, int cancelControl)
{
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName(QString::number(okControl));
    ok->setDefault(true);
    auto* cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QString::number(cancelControl));
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void addBoldHeading(QBoxLayout* column, const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
}

} // namespace ksy
