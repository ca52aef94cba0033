#include "timing/interface_settings.h"

#include "storage/encoding.h"
#include "support/fakes.h"
#include "timing/interface_ports.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(InterfaceSettingsFile, WrittenAsOneTabSeparatedLine)
{
    test::TempDir dir;
    WorkFolder folder(dir.path());
    const auto file = folder.file(kInterfaceSettingsFile);
    EXPECT_EQ(file.filename().string(), "RéglagesInterface2.rg");

    ASSERT_TRUE(writeInterfaceSettings(folder, {"COM12", 1, "KestrametrixRC2"}));
    EXPECT_EQ(test::readFile(file), "COM12\t1\tKestrametrixRC2\n");
    // Not connected: always written as an RC1, whatever was held.
    ASSERT_TRUE(writeInterfaceSettings(folder, {"/dev/ttyUSB0", 0, "KestrametrixRC2"}));
    EXPECT_EQ(test::readFile(file), "/dev/ttyUSB0\t0\tKestrametrix\n");

    // Cannot be written: a folder stands where the file should be.
    test::TempDir other;
    std::filesystem::create_directories(WorkFolder(other.path()).file(kInterfaceSettingsFile));
    EXPECT_FALSE(writeInterfaceSettings(WorkFolder(other.path()), {"COM1", 1, "Kestrametrix"}));
    EXPECT_FALSE(readInterfaceSettings(WorkFolder(other.path())));
}

TEST(InterfaceSettingsFile, ReadsWhatWasWrittenAndSurvivesDamage)
{
    test::TempDir dir;
    WorkFolder folder(dir.path());
    const auto file = folder.file(kInterfaceSettingsFile);
    EXPECT_FALSE(readInterfaceSettings(folder));

    auto read = [&](const std::string& bytes) {
        test::writeFile(file, bytes);
        return readInterfaceSettings(folder).value();
    };
    struct Case {
        std::string bytes, port;
        int connected;
        std::string identity;
    };
    const Case cases[] = {{"COM3\t1\tKestrametrixRC2\n", "COM3", 1, "KestrametrixRC2"},
        // An empty port name (the shipped default) stays empty instead of
        // swallowing the flag.
        {"\t0\tKestrametrix\n", "", 0, "Kestrametrix"},
        // A path with a space, a CRLF line end.
        {"/dev/serial/by-id/usb FTDI\t1\tKestrametrix\r\n", "/dev/serial/by-id/usb FTDI", 1,
            "Kestrametrix"},
        // Too long an identity is cut to its 15 characters; missing fields
        // are empty; an empty file is empty settings.
        {"COM1\t1\tKestrametrixRC2XXXXXXXXXXXX\n", "COM1", 1, "KestrametrixRC2"},
        {"COM1", "COM1", 0, ""}, {"", "", 0, ""},
        // Windows-1252 bytes in the file, UTF-8 in memory, and back.
        {"/dev/caf\xE9\t0\tKestrametrix\n", "/dev/café", 0, "Kestrametrix"}};
    InterfaceSettings s;
    for (const Case& c : cases) {
        s = read(c.bytes);
        EXPECT_EQ(s.portName, c.port) << c.bytes;
        EXPECT_EQ(s.connected, c.connected) << c.bytes;
        EXPECT_EQ(s.identity, c.identity) << c.bytes;
    }
    ASSERT_TRUE(writeInterfaceSettings(folder, s));
    EXPECT_EQ(test::readFile(file), "/dev/caf\xE9\t0\tKestrametrix\n");
}

TEST(InterfacePorts, SerialDevicesInTheirGroupsAndNaturalOrder)
{
    test::TempDir dir;
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB1", "ttyUSB0", "ttyACM0", "tty1", "null",
                             "serial/by-id/usb-FTDI_A50285BI-if00-port0"})
        test::writeFile(dir.path() / name, "");
    const std::string root = dir.path().string();
    EXPECT_EQ(listSerialDevices(dir.path()),
              (std::vector<std::string>{root + "/ttyUSB0", root + "/ttyUSB1", root + "/ttyACM0",
                                        root + "/ttyS2", root + "/ttyS10",
                                        root + "/serial/by-id/usb-FTDI_A50285BI-if00-port0"}));
    test::TempDir empty;
    EXPECT_TRUE(listSerialDevices(empty.path()).empty());
}

} // namespace
} // namespace ksy
