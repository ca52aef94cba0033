#include "timing/interface_settings.h"

#include "storage/durable_io.h"
#include "storage/encoding.h"
#include "timing/decoder_protocol.h"

#include <cstdlib>
#include <fstream>

namespace ksy {
namespace {

constexpr std::size_t kIdentityWidth = 15; // 16 bytes with the terminator

std::string nextField(const std::string& line, std::size_t& pos)
{
    if (pos > line.size())
        return {};
    const std::size_t tab = line.find('\t', pos);
    const std::size_t end = tab == std::string::npos ? line.size() : tab;
    std::string field = line.substr(pos, end - pos);
    pos = tab == std::string::npos ? line.size() + 1 : tab + 1;
    return field;
}

} // namespace

std::optional<InterfaceSettings> readInterfaceSettings(const WorkFolder& folder)
{
    const std::filesystem::path file = folder.file(kInterfaceSettingsFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();

    // Fields are split on TAB (not on blanks), so that an empty port name or
    // a device path with a space reads back as it was written.
    std::size_t pos = 0;
    InterfaceSettings settings;
    settings.portName = cp1252ToUtf8(nextField(line, pos));
    settings.connected = std::atoi(nextField(line, pos).c_str());
    std::string identity = nextField(line, pos);
    if (identity.size() > kIdentityWidth)
        identity.resize(kIdentityWidth);
    settings.identity = cp1252ToUtf8(identity);
    return settings;
}

bool writeInterfaceSettings(const WorkFolder& folder, const InterfaceSettings& settings)
{
    const std::optional<std::string> port = utf8ToCp1252(settings.portName);
    const std::optional<std::string> identity =
        utf8ToCp1252(settings.connected == 0 ? std::string(kIdentityRc1) : settings.identity);
    const std::string line = port.value_or("") + '\t' + std::to_string(settings.connected) + '\t' +
        identity.value_or("") + '\n';
    return writeFileAtomically(folder.file(kInterfaceSettingsFile), line);
}

} // namespace ksy
