#include "app/live_results_dialog.h"

#include "live/live_settings_form.h"
#include "platform/dialog_parts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace ksy {

std::optional<LiveSettings> LiveResultsDialog::run(
    QWidget* parent, const LiveSettings& settings, const QString& address)
{
    LiveSettingsForm form(settings);
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("LiveResultsDialog", "Résultats en direct"));
    auto* column = new QVBoxLayout(&dialog);
    auto* intro = new QLabel(QCoreApplication::translate("LiveResultsDialog",
        "Une page web en lecture seule montre la série en cours et les résultats enregistrés\n"
        "aux téléphones du réseau local. Elle ne peut rien modifier et ne ralentit pas le "
        "chronométrage."));
    column->addWidget(intro);
    auto* enabled = new QCheckBox(
        QCoreApplication::translate("LiveResultsDialog", "Publier les résultats en direct"));
    enabled->setObjectName(QStringLiteral("liveEnabled"));
    enabled->setChecked(form.enabled());
    column->addWidget(enabled);
    auto* fields = new QFormLayout;
    auto* host = new QLineEdit(QString::fromStdString(form.address()));
    host->setObjectName(QStringLiteral("liveAddress"));
    host->setMaxLength(15);
    host->setToolTip(
        QCoreApplication::translate("LiveResultsDialog", "0.0.0.0 : toutes les adresses de ce PC"));
    auto* port = new QLineEdit(QString::fromStdString(form.port()));
    port->setObjectName(QStringLiteral("livePort"));
    port->setMaxLength(5);
    port->setInputMask(QString());
    fields->addRow(QCoreApplication::translate("LiveResultsDialog", "Adresse"), host);
    fields->addRow(QCoreApplication::translate("LiveResultsDialog", "Port"), port);
    column->addLayout(fields);
    if (!address.isEmpty())
        column->addWidget(new QLabel(
            QCoreApplication::translate("LiveResultsDialog", "Page servie à l'adresse : %1")
                .arg(address)));
    auto* buttons = new QHBoxLayout;
    addOkCancel(&dialog, buttons, QCoreApplication::translate("LiveResultsDialog", "Valider"), 1,
        QCoreApplication::translate("LiveResultsDialog", "Echap"), 2);
    column->addLayout(buttons);

    QObject::connect(enabled, &QCheckBox::toggled, [&](bool on) { form.setEnabled(on); });
    QObject::connect(host, &QLineEdit::textEdited,
        [&](const QString& t) { form.setAddress(t.trimmed().toStdString()); });
    QObject::connect(port, &QLineEdit::textEdited,
        [&](const QString& t) { form.setPort(t.trimmed().toStdString()); });
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        std::string error;
        if (auto chosen = form.confirm(error))
            return chosen;
        QMessageBox::critical(&dialog, QCoreApplication::translate("Prompts", "Erreur"),
            QCoreApplication::translate("LiveResultsDialog", "Erreur: %1").arg(qtText(error)));
    }
}

} // namespace ksy
