#include "live/live_settings_form.h"

namespace ksy {

LiveSettingsForm::LiveSettingsForm(const LiveSettings& settings)
    : original_(settings)
    , enabled_(settings.enabled)
    , address_(settings.where.address)
    , port_(std::to_string(settings.where.port))
{
}

std::optional<LiveSettings> LiveSettingsForm::confirm(std::string& error) const
{
    const std::string address =
        address_.empty() || address_ == "*" ? std::string(kAllAddresses) : address_;
    error = addressError(address);
    if (error.empty())
        error = portError(port_);
    if (!error.empty()) {
        if (enabled_)
            return std::nullopt;
        LiveSettings off = original_;
        off.enabled = false;
        error.clear();
        return off;
    }
    LiveSettings s;
    s.enabled = enabled_;
    s.where = *parseServeAddress(address + ":" + port_);
    return s;
}

} // namespace ksy
