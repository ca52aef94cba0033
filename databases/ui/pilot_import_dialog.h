#pragma once
// "Importer…" of the pilot editor: the entry list chosen in a file dialog is
// read (a progress bar shows while a long file is read), then previewed: the
// column taken for each field, which the official may change, and for every
// row what will happen to it, with the counts of added, updated and refused
// rows. "Importer" hands the new table to the editor, "Echap" drops it.
// The participants dialog's "Importer la liste…" shows the same preview with
// its own plan of the rows (entered, updated, refused) and the frequency.
#include "databases/pilot_import.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace ksy {

// What the preview shows of an import planned with the chosen columns.
struct ImportPreviewRow {
    std::size_t line = 0; // the sheet's row number
    QString outcome; // "ajouté", "refusé" ...
    QString name;
    QString remark; // the reason of a refusal, warnings
};
struct ImportPreview {
    std::vector<ImportPreviewRow> rows;
    QString summary; // the counts
    bool importable = false; // something would be taken
};
// Called again whenever the official changes a column.
using ImportPlanner = std::function<ImportPreview(const ColumnChoice&)>;

class PilotImportDialog : public QDialog {
    Q_OBJECT
public:
    // clubs: Windows-1252 names of the club database, nothing when unread.
    PilotImportDialog(SheetTable table, std::vector<Pilot> pilots,
        std::optional<std::vector<std::string>> clubs, QWidget* parent = nullptr);
    // Any other list: `planner` says what would become of each row;
    // `frequency`: the frequency column is offered too.
    PilotImportDialog(SheetTable table, ImportPlanner planner, const QString& title,
        const QString& heading, bool frequency, QWidget* parent = nullptr);

    const PilotImport& plan() const { return plan_; }
    const ColumnChoice& columns() const { return columns_; }
    // The column chosen for a field (nothing: none), as its drop-down does.
    void chooseColumn(SheetField field, std::optional<std::size_t> column);

private:
    void recompute();

    SheetTable table_;
    ImportPlanner planner_;
    ColumnChoice columns_;
    PilotImport plan_;
    std::array<QComboBox*, kSheetFieldCount> choosers_ {};
    QTableWidget* rows_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* import_ = nullptr;
};

// The file dialog, the reading and the preview; the new pilot table when the
// official pressed "Importer", nothing otherwise (a file that cannot be read
// is reported through `prompts`).
std::optional<std::vector<Pilot>> importPilotList(QWidget* parent, FileChooser& files,
    Prompts& prompts, const WorkFolder& folder, const std::vector<Pilot>& pilots);

// The file filter of the entry lists: "Listes (.csv .xlsx .ods .txt)".
FileFilter entryListFilter();

// Reads the chosen sheet while a progress bar shows, the window kept alive.
SheetRead readSheetShowingProgress(QWidget* parent, const std::string& fileUtf8);

} // namespace ksy
