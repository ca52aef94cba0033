#include "timing/interface_ports.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace ksy {
namespace {

// "ttyS2" before "ttyS10": compare the name without its number, then the
// number.
bool naturalLess(const std::string& a, const std::string& b)
{
    auto split = [](const std::string& s) {
        std::size_t end = s.size();
        while (end > 0 && std::isdigit(static_cast<unsigned char>(s[end - 1])))
            --end;
        const std::string digits = s.substr(end);
        return std::make_pair(s.substr(0, end),
                              digits.empty() ? -1L : std::stol(digits.substr(0, 9)));
    };
    return split(a) < split(b);
}

void addMatching(const std::filesystem::path& folder, std::string_view prefix,
                 std::vector<std::string>& out)
{
    std::error_code ec;
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0)
            found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end(), naturalLess);
    out.insert(out.end(), found.begin(), found.end());
}

} // namespace

std::vector<std::string> listSerialDevices(const std::filesystem::path& devRoot)
{
    std::vector<std::string> names;
    addMatching(devRoot, "ttyUSB", names);
    addMatching(devRoot, "ttyACM", names);
    addMatching(devRoot, "ttyS", names);
    addMatching(devRoot / "serial" / "by-id", "", names);
    return names;
}

#ifdef _WIN32
std::vector<std::string> serialPortNames()
{
    std::vector<std::string> names;
    for (int n = 1; n <= 49; ++n)
        names.push_back("COM" + std::to_string(n));
    return names;
}

bool portNamesAreTyped()
{
    return false;
}
#else
std::vector<std::string> serialPortNames()
{
    return listSerialDevices("/dev");
}

bool portNamesAreTyped()
{
    return true;
}
#endif

} // namespace ksy
