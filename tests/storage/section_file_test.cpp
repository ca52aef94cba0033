#include "services/prompts.h"
#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/section_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

std::string area(int reserve, const std::string& body)
{
    std::string a;
    for (int i = 0; i < reserve; ++i)
        a += "1\t";
    a += "\n";
    return a.replace(0, body.size(), body);
}

BodyWriter lines(std::vector<std::string> fields)
{
    return [fields](FieldWriter& w) {
        for (const auto& f : fields)
            w.text(f);
        w.endLine();
    };
}

} // namespace

TEST(SectionLookup, ExaminesTheFirstFieldOfEveryLine)
{
    const std::string file = "Head\tx\t\n"
                             "\n"
                             "PisteCourseBis\t\n" // only begins with the title
                             "a\tPisteCourse\t\n" // the title as a second field
                             "\n"
                             "PisteCourse\t\n"
                             "Nom\t\n";
    StringSource in(file);
    auto found = sectionLookup(in, "PisteCourse");
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.lastChar, 'N'); // first byte of the body, the source one past it
    EXPECT_EQ(in.position(), file.find("Nom") + 1);

    EXPECT_TRUE(sectionLookup(in, "Head").found); // the first line of the file too
    EXPECT_TRUE(sectionLookup(in, "Nom").found); // and body lines
    EXPECT_FALSE(sectionLookup(in, "Pist").found);

    StringSource empty("");
    EXPECT_FALSE(sectionLookup(empty, "PisteCourse").found);
}

TEST(SectionLookup, FFIsTextAndATitleAtTheEndHasAnEmptyBody)
{
    StringSource in("Ma\xFFtre\t\n\nCat\xE9gorieDrapeauxTreeview\t\n");
    auto found = sectionLookup(in, "Cat\xE9gorieDrapeauxTreeview");
    ASSERT_TRUE(found.found); // the 0xFF line did not stop the search
    EXPECT_EQ(found.lastChar, CharSource::kEnd);
    ASSERT_TRUE(findSectionBody(in, "Cat\xE9gorieDrapeauxTreeview"));
    FieldReader r(in);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(sectionLookup(in, "Ma\xFFtre").found);
}

TEST(SectionLookup, ComparesTheFirst104Bytes)
{
    const std::string title104(104, 'T');
    StringSource longer(title104 + "more\t\nbody\t\n");
    // The field buffer keeps 104 bytes; the rest of an overlong field is dropped.
    EXPECT_TRUE(sectionLookup(longer, title104).found);
    StringSource exact(title104 + "T\t\n");
    EXPECT_FALSE(sectionLookup(exact, title104 + "T").found); // can never be stored
}

TEST(FixedSlotRewrite, AppendsRewritesInPlaceAndKeepsTheTail)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, "");

    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 10, lines({"Course", "Club"})),
        RewriteResult::Written);
    EXPECT_EQ(readFile(file), "\nPisteCourse\t\nCourse\tClub\t\n\t1\t1\t1\t\n");

    ASSERT_EQ(fixedSlotRewrite(file, "Cat\xE9gorie1ListeParticipants", 4, lines({"A"})),
        RewriteResult::Written);
    const std::string second = "\nCat\xE9gorie1ListeParticipants\t\n" + area(4, "A\t\n");
    EXPECT_EQ(readFile(file), "\nPisteCourse\t\n" + area(10, "Course\tClub\t\n") + second);

    // A shorter body leaves the filler behind it; the next section keeps its place.
    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 10, lines({"X"})), RewriteResult::Written);
    const std::string expected = "\nPisteCourse\t\nX\t\n\t1\t1\t1\t1\t1\t1\t1\t1\t\n" + second;
    EXPECT_EQ(readFile(file), expected);

    // The same data twice: the same bytes.
    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 10, lines({"X"})), RewriteResult::Written);
    EXPECT_EQ(readFile(file), expected);

    // An integer read across the area's final LF goes on on the next line.
    writeFile(file, "\nT\t\n5\t\n7\t\n");
    auto f = FileStream::open(file, OpenMode::Update);
    ASSERT_TRUE(f && findSectionBody(*f, "T"));
    FieldReader r(*f);
    int a = 0, b = 0;
    EXPECT_TRUE(r.readInt(a) && r.readInt(b));
    EXPECT_EQ(b, 7);
}

TEST(FixedSlotRewrite, ABodyLargerThanItsAreaNeverOverwritesTheNextSection)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    const std::string header = "10000\t1\t\n";
    const std::string next = "\nCat\xE9gorie1ListeParticipants\t\n" + area(3, "Dupont\t\n");
    writeFile(file, header + "\nPisteCourse\t\n" + area(3, "a\t\n") + next);

    const std::string big = "Grand Prix de la plage\tClub\tParcours\t2\t";
    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 3, [&](FieldWriter& w) { w.raw(big + "\n"); }),
        RewriteResult::Written);
    const std::string bytes = readFile(file);
    // The area grew just enough; the next section moved down unchanged.
    EXPECT_EQ(bytes, header + "\nPisteCourse\t\n" + big + "\n" + next);

    auto f = FileStream::open(file, OpenMode::Update);
    ASSERT_TRUE(f && findSectionBody(*f, "Cat\xE9gorie1ListeParticipants"));
    FieldReader r(*f);
    EXPECT_EQ(r.readText(40), "Dupont");

    // The grown area is kept by the next, smaller rewrite, so nothing moves.
    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 3, lines({"b"})), RewriteResult::Written);
    const std::string after = readFile(file);
    EXPECT_EQ(after.size(), bytes.size());
    EXPECT_EQ(after.substr(after.size() - next.size()), next);

    // A reserve formula that grew since the section was made must not write
    // its whole new filler over the next section either.
    ASSERT_EQ(fixedSlotRewrite(file, "PisteCourse", 50, lines({"c"})), RewriteResult::Written);
    EXPECT_EQ(readFile(file).substr(bytes.size() - next.size()), next);
}

TEST(FixedSlotRewrite, ReportsFailuresWithTheirOwnTexts)
{
    ksy::test::TempDir dir;
    EXPECT_EQ(fixedSlotRewrite(dir.path() / "absent.race", "PisteCourse", 5, lines({"a"})),
        RewriteResult::CannotOpen);

    const auto file = dir.path() / "Course.race";
    writeFile(file, "");
    ksy::test::FakePrompts prompts;
    EXPECT_EQ(fixedSlotRewrite(file, std::string(105, 'T'), 5, lines({"a"}), &prompts),
        RewriteResult::TitleNotFound);
    EXPECT_EQ(readFile(file), ""); // nothing appended that could never be found again
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");

    EXPECT_EQ(sectionNotFoundMessage("PisteCourse"), "Erreur: Intitulé de Piste course non trouvé");
    EXPECT_EQ(sectionNotFoundMessage("Cat\xE9gorie3M2S14"),
        "Erreur: Intitulé de la Série de qualifs non trouvé");
    EXPECT_EQ(sectionNotFoundMessage("Cat\xE9gorie3M2Classement"),
        "Erreur: Intitulé Classement de manche qualifs non trouvé");
    EXPECT_EQ(sectionNotFoundMessage("Cat\xE9gorie9R\xE9partitionQualifs"),
        "Erreur: Intitulé de Répartition des qualifs non trouvé");
    EXPECT_EQ(sectionNotFoundMessage("Cat\xE9gorie1ClassementFinalQualifs"),
        "Erreur: Intitulé Classement global qualifs non trouvé");
    EXPECT_EQ(sectionNotFoundMessage("Cat\xE9gorieDrapeauxTreeview"),
        "Erreur: Intitulé des drapeaux séries du Treeview non trouvé");
}
