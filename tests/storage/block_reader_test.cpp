// The block reader, its line scan and its index of titles against the
// byte-at-a-time lookup they replace: the same answers, at the same places,
// on files made to trip them.
#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/section_file.h"
#include "storage/section_index.h"
#include "support/fakes.h"

#include <gtest/gtest.h>
#include <random>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

struct LookupAnswer {
    bool found = false;
    int lastChar = CharSource::kEnd;
    long position = 0;
    std::string fields; // what a reader then reads, fields joined by '|'
    bool operator==(const LookupAnswer&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LookupAnswer& a)
{
    return out << a.found << " " << a.lastChar << " @" << a.position << " " << a.fields;
}

// The lookup as it was: one byte at a time, a 105-byte field buffer.
LookupAnswer byteByByte(const std::string& bytes, const std::string& title)
{
    std::size_t pos = 0;
    const auto get = [&]() -> int {
        return pos < bytes.size() ? static_cast<unsigned char>(bytes[pos++]) : -1;
    };
    std::array<char, 105> wanted {};
    std::copy(title.begin(), title.end(), wanted.begin());
    int c = get();
    while (c != -1) {
        std::array<char, 105> field {};
        std::size_t n = 0;
        while (c != '\t' && c != '\n' && c != -1) {
            if (n < 104)
                field[n++] = static_cast<char>(c);
            c = get();
        }
        while (c != '\n' && c != -1)
            c = get();
        c = get();
        if (field == wanted)
            return {true, c, static_cast<long>(pos), ""};
    }
    return {};
}

// Answers of a source, with the first fields of the body read after it.
LookupAnswer lookup(CharSource& in, const std::string& title)
{
    const SectionLookupResult r = sectionLookup(in, title);
    LookupAnswer a {r.found, r.lastChar, r.found ? in.offset() : 0, ""};
    if (r.found) {
        in.unget();
        FieldReader reader(in);
        for (int i = 0; i < 3; ++i)
            a.fields += reader.readText(200) + "|";
    }
    return a;
}

LookupAnswer withFields(const std::string& bytes, const std::string& title)
{
    LookupAnswer a = byteByByte(bytes, title);
    if (a.found) {
        StringSource in(bytes);
        in.seekTo(a.lastChar == CharSource::kEnd ? a.position : a.position - 1);
        FieldReader reader(in);
        for (int i = 0; i < 3; ++i)
            a.fields += reader.readText(200) + "|";
    }
    return a;
}

std::string title(int c, int r, int h)
{
    return "Cat\xE9gorie" + std::to_string(c) + "M" + std::to_string(r) + "S" + std::to_string(h);
}

// Sections whose title lines fall on every byte around the 64 KB block
// boundary, a title split across reads, title-like first fields in bodies,
// a duplicate title, an overlong field.
std::string trickyFile(long blockSize, int shift)
{
    std::string out = "10000\t1\tCATEGORIE 1\t\n";
    int h = 1;
    while (out.size() < static_cast<std::size_t>(blockSize) - 300)
        out += "\n" + title(1, 1, h++) + "\t\n" + std::string(997, 'x') + "\t\n";
    out += std::string(static_cast<std::size_t>(blockSize - shift) - out.size() % blockSize, 'y');
    out += "\n";
    for (int i = 0; i < 120; ++i) {
        out += "\n" + title(2, 1, i) + "\t\nPilote " + std::to_string(i) + "\t5\t\n";
        out += title(3, 1, i) + "\tcorps\t\n"; // a title as a body line's first field
    }
    out += "\n" + title(2, 1, 7) + "\t\nsecond\t\n"; // never found: the first one wins
    out += std::string(150, 'L') + "\t\n";
    out += "\nPisteCourse\t\nGP\tClub\tPlage"; // the last line without LF
    return out;
}

std::vector<std::string> titlesOf()
{
    std::vector<std::string> titles = {"PisteCourse", title(1, 1, 1), title(1, 1, 9),
        title(2, 1, 7), title(3, 1, 0), title(3, 1, 119), title(9, 9, 20), "Pilote 3",
        std::string(104, 'L'), "Cat\xE9gorie"};
    for (int i = 0; i < 120; i += 7)
        titles.push_back(title(2, 1, i));
    return titles;
}

void expectSameAnswers(
    const std::filesystem::path& file, const std::string& bytes, const std::string& where)
{
    for (const std::string& t : titlesOf()) {
        const LookupAnswer old = withFields(bytes, t);
        auto f = FileStream::open(file, OpenMode::Read);
        ASSERT_TRUE(f);
        EXPECT_EQ(lookup(*f, t), old) << where << " " << t;
        StringSource s(bytes);
        EXPECT_EQ(lookup(s, t), old) << where << " (memory) " << t;
    }
}

} // namespace

TEST(BlockReader, SameAnswersAsTheByteLookupAroundBlockBoundariesAndAfterRewrites)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    for (int shift = 0; shift <= 110; shift += 5) {
        const std::string bytes = trickyFile(64 * 1024, shift);
        writeFile(file, bytes);
        indexForget(file);
        expectSameAnswers(file, bytes, "shift " + std::to_string(shift));
    }

    // The index follows the program's own writes: sections rewritten with
    // title-like first fields, grown, appended, the header rewritten.
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) {
        const int heat = static_cast<int>(random() % 120);
        std::string body;
        if (random() % 3 == 0)
            body = title(3, 1, static_cast<int>(random() % 120)) + "\tx\t\n";
        body += std::string(random() % 3 == 0 ? 200 : 5, 'b') + "\t\n";
        fixedSlotRewrite(file, title(2, 1, heat), 2, [&](FieldWriter& w) { w.raw(body); });
        if (i % 10 == 0)
            fixedSlotRewrite(
                file, title(4, 1, i), 3, [&](FieldWriter& w) { w.raw("Nouveau\t\n"); });
        expectSameAnswers(file, readFile(file), "rewrite " + std::to_string(i));
    }
}

TEST(BlockReader, CrLfLinesGiveTheSameNamesAndALargeFileTheSameAnswers)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    const std::string lf = trickyFile(64 * 1024, 3);
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeFile(file, crlf);
    for (const std::string& t : titlesOf()) {
        StringSource s(lf);
        const LookupAnswer fromLf = lookup(s, t);
        auto f = FileStream::open(file, OpenMode::Read);
        const LookupAnswer fromCrLf = lookup(*f, t);
        EXPECT_EQ(fromCrLf.found, fromLf.found) << t;
        EXPECT_EQ(fromCrLf.fields, fromLf.fields) << t;
    }

    // About 43 MB, the size of the largest race.
    std::string large;
    large.reserve(44u << 20);
    large = "10000\t9\t\n";
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            for (int h = 1; h <= 20; ++h) {
                large += "\n" + title(c, r, h) + "\t\n";
                for (int k = 0; k < 20; ++k)
                    large += "PILOTE " + std::to_string(k) + "\t" + std::string(1300, '7') + "\t\n";
                large += std::string(2 * 617, '1') + "\n";
            }
    ASSERT_GT(large.size(), 40u << 20);
    writeFile(file, large);
    for (const std::string& t : {title(9, 9, 20), title(5, 3, 11), title(9, 9, 21)}) {
        const LookupAnswer old = byteByByte(large, t);
        auto f = FileStream::open(file, OpenMode::Read);
        const SectionLookupResult r = sectionLookup(*f, t);
        EXPECT_EQ((LookupAnswer {r.found, r.lastChar, r.found ? f->offset() : 0, ""}), old) << t;
    }
}
