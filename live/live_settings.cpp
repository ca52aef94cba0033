#include "live/live_settings.h"

#include "services/translate.h"
#include "storage/file_stream.h"

#include <charconv>
#include <fstream>

namespace ksy {

namespace {

std::optional<int> plainNumber(std::string_view text, int max)
{
    int value = 0;
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > max)
        return std::nullopt;
    return value;
}

bool isIpv4(std::string_view text)
{
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        const std::string_view part = text.substr(start, dot - start);
        if (part.size() > 1 && part[0] == '0')
            return false;
        if (!plainNumber(part, 255))
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

} // namespace

std::string addressError(std::string_view address)
{
    if (address == "*" || isIpv4(address))
        return {};
    return translate("LiveSettings",
        "Adresse invalide : tapez une adresse IPv4 (par exemple 192.168.1.10) ou 0.0.0.0 "
        "pour toutes les adresses.");
}

std::string portError(std::string_view port)
{
    const auto p = plainNumber(port, 65535);
    if (p && *p >= 1)
        return {};
    return translate("LiveSettings", "Port invalide : tapez un nombre de 1 à 65535.");
}

std::optional<ServeAddress> parseServeAddress(std::string_view text)
{
    ServeAddress a;
    const std::size_t colon = text.rfind(':');
    const std::string_view port = colon == std::string_view::npos ? text : text.substr(colon + 1);
    if (colon != std::string_view::npos) {
        const std::string_view address = text.substr(0, colon);
        if (!addressError(address).empty())
            return std::nullopt;
        a.address = address == "*" ? std::string(kAllAddresses) : std::string(address);
    }
    if (!portError(port).empty())
        return std::nullopt;
    a.port = *plainNumber(port, 65535);
    return a;
}

std::string formatLiveSettings(const LiveSettings& s)
{
    return std::string("DIRECTACTIF\t") + (s.enabled ? "oui" : "non") + "\nDIRECTADRESSE\t" +
        s.where.address + "\nDIRECTPORT\t" + std::to_string(s.where.port) + "\n";
}

LiveSettings parseLiveSettings(std::string_view bytes)
{
    LiveSettings s;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, tab);
        const std::string_view value = line.substr(tab + 1);
        if (key == "DIRECTACTIF" && (value == "oui" || value == "non"))
            s.enabled = value == "oui";
        else if (key == "DIRECTADRESSE" && isIpv4(value))
            s.where.address = std::string(value);
        else if (key == "DIRECTPORT" && portError(value).empty())
            s.where.port = *plainNumber(value, 65535);
    }
    return s;
}

LiveSettings readLiveSettings(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::string bytes;
    // A settings file is a few lines; a huge file is not ours.
    bytes.resize(4096);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseLiveSettings(bytes);
}

bool writeLiveSettings(const std::filesystem::path& file, const LiveSettings& settings)
{
    auto stream = FileStream::open(file, OpenMode::Create);
    if (!stream)
        return false;
    const bool written = stream->write(formatLiveSettings(settings));
    return stream->close() && written;
}

} // namespace ksy
