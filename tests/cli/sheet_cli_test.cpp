// kestrametrix-cli with spreadsheets: an entry list imported into a fresh
// working folder and read back from the database file, the pilot database
// exported and imported again, and a ranking exported as .xlsx read back
// cell by cell against its text export.
#include "databases/database_loaders.h"
#include "results/ranking_race.h"
#include "storage/encoding.h"
#include "storage/sheets/sheet_table.h"
#include "support/fakes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ksy {
namespace {

const std::filesystem::path kSheets = std::filesystem::path(KSY_TEST_DATA_DIR) / "sheets";

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

class SheetCli : public ::testing::Test {
protected:
    CliResult cli(const std::string& arguments)
    {
        const auto out = dir.path() / "out";
        const auto err = dir.path() / "err";
        const std::string command = std::string(KSY_CLI_PATH) + " " + arguments + " > '" +
            out.string() + "' 2> '" + err.string() + "'";
        const int raw = std::system(command.c_str());
        return {(raw >> 8) & 0xFF, test::readFile(out), test::readFile(err)};
    }
    std::filesystem::path work() const { return dir.path() / "work"; }
    std::filesystem::path pilotFile() const
    {
        return work() / std::filesystem::path(u8"BaseDonnéesPilotes.bd");
    }

    test::TempDir dir;
};

TEST_F(SheetCli, ImportWritesTheDatabaseAndReportsEveryRow)
{
    std::filesystem::create_directories(work());
    const std::string sheet = (kSheets / "federation_fr.csv").string();
    // A trial run says what it would do and writes nothing.
    const CliResult dry = cli("pilots import " + sheet + " --workdir " + work().string() + " --dry-run");
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_FALSE(std::filesystem::exists(pilotFile()));

    const CliResult r = cli("pilots import " + sheet + " --workdir " + work().string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "ligne 2 : ajouté DUPONT Jean\n"
        "ligne 3 : ajouté LEFÈVRE Éloïse\n"
        "ligne 5 : refusé « MARTIN Paul » : le transpondeur « 12345678 » n'est pas un numéro "
        "de 1 à 6 chiffres\n"
        "ligne 6 : refusé « Catégorie1 Test » : le nom est réservé par le fichier de course\n"
        "2 ajoutés, 0 mis à jour, 2 refusés\n");
    EXPECT_EQ(test::readFile(pilotFile()),
        "DUPONT Jean\t\t\t\tBerck\t\t\t\t14/03/1986\t4512\t001201\tCV Berck\t\t\n" +
            cp1252("LEFÈVRE Éloïse\t\t\t\tÉtaples\t\t\t\t02/07/1990\t4513\t\tCV Berck\t\t\n"));

    // The same list again updates the two pilots, adding nobody.
    const CliResult again = cli("pilots import " + (kSheets / "engagements.xlsx").string() +
        " --workdir " + work().string());
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("ligne 4 : mis à jour DUPONT Jean\n"), std::string::npos);
    EXPECT_TRUE(again.out.ends_with("0 ajoutés, 1 mis à jour, 1 refusés\n")) << again.out;
    const auto pilots = loadPilots(pilotFile()).records;
    ASSERT_EQ(pilots.size(), 2u);
    EXPECT_EQ(pilots[0].club, cp1252("CV & Char à voile"));
    EXPECT_EQ(pilots[0].city, "Berck"); // not in the workbook: kept
}

TEST_F(SheetCli, UnreadableFileOrNoNameColumnWritesNothing)
{
    std::filesystem::create_directories(work());
    const auto noName = dir.path() / "clubs.csv";
    test::writeFile(noName, "Club;Ville\nCV Berck;Berck\n");
    for (const std::string& file :
        {noName.string(), (kSheets / "bomb.xlsx").string(), (dir.path() / "absent.ods").string()}) {
        const CliResult r = cli("pilots import " + file + " --workdir " + work().string());
        EXPECT_EQ(r.status, 2) << file;
        EXPECT_EQ(r.out, "") << file;
        EXPECT_NE(r.err, "") << file;
    }
    EXPECT_FALSE(std::filesystem::exists(pilotFile()));
    EXPECT_EQ(cli("pilots import").status, 2);
    EXPECT_EQ(cli("pilots import x.csv --bogus").status, 2);
}

TEST_F(SheetCli, ExportedDatabaseImportsBackUnchanged)
{
    std::filesystem::create_directories(work());
    const std::string original =
        "DUPONT Jean\t1 rue\tB\xE2t. B\t62600\tBerck\tFrance\t0612\tj@x.fr\t14/03/1986\t4512\t"
        "001201\tCV Berck\tphoto.bmp\t\n" +
        cp1252("SØRENSEN Åsa\t\t\t\t\tDanemark\t\t\t\tDK-77\t654321\t\t\t\n");
    test::writeFile(pilotFile(), original);
    for (const std::string name : {"pilotes.xlsx", "pilotes.csv"}) {
        const auto sheet = (dir.path() / name).string();
        const CliResult out = cli("pilots export " + sheet + " --workdir " + work().string());
        ASSERT_EQ(out.status, 0) << out.err;
        std::filesystem::remove(pilotFile());
        const CliResult in = cli("pilots import " + sheet + " --workdir " + work().string());
        EXPECT_EQ(in.status, 0) << in.err;
        EXPECT_TRUE(in.out.ends_with("2 ajoutés, 0 mis à jour, 0 refusés\n")) << in.out;
        // The photo is not in the sheet; everything else comes back.
        std::string expected = original;
        expected.replace(expected.find("photo.bmp"), 9, "");
        EXPECT_EQ(test::readFile(pilotFile()), expected) << name;
        test::writeFile(pilotFile(), original);
    }
    EXPECT_EQ(test::readFile(dir.path() / "pilotes.csv").substr(0, 8), "\xEF\xBB\xBFNom;A");
}

TEST_F(SheetCli, RankingAsXlsxMatchesItsTextExportCellByCell)
{
    test::RankingRace race(dir.path() / "Course.race", {"Ang\xE8le", "Bruno", "Chloe"}, 3, 2);
    race.storeHeat(1, 1, {{"Bruno", 5, 300000, 58000}, {"Ang\xE8le", 5, 290000, 59000}});
    const auto xlsx = dir.path() / "manche.xlsx";
    const auto csv = dir.path() / "manche.csv";
    const CliResult r = cli("ranking " + race.file().string() + " --category 1 --round 1 --xlsx " +
        xlsx.string() + " --csv " + csv.string());
    ASSERT_EQ(r.status, 0) << r.err;
    const SheetRead read = readSheetFile(xlsx);
    ASSERT_TRUE(read.table) << read.error;
    // Every non-empty line of the text export is a row, its fields in order,
    // with the seconds after each time.
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : read.table->rows)
        rows.push_back(row.cells);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string> {"Course : Grand Prix - Plage Nord"}));
    EXPECT_EQ(rows[3], (std::vector<std::string> {"Place", "Nom", "Tours", "Temps total",
                           "Temps total (s)", "Meilleur tour", "Meilleur tour (s)", "Points"}));
    EXPECT_EQ(rows[4],
        (std::vector<std::string> {"1", "Angèle", "5", "4:50.000", "290", "59.000", "59", "0"}));
    EXPECT_EQ(rows[5],
        (std::vector<std::string> {"2", "Bruno", "5", "5:00.000", "300", "58.000", "58", "2"}));
    EXPECT_EQ(read.table->rows[3].line, 5u); // the blank lines of the export are kept
    const std::string csvText = test::readFile(csv);
    EXPECT_NE(csvText.find("\r\n1;Angèle;5;4:50.000;290;59.000;59;0\r\n"), std::string::npos)
        << csvText;
    // A spreadsheet that cannot be written fails the command and leaves nothing.
    const CliResult bad = cli("global " + race.file().string() + " --category 1 --xlsx " +
        (dir.path() / "no" / "x.xlsx").string());
    EXPECT_EQ(bad.status, 2);
}

} // namespace
} // namespace ksy
