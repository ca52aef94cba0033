#include "pilot_commands.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/database_writers.h"
#include "databases/pilot_import.h"
#include "databases/pilot_sheet.h"
#include "platform/folder_lock.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/sheets/sheet_table.h"
#include "storage/work_folder.h"

#include <QStandardPaths>
#include <iostream>
#include <optional>
#include <string>

namespace ksycli {
namespace {

constexpr const char* kUsage = "usage: kestrametrix-cli pilots import FILE [--workdir DIR] "
                               "[--dry-run]\n       kestrametrix-cli pilots export "
                               "FILE.xlsx|FILE.csv [--workdir DIR]";

int fail(int status, const std::string& text)
{
    std::cerr << "kestrametrix-cli: " << text << "\n";
    return status;
}

std::filesystem::path fromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

struct Options {
    std::string verb;
    std::string file;
    std::optional<std::string> workdir;
    bool dryRun = false;
};

std::optional<Options> parse(int argc, char** argv)
{
    if (argc < 4)
        return std::nullopt;
    Options o {argv[2], argv[3], std::nullopt, false};
    if (o.verb != "import" && o.verb != "export")
        return std::nullopt;
    for (int i = 4; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--dry-run" && o.verb == "import" && !o.dryRun)
            o.dryRun = true;
        else if (option == "--workdir" && !o.workdir && i + 1 < argc)
            o.workdir = argv[++i];
        else
            return std::nullopt;
    }
    return o;
}

std::filesystem::path workFolder(const Options& o)
{
    return programWorkFolder(o.workdir);
}

std::string shown(const std::filesystem::path& p)
{
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

int importPilotsCommand(const Options& o)
{
    const ksy::SheetRead read = ksy::readSheetFile(fromUtf8(o.file));
    if (!read.table)
        return fail(2, o.file + " : " + read.error);
    const ksy::ColumnChoice columns = ksy::matchColumns(*read.table);
    if (!columns.hasName())
        return fail(2,
            ksy::fillText(ksy::translate("CliPilots",
                              "%1 : aucune colonne de nom (« Nom », « Nom complet », « Name », "
                              "« Full name »...) ; rien n'est importé."),
                {o.file}));
    const std::filesystem::path root = workFolder(o);
    std::error_code ec;
    if (!std::filesystem::is_directory(root, ec) &&
        (o.workdir || !std::filesystem::create_directories(root, ec)))
        return fail(2,
            ksy::fillText(ksy::translate("CliPilots", "le dossier de travail %1 n'existe pas"),
                {shown(root)}));
    // The program running on the folder would write its own table over ours.
    std::unique_ptr<ksy::FolderLock> lock;
    if (!o.dryRun) {
        lock = ksy::FolderLock::acquire(root);
        if (lock->status() == ksy::FolderLock::Status::HeldByOther)
            return fail(1,
                ksy::fillText(ksy::translate("CliPilots",
                                  "Kestrametrix est lancé sur le dossier de travail %1 : importez "
                                  "depuis « Base de données » → « Pilotes » ; rien n'est écrit."),
                    {shown(root)}));
    }
    const ksy::WorkFolder folder(root);
    const auto file = folder.file(ksy::kPilotFile);
    ksy::LoadedTable<ksy::Pilot> loaded = ksy::loadPilots(file);
    if (!loaded.opened && std::filesystem::exists(file, ec))
        return fail(2, ksy::openErrorText("Pilotes"));
    if (loaded.ignored > 0)
        return fail(2,
            ksy::ignoredRecordsText(loaded.ignored, ksy::kPilotCapacity, "Pilotes") +
                ksy::translate("CliPilots", ". Rien n'est importé, pour ne pas les perdre."));
    if (!loaded.refused.empty())
        std::cerr << "kestrametrix-cli: "
                  << ksy::refusedNamesText("Pilotes", loaded.refused) << "\n";

    const ksy::LoadedTable<ksy::Club> clubs = ksy::loadClubs(folder.file(ksy::kClubFile));
    const std::vector<std::string> clubNames = ksy::clubNames(clubs.records);
    const ksy::PilotImport import = ksy::importPilots(
        *read.table, columns, loaded.records, clubs.opened ? &clubNames : nullptr);
    for (const auto& row : import.rows)
        for (const auto& line : ksy::importReportLines(row))
            std::cout << line << "\n";
    std::cout << ksy::importSummary(import)
              << (o.dryRun ? ksy::translate("CliPilots", " (essai : rien n'est écrit)") : "")
              << "\n";
    std::cout.flush();
    if (!o.dryRun && (import.added > 0 || import.updated > 0) &&
        !ksy::writePilots(file, import.pilots))
        return fail(1, ksy::openErrorText("Pilotes"));
    return 0;
}

int exportPilotsCommand(const Options& o)
{
    const ksy::WorkFolder folder(workFolder(o));
    const ksy::LoadedTable<ksy::Pilot> loaded = ksy::loadPilots(folder.file(ksy::kPilotFile));
    if (!loaded.opened)
        return fail(2, ksy::openErrorText("Pilotes"));
    if (!ksy::writeSheetFile(fromUtf8(o.file), ksy::pilotSheet(loaded.records)))
        return fail(1, ksy::sheetWriteFailure(o.file));
    std::cout << ksy::fillText(ksy::translate("CliPilots", "%1 pilotes écrits dans %2"),
                     {std::to_string(loaded.records.size()), o.file})
              << "\n";
    return 0;
}

} // namespace

std::filesystem::path programWorkFolder(const std::optional<std::string>& workdirUtf8)
{
    if (workdirUtf8)
        return fromUtf8(*workdirUtf8);
    const QByteArray base =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toUtf8();
    return fromUtf8(base.toStdString()) / "Kestrametrix Sand Yachting";
}

int runPilotCommand(int argc, char** argv)
{
    const std::optional<Options> o = parse(argc, argv);
    if (!o)
        return fail(2, kUsage);
    return o->verb == "import" ? importPilotsCommand(*o) : exportPilotsCommand(*o);
}

} // namespace ksycli
