#include "platform/sheet_save.h"

#include "platform/print_file.h"

#include <QCoreApplication>
#include <QString>

namespace ksy {

FileFilter sheetSaveFilter()
{
    return {QCoreApplication::translate("SheetSave", "Classeur (.xlsx .csv)").toStdString(),
        "*.xlsx *.csv"};
}

bool saveSheetAs(
    const OutSheet& sheet, FileChooser& files, Prompts& prompts, const std::string& presetName)
{
    const auto chosen = files.saveFile(presetName, sheetSaveFilter());
    // A pattern typed as the name is no file to write.
    if (!chosen || chosen->empty() || chosen->find('*') != std::string::npos)
        return false;
    std::string name = *chosen;
    const QString lower = QString::fromStdString(name).toLower();
    if (!lower.endsWith(QStringLiteral(".xlsx")) && !lower.endsWith(QStringLiteral(".csv")))
        name += ".xlsx";
    const std::filesystem::path file(std::u8string(name.begin(), name.end()));
    if (!writeSheetFile(file, sheet)) {
        prompts.error(sheetWriteFailure(name));
        return false;
    }
    return true;
}

std::string proposedSheetNamed(const std::string& baseNameUtf8)
{
    QString pdf = proposedPdfNamed(baseNameUtf8);
    pdf.chop(4);
    return (pdf + QStringLiteral(".xlsx")).toStdString();
}

} // namespace ksy
