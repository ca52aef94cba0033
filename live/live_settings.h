#pragma once
// Where the live results are served: "RéglagesDirect.rg" in the working
// folder, one TAB-separated line per setting:
//   DIRECTACTIF<TAB>oui|non
//   DIRECTADRESSE<TAB>0.0.0.0
//   DIRECTPORT<TAB>8080
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kLiveSettingsFile = "RéglagesDirect.rg";
inline constexpr std::string_view kAllAddresses = "0.0.0.0";
inline constexpr int kDefaultLivePort = 8080;

struct ServeAddress {
    std::string address = std::string(kAllAddresses); // dotted IPv4
    int port = kDefaultLivePort;

    bool operator==(const ServeAddress&) const = default;
};

struct LiveSettings {
    bool enabled = false; // off until the official turns it on
    ServeAddress where;

    bool operator==(const LiveSettings&) const = default;
};

// "[ADDRESS:]PORT" (address: dotted IPv4, "*" for all addresses); nothing
// when malformed.
std::optional<ServeAddress> parseServeAddress(std::string_view text);
// The reason (in the official's language) why an address or a port typed in the dialog is refused,
// empty when both are fine.
std::string addressError(std::string_view address);
std::string portError(std::string_view port);

std::string formatLiveSettings(const LiveSettings& settings);
// Unknown or malformed lines keep the defaults.
LiveSettings parseLiveSettings(std::string_view bytes);
// A missing or unreadable file gives the defaults (off).
LiveSettings readLiveSettings(const std::filesystem::path& file);
bool writeLiveSettings(const std::filesystem::path& file, const LiveSettings& settings);

} // namespace ksy
