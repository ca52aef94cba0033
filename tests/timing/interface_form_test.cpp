#include "timing/interface_form.h"

#include "support/fake_serial_link.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

struct DialogBench {
    test::TempDir dir;
    WorkFolder folder{dir.path()};
    test::FakeClock clock;
    test::FakeSerialLink port;
    test::FakePrompts prompts;
    DecoderLink link{port, clock, prompts, folder};
    InterfaceForm form{link, prompts, {"COM1", "COM2", "COM3"}};

    DialogBench() { port.clock = &clock; }
    void store(const std::string& line) { test::writeFile(folder.file(kInterfaceSettingsFile), line); }
    std::string file() const { return test::readFile(folder.file(kInterfaceSettingsFile)); }
};

TEST(InterfaceForm, OpeningShowsTheStoredStateAndStopsTheWatch)
{
    DialogBench b;
    b.store("COM2\t1\tKestrametrixRC2\n");
    test::behaveAsRc2(b.port);
    b.link.startUp();
    b.link.tick(std::nullopt);
    ASSERT_TRUE(b.link.keepAliveOn());

    b.form.open();
    EXPECT_FALSE(b.link.keepAliveOn());
    EXPECT_EQ(b.form.chosenPort(), "COM2");
    EXPECT_EQ(b.form.shownModel(), DecoderModel::Rc2);
    EXPECT_EQ(b.form.messages(), " Interface RC2 prête à fonctionner.\r\n");
    EXPECT_STREQ(b.form.indicatorImage(), "images/voyantVert.bmp");

    // Closing: the next tick reads the file again and the watch resumes.
    b.form.close();
    b.link.tick(std::nullopt);
    EXPECT_TRUE(b.link.keepAliveOn());

    DialogBench rc1;
    rc1.store("COM1\t1\tKestrametrix\n");
    rc1.form.open();
    EXPECT_EQ(rc1.form.messages(), " Interface RC1 prête à fonctionner.\r\n");
    DialogBench off;
    off.store("/dev/pts/7\t0\tKestrametrix\n");
    off.form.open();
    EXPECT_EQ(off.form.messages(), " Port COM non ouvert !\r\n");
    EXPECT_STREQ(off.form.indicatorImage(), "images/voyantRouge.bmp");
    // A stored name the system does not list is still offered.
    EXPECT_EQ(off.form.portNames().back(), "/dev/pts/7");

    DialogBench missing;
    missing.form.open();
    EXPECT_EQ(missing.prompts.texts(),
              std::vector<std::string>{"Erreur: impossible d'ouvrir le fichier interface Port COM"});
    EXPECT_FALSE(missing.form.connected());
}

TEST(InterfaceForm, OuvrirIdentifiesTheDecoderAndRecordsTheOutcome)
{
    DialogBench b;
    b.store("COM1\t0\tKestrametrix\n");
    b.form.open();
    b.port.openable = {"COM1", "COM2"};

    // Nothing answers within 100 ms: an RC1, connected.
    b.form.chooseModel(DecoderModel::Rc2);
    ASSERT_TRUE(b.form.choosePort("COM2"));
    b.form.openPort();
    EXPECT_EQ(b.port.opened.back(), "COM2");
    EXPECT_EQ(b.form.shownModel(), DecoderModel::Rc1);
    EXPECT_EQ(b.form.messages(), " Tentative à l'ouverture du port COM:\r\n"
                                 " Ouverture du port COM OK !\r\n"
                                 " Interface RC1 prête à fonctionner.\r\n");
    EXPECT_EQ(b.file(), "COM2\t1\tKestrametrix\n");
    EXPECT_STREQ(b.form.indicatorImage(), "images/voyantVert.bmp");

    // An RC2 answers.
    test::behaveAsRc2(b.port);
    b.form.openPort();
    EXPECT_EQ(b.form.shownModel(), DecoderModel::Rc2);
    EXPECT_EQ(b.form.messages(), " Tentative à l'ouverture du port COM:\r\n"
                                 " Ouverture du port COM OK !\r\n"
                                 " Interface RC2 prête à fonctionner.\r\n");
    EXPECT_EQ(b.file(), "COM2\t1\tKestrametrixRC2\n");

    // A port that does not exist: the old one is closed, the file holds the
    // chosen port, 0 and "Kestrametrix", the light is red.
    ASSERT_TRUE(b.form.choosePort("COM3"));
    b.form.openPort();
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_EQ(b.form.messages(), " Tentative à l'ouverture du port COM:\r\n"
                                 " Echec à l'ouverture du port COM !\r\n");
    EXPECT_EQ(b.file(), "COM3\t0\tKestrametrix\n");
    EXPECT_STREQ(b.form.indicatorImage(), "images/voyantRouge.bmp");
}

TEST(InterfaceForm, TypedPortNamesThatCannotBeStoredAreRefused)
{
    DialogBench b;
    b.form.open();
    EXPECT_FALSE(b.form.choosePort(""));
    EXPECT_FALSE(b.form.choosePort("/dev/tty\tUSB0"));
    EXPECT_FALSE(b.form.choosePort("/dev/ttyUSB0\n"));
    EXPECT_FALSE(b.form.choosePort("/dev/tty\xE2\x82\xAC\xE2\x9C\x93")); // a check mark: no byte
    EXPECT_EQ(b.form.chosenPort(), "");
    EXPECT_TRUE(b.form.choosePort("/dev/serial/by-id/usb-decoder"));
    EXPECT_EQ(b.form.portNames().back(), "/dev/serial/by-id/usb-decoder");
    EXPECT_EQ(b.form.portNames().size(), 4u);
}

} // namespace
} // namespace ksy
