#pragma once
// The rules of the "Résultats en direct" dialog: what it shows and what its
// "Valider" keeps.
#include "live/live_settings.h"

#include <optional>
#include <string>

namespace ksy {

class LiveSettingsForm {
public:
    explicit LiveSettingsForm(const LiveSettings& settings);

    bool enabled() const { return enabled_; }
    const std::string& address() const { return address_; }
    const std::string& port() const { return port_; }
    void setEnabled(bool on) { enabled_ = on; }
    void setAddress(std::string text) { address_ = std::move(text); }
    void setPort(std::string text) { port_ = std::move(text); }

    // The settings to keep, or nothing with the reason in `error`. A
    // server that is off keeps its address even when it was left malformed
    // (the old one stays).
    std::optional<LiveSettings> confirm(std::string& error) const;

private:
    LiveSettings original_;
    bool enabled_;
    std::string address_;
    std::string port_;
};

} // namespace ksy
