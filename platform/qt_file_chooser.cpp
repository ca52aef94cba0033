#include "platform/qt_file_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace ksy {

QString QtFileChooser::qtFilter(const FileFilter& filter)
{
    // The kind of file in the official's language; its pattern as it is.
    return QCoreApplication::translate("FileFilters", filter.description.c_str()) +
        QStringLiteral(" (") + QString::fromStdString(filter.pattern) + QStringLiteral(")");
}

std::optional<std::string> QtFileChooser::openFile(
    const std::string& initialFolder, const FileFilter& filter)
{
    // QFileDialog only returns existing files from its open mode and never
    // touches the process's current folder.
    const QString chosen = QFileDialog::getOpenFileName(parent_,
        QCoreApplication::translate("FileFilters", "Ouvrir"), QString::fromStdString(initialFolder),
        qtFilter(filter), nullptr, QFileDialog::ReadOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtFileChooser::saveFile(
    const std::string& presetName, const FileFilter& filter)
{
    // The overwrite question is on by default.
    const QString chosen = QFileDialog::getSaveFileName(parent_,
        QCoreApplication::translate("FileFilters", "Enregistrer sous"),
        QString::fromStdString(presetName), qtFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

} // namespace ksy
