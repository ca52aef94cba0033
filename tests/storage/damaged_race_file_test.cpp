// Race files that went through an editor, a mail, a full disk or a crash:
// read or refused by name, never wiped.
#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

const std::string kTrack = "PisteCourse";

BodyWriter body(const std::string& text)
{
    return [text](FieldWriter& w) { w.raw(text); };
}

// A new race with a track, one participant list and a heat behind it.
std::string smallRace(const std::filesystem::path& file)
{
    Race race;
    EXPECT_TRUE(createNewRaceFile(file, race));
    race.category(1).participants = 2;
    EXPECT_TRUE(writeRaceHeader(file, race.header));
    fixedSlotRewrite(file, kTrack, 75, body("GP\tClub\tPlage\t\n"));
    fixedSlotRewrite(file, participantListTitle(1), 40, body("Dupont\t1\t\nMartin\t2\t\n"));
    fixedSlotRewrite(file, heatResultTitle(1, 1, 1), 30, body("Dupont\t3\t\n"));
    return readFile(file);
}

std::string withCrLf(const std::string& bytes)
{
    std::string out;
    for (char c : bytes) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string firstText(const std::filesystem::path& file, const std::string& title)
{
    auto f = FileStream::open(file, OpenMode::Read);
    if (!f || !findSectionBody(*f, title))
        return "(absent)";
    FieldReader r(*f);
    return r.readText(40);
}

} // namespace

TEST(DamagedRaceFile, CrLfFileIsReadAndARewriteStaysInsideItsArea)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    const std::string lf = smallRace(file);
    Race expected;
    ASSERT_TRUE(loadRace(file, expected));

    const std::string crlf = withCrLf(lf);
    writeFile(file, crlf);
    EXPECT_EQ(checkRaceFile(file), std::nullopt);
    Race race;
    ASSERT_TRUE(loadRace(file, race));
    EXPECT_EQ(race.header, expected.header);
    EXPECT_EQ(race.participants.listed(1), expected.participants.listed(1));
    EXPECT_EQ(race.trackName, "Plage"); // a last field of its line, before CR LF

    // The track's area ends before the next title: the sections behind it
    // keep every byte.
    ASSERT_EQ(fixedSlotRewrite(file, kTrack, 75, body("Autre\t\n")), RewriteResult::Written);
    const std::string after = readFile(file);
    const std::size_t next = crlf.find("\r\n\r\nCat\xE9gorie1ListeParticipants") + 2;
    ASSERT_GT(next, 2u);
    EXPECT_EQ(after.substr(next), crlf.substr(next));
    EXPECT_EQ(after.size(), crlf.size());
    EXPECT_EQ(firstText(file, kTrack), "Autre");
    EXPECT_EQ(firstText(file, participantListTitle(1)), "Dupont");
    EXPECT_EQ(firstText(file, heatResultTitle(1, 1, 1)), "Dupont");

    // So does the header, and a section appended behind the CR LF ones.
    ASSERT_TRUE(writeRaceHeader(file, race.header));
    ASSERT_EQ(fixedSlotRewrite(file, heatResultTitle(1, 1, 2), 30, body("Martin\t\n")),
        RewriteResult::Written);
    EXPECT_EQ(readFile(file).substr(next, crlf.size() - next), crlf.substr(next));
}

TEST(DamagedRaceFile, TitlesWithoutTheirEmptyLineOrTheLastLineEndStillBoundTheAreas)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    const std::string bytes = smallRace(file);

    // A file cut inside its last area: the last line lost its LF.
    const std::size_t heat = bytes.find(heatResultTitle(1, 1, 1));
    const std::string cut = bytes.substr(0, heat + 30);
    writeFile(file, cut);
    ASSERT_EQ(fixedSlotRewrite(file, heatResultTitle(1, 1, 2), 30, body("Martin\t\n")),
        RewriteResult::Written);
    // The line end came back before the new section, which a later rewrite
    // of the cut one must not overwrite.
    EXPECT_EQ(readFile(file).substr(0, cut.size() + 2), cut + "\n\n");
    ASSERT_EQ(fixedSlotRewrite(file, heatResultTitle(1, 1, 1), 30, body("Dupont\t4\t\n")),
        RewriteResult::Written);
    EXPECT_EQ(firstText(file, heatResultTitle(1, 1, 2)), "Martin");
    EXPECT_EQ(firstText(file, heatResultTitle(1, 1, 1)), "Dupont");

    // Empty lines in front of titles removed (an editor's clean-up).
    std::string packed = bytes;
    for (std::size_t at; (at = packed.find("\n\nCat\xE9gorie")) != std::string::npos;)
        packed.erase(at, 1);
    writeFile(file, packed);
    ASSERT_EQ(fixedSlotRewrite(file, kTrack, 75, body("X\t\n")), RewriteResult::Written);
    const std::string after = readFile(file);
    const std::size_t list = packed.find("Cat\xE9gorie1ListeParticipants");
    EXPECT_EQ(after.substr(list), packed.substr(list));
}

TEST(DamagedRaceFile, FilesThatAreNoRaceAreRefusedByNameAndNothingIsReplaced)
{
    ksy::test::TempDir dir;
    const WorkFolder wf(dir.path());
    const std::string working = smallRace(workingRaceFile(wf));
    const std::string good = dir.path() / "gp.race";
    writeFile(good, working);
    EXPECT_EQ(checkRaceFile(good), std::nullopt);

    const auto refusal = [&](const std::string& name, const std::string& bytes) {
        const auto file = dir.path() / name;
        writeFile(file, bytes);
        return checkRaceFile(file).value_or("(accepted)");
    };
    // Re-encoded as UTF-8: the titles with "é" are no longer there.
    std::string utf8;
    for (char c : working)
        utf8 += c == '\xE9' ? std::string("\xC3\xA9") : std::string(1, c);
    const std::string text = refusal("utf8.race", utf8);
    EXPECT_NE(text.find("Erreur: le fichier"), std::string::npos) << text;
    EXPECT_NE(text.find("utf8.race"), std::string::npos) << text;
    EXPECT_NE(text.find("Cat\xC3\xA9gorieDrapeauxTreeview introuvable"), std::string::npos);

    EXPECT_NE(refusal("garbage.race", "\x89PNG\r\n\x1a\n").find("ne commence pas par un nombre"),
        std::string::npos);
    EXPECT_NE(refusal("empty.race", "").find("empty.race"), std::string::npos);
    EXPECT_NE(refusal("cut.race", working.substr(0, 700)).find("introuvable"), std::string::npos);
    // The header counts participants whose list is gone.
    const std::size_t list = working.find("\n\nCat\xE9gorie1ListeParticipants");
    EXPECT_NE(refusal("nolist.race", working.substr(0, list + 1)).find("ListeParticipants"),
        std::string::npos);

    // Numbers of the header no race can hold are named with their line,
    // not taken for a section that cannot be found.
    const auto header = [&](const std::string& from, const std::string& to) {
        std::string bytes = working;
        bytes.replace(bytes.find(from), from.size(), to);
        return refusal("header.race", bytes);
    };
    const std::string count = working.substr(0, working.find('\t') + 1);
    EXPECT_NE(header(count + "1\t", count + "12\t")
                  .find("(ligne 1 : nombre de catégories 12 "
                        "hors limites (0 à 9))"),
        std::string::npos);
    EXPECT_NE(header(count + "1\t", count + "-1\t").find("catégories -1 hors limites"),
        std::string::npos);
    EXPECT_NE(header("CATEGORIE 1\t2\t", "CATEGORIE 1\t900\t")
                  .find("ligne 1 : nombre de participants de la catégorie 1 900 hors limites"),
        std::string::npos);

    // A folder where a race file should be: an error, not an empty race.
    std::filesystem::create_directory(dir.path() / "dossier.race");
    EXPECT_NE(checkRaceFile(dir.path() / "dossier.race").value_or("").find("impossible de lire"),
        std::string::npos);
    EXPECT_FALSE(loadIntoWorkingRace(wf, dir.path() / "dossier.race"));
    Race race;
    race.trackName = "kept";
    EXPECT_FALSE(loadRace(dir.path() / "dossier.race", race));
    EXPECT_EQ(race.trackName, "kept");
    EXPECT_EQ(readFile(workingRaceFile(wf)), working);
}
