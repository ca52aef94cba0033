// The decoder's troubles told once, with the port, the model and what to do,
// and its state in sight in the window.
#include "app/decoder_indicator.h"
#include "app/decoder_messages.h"
#include "support/fake_serial_link.h"
#include "timing/decoder_link.h"
#include "window_fixture.h"

#include <QLabel>

namespace ksy {
namespace {

struct Link {
    test::TempDir dir;
    WorkFolder folder {dir.path()};
    test::FakeClock clock;
    test::FakeSerialLink port;
    test::FakePrompts shown;
    DecoderMessages messages {shown};
    DecoderLink link {port, clock, messages, folder};

    Link()
    {
        port.clock = &clock;
        messages.watch(link);
    }
    void storePort(const std::string& name)
    {
        test::writeFile(folder.file(kInterfaceSettingsFile), name + "\t0\tKestrametrix\n");
    }
    // Ticks every 10 ms, the window looking at the link as it does.
    void run(std::int64_t ms)
    {
        for (std::int64_t t = 0; t < ms; t += 10) {
            clock.advance(10);
            link.tick(std::nullopt);
            messages.stateSeen();
        }
    }
};

TEST(DecoderMessages, TheFirstStartNamesThePortOrSaysNoneIsSet)
{
    {
        Link l;
        l.storePort("");
        l.link.startUp();
        ASSERT_EQ(l.shown.boxes.size(), 1u);
        EXPECT_EQ(l.shown.boxes[0].text,
            "Echec à l'ouverture du port COM : aucun port n'est choisi.\nChoisissez le port du "
            "décodeur dans Réglages > Interface.");
        EXPECT_EQ(linkStateText(l.link), "Décodeur : aucun port choisi (Réglages > Interface)");
    }
    {
        Link l;
        l.storePort("/dev/ttyUSB0");
        l.port.refuseOpen = true;
        l.link.startUp();
        ASSERT_EQ(l.shown.boxes.size(), 1u);
        EXPECT_EQ(l.shown.boxes[0].text.rfind("Echec à l'ouverture du port COM /dev/ttyUSB0.\n", 0),
            0u)
            << l.shown.boxes[0].text;
        EXPECT_NE(l.shown.boxes[0].text.find("Réglages > Interface"), std::string::npos);
        EXPECT_EQ(linkState(l.link), LinkState::NotConnected);
    }
}

TEST(DecoderMessages, ALostDecoderIsSaidOnceUntilItCameBack)
{
    Link l;
    l.storePort("/dev/ttyUSB0");
    test::behaveAsRc2(l.port);
    l.link.startUp();
    l.run(10);
    EXPECT_EQ(linkStateText(l.link), "Décodeur RC2 connecté (/dev/ttyUSB0)");
    l.shown.boxes.clear();

    // Switched off: the keep-alives fail, every attempt finds no answer.
    l.port.failWrites = true;
    l.run(830);
    l.port.onWrite = nullptr;
    l.run(30000); // six attempts
    ASSERT_EQ(l.shown.boxes.size(), 1u);
    const std::string& said = l.shown.boxes[0].text;
    EXPECT_EQ(said.rfind("Echec à la récupération.\n", 0), 0u) << said;
    for (const char* part : {"RC2", "/dev/ttyUSB0", "Réglages > Interface"})
        EXPECT_NE(said.find(part), std::string::npos) << part << " in " << said;
    EXPECT_EQ(linkState(l.link), LinkState::Lost);
    EXPECT_EQ(linkStateText(l.link), "Décodeur RC2 perdu (/dev/ttyUSB0) : nouvel essai toutes les 4,5 s");

    // Back, then lost again: a new loss is said again, once.
    test::behaveAsRc2(l.port);
    l.port.failWrites = false;
    l.run(5000);
    EXPECT_EQ(linkState(l.link), LinkState::Connected);
    l.port.failWrites = true;
    l.run(830);
    l.port.onWrite = nullptr;
    l.run(20000);
    EXPECT_EQ(l.shown.boxes.size(), 2u);
}

class DecoderStateInWindow : public test::WindowTest { };

TEST_F(DecoderStateInWindow, TheIndicatorFollowsTheLink)
{
    test::FakeSerialLink port;
    port.clock = &clock;
    DecoderMessages messages(prompts);
    DecoderLink link(port, clock, messages, folder);
    messages.watch(link);
    test::writeFile(folder.file(kInterfaceSettingsFile), "/dev/ttyUSB0\t0\tKestrametrix\n");
    test::behaveAsRc2(port);
    link.startUp();
    link.tick(std::nullopt);
    window->resize(1366, 768);
    window->show();
    DecoderIndicator indicator(*window, link, messages);
    QLabel* label = window->findChild<QLabel*>(QStringLiteral("decoderState"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Décodeur RC2 connecté (/dev/ttyUSB0)");
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(window->clientArea()->rect().contains(label->geometry()));
    EXPECT_GE(label->width(), label->sizeHint().width());

    port.failWrites = true;
    for (int i = 0; i < 100; ++i) {
        clock.advance(10);
        link.tick(std::nullopt);
    }
    indicator.refresh();
    EXPECT_EQ(label->text().toStdString(),
        "Décodeur RC2 perdu (/dev/ttyUSB0) : nouvel essai toutes les 4,5 s");
}

} // namespace
} // namespace ksy
