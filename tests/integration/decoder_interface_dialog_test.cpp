// The INTERFACE dialog's widgets follow its form, and "Ouvrir" goes through it.
#include "support/fake_serial_link.h"
#include "support/fakes.h"
#include "timing/ui/interface_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(InterfaceDialog, ShowsTheFormAndOpensTheChosenPort)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    test::writeFile(folder.file(kInterfaceSettingsFile), "/dev/ttyUSB3\t1\tKestrametrixRC2\n");
    test::FakeClock clock;
    test::FakeSerialLink port;
    port.clock = &clock;
    test::FakePrompts prompts;
    DecoderLink link(port, clock, prompts, folder);
    InterfaceForm form(link, prompts, {"/dev/ttyS0", "/dev/ttyS1"});
    form.open();
    InterfaceDialog dialog(form, folder);

    auto* messages = dialog.findChild<QPlainTextEdit*>("3903");
    auto* rc1 = dialog.findChild<QRadioButton*>("3901");
    auto* rc2 = dialog.findChild<QRadioButton*>("3902");
    auto* ports = dialog.findChild<QComboBox*>("3904");
    auto* indicator = dialog.findChild<QLabel*>("indicator");
    ASSERT_TRUE(messages && rc1 && rc2 && ports && indicator);
    EXPECT_EQ(dialog.windowTitle(), "Interface");
    EXPECT_EQ(messages->toPlainText(), " Interface RC2 prête à fonctionner.\n");
    EXPECT_TRUE(rc2->isChecked());
    EXPECT_FALSE(rc1->isChecked());
    EXPECT_EQ(ports->count(), 3);
    EXPECT_EQ(ports->currentText(), "/dev/ttyUSB3");
    EXPECT_FALSE(indicator->pixmap().isNull());
    EXPECT_EQ(dialog.findChild<QPushButton*>("3905")->text(), "Ouvrir");
    EXPECT_EQ(dialog.findChild<QPushButton*>("1")->text(), "Ok");

    // A port that opens but stays silent: an RC1.
    ports->setCurrentText("/dev/ttyS1");
    dialog.findChild<QPushButton*>("3905")->click();
    EXPECT_EQ(port.opened.back(), "/dev/ttyS1");
    EXPECT_TRUE(rc1->isChecked());
    EXPECT_EQ(messages->toPlainText(), " Tentative à l'ouverture du port COM:\n"
                                       " Ouverture du port COM OK !\n"
                                       " Interface RC1 prête à fonctionner.\n");
    EXPECT_EQ(test::readFile(folder.file(kInterfaceSettingsFile)), "/dev/ttyS1\t1\tKestrametrix\n");
}

} // namespace
} // namespace ksy
