#pragma once
// The serial ports offered by the INTERFACE dialog.
#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

// Windows: "COM1" to "COM49". Elsewhere: the serial devices present under
// /dev (USB adapters first, then on-board ports, then the stable by-id links).
std::vector<std::string> serialPortNames();

// The device listing of serialPortNames(), under another root for tests.
std::vector<std::string> listSerialDevices(const std::filesystem::path& devRoot);

// Whether the user may type a port name (a device path) instead of choosing.
bool portNamesAreTyped();

} // namespace ksy
