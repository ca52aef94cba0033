#include "platform/print_file.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QStandardPaths>
#include <map>

namespace ksy {

QString reportFileBaseName(const std::string& documentName)
{
    // The reports' spooler names are upper case without accents.
    static const std::map<std::string, const char*> named = {
        {"LISTE PILOTES", "Liste pilotes"},
        {"REPARTITION QUALIFS", "Répartition qualifs"},
        {"CLASSEMENT MANCHE", "Classement manche"},
        {"CLASSEMENT FINAL", "Classement final"},
        {"RESULTATS SERIE", "Résultats série"},
        {"SYNTHESE RUN", "Synthèse run"},
    };
    const std::string head = documentName.substr(0, documentName.find(" : "));
    if (const auto it = named.find(head); it != named.end())
        return QString::fromUtf8(it->second);
    QString name = QString::fromUtf8(head.c_str()).trimmed().toLower();
    if (name.isEmpty())
        return QStringLiteral("Document");
    name[0] = name[0].toUpper();
    // Characters a file name cannot hold on every system.
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        name.replace(c, QLatin1Char(' '));
    return name;
}

namespace {

QString documentsFolder()
{
    // A documents folder that is not there (no desktop set it up) would make
    // the dialog refuse the proposal: the home folder is proposed instead.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder;
}

} // namespace

QString proposedPdfNamed(const std::string& baseNameUtf8)
{
    QString name = QString::fromUtf8(baseNameUtf8.c_str()).trimmed();
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        name.replace(c, QLatin1Char(' '));
    if (name.isEmpty())
        name = QStringLiteral("Document");
    return QDir(documentsFolder()).filePath(name + QStringLiteral(".pdf"));
}

QString proposedReportPdf(const std::string& documentName)
{
    // A documents folder that is not there (no desktop set it up) would make
    // the dialog refuse the proposal: the home folder is proposed instead.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(reportFileBaseName(documentName) + QStringLiteral(".pdf"));
}

void proposePrintFile(QPrintDialog& dialog, const std::string& documentName)
{
    if (auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        field->setText(proposedReportPdf(documentName));
}

} // namespace ksy
