#include "storage/field_reader.h"
#include "storage/field_writer.h"

#include <gtest/gtest.h>

using namespace ksy;

TEST(FieldReader, TextFieldsStopAtTheirTerminatorAndWidth)
{
    StringSource in("Dupont\tJean\nLast\t\tToo long a name\tend");
    FieldReader r(in);
    EXPECT_EQ(r.readText(40), "Dupont");
    EXPECT_EQ(r.lastTerminator(), '\t');
    EXPECT_EQ(r.readText(40), "Jean"); // last of its line: the LF ends it
    EXPECT_EQ(r.lastTerminator(), '\n');
    EXPECT_EQ(r.readText(40), "Last");
    EXPECT_EQ(r.readText(40), ""); // empty field
    EXPECT_EQ(r.readText(4), "Too"); // width counts the terminating zero
    EXPECT_EQ(r.readText(40), "end"); // the end of the data ends a field too
    EXPECT_EQ(r.lastTerminator(), CharSource::kEnd);
    EXPECT_TRUE(r.atEnd());

    StringSource keepsLf("a\nb\tc");
    FieldReader tabOnly(keepsLf);
    EXPECT_EQ(tabOnly.readText(40, false), "a\nb");
}

TEST(FieldReader, ByteFFIsTextNotTheEndOfTheFile)
{
    StringSource in("Ma\xFFtre\t\xFF\t7\t");
    FieldReader r(in);
    EXPECT_EQ(r.readText(40), "Ma\xFFtre");
    EXPECT_EQ(r.readText(40), "\xFF");
    int value = 0;
    EXPECT_TRUE(r.readInt(value));
    EXPECT_EQ(value, 7);
}

TEST(FieldReader, IntegersFollowScanfAcrossLineEnds)
{
    StringSource in("  12\t-3\t\n\n+40\t\n7\tname\t");
    FieldReader r(in);
    int a = 0, b = 0, c = 0, d = 0;
    EXPECT_TRUE(r.readInt(a));
    EXPECT_TRUE(r.readInt(b));
    EXPECT_TRUE(r.readInt(c)); // the empty lines are white space
    EXPECT_TRUE(r.readInt(d));
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, -3);
    EXPECT_EQ(c, 40);
    EXPECT_EQ(d, 7);
    // The white space after a number is eaten: the next field starts clean.
    EXPECT_EQ(r.readText(40), "name");
}

TEST(FieldReader, MalformedIntegerKeepsTheDestination)
{
    StringSource in("x1\t-\t99999999999\t5\t");
    FieldReader r(in);
    int value = 42;
    EXPECT_FALSE(r.readInt(value));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(r.readText(40), "x1"); // the offending byte is still there
    EXPECT_FALSE(r.readInt(value)); // a sign alone
    EXPECT_EQ(value, 42);
    r.readText(40);
    EXPECT_FALSE(r.readInt(value)); // does not fit an int
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(r.readInt(value));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(r.readInt(value)); // end of data
    EXPECT_EQ(value, 5);
}

TEST(FieldReader, LineSkippingHandsOverTheNextRecordIntact)
{
    StringSource in("a\tb\tc\t\n\n\n\nNext\t\n");
    FieldReader r(in);
    EXPECT_EQ(r.readText(40), "a");
    r.skipLine();
    r.skipEmptyLines();
    EXPECT_EQ(r.readText(40), "Next"); // its first byte was not lost
    r.skipEmptyLines();
    EXPECT_TRUE(r.atEnd());
    r.skipLine(); // at the end: nothing to do, no hang
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldWriter, WritesTabTerminatedFields)
{
    FieldWriter w;
    w.text("Jean").integer(-12).integer(0).text("").endLine();
    EXPECT_EQ(w.str(), "Jean\t-12\t0\t\t\n");

    FieldWriter cut;
    cut.text(std::string("ab\0cd", 5)).text("abcdef", 4).text("a\tb\nc");
    // "%s" stops at the zero; a width keeps width - 1 bytes; a TAB or LF in
    // a name would shift every later field, so it becomes a space.
    EXPECT_EQ(cut.str(), "ab\tabc\ta b c\t");
}
