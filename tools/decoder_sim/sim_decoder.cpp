#include "sim_decoder.h"

#include <cstdio>

namespace ksy::sim {

std::vector<SimDecoder::Received> SimDecoder::receive(const std::uint8_t* data, std::size_t size)
{
    pending_.insert(pending_.end(), data, data + size);
    std::vector<Received> out;
    std::size_t i = 0;
    std::string junk;
    auto flushJunk = [&] {
        if (!junk.empty())
            out.push_back({"unknown" + junk, {}, false});
        junk.clear();
    };
    while (i < pending_.size()) {
        const bool header = pending_.size() - i >= 3 && pending_[i] == 0xFF
            && pending_[i + 1] == 0xFF && pending_[i + 2] == 0xFF;
        if (pending_.size() - i < 5 && (header || pending_[i] == 0xFF))
            break; // maybe the start of a command: wait for the rest
        if (!header) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", pending_[i]);
            junk += hex;
            ++i;
            continue;
        }
        flushJunk();
        const std::uint8_t type = pending_[i + 3];
        const std::uint8_t arg = pending_[i + 4];
        Received r;
        if (type == 0x01 && arg == 0x02) {
            r.command = "IdentifyRequest";
            if (model_ == Model::Rc2 && !muted)
                r.reply = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00};
        } else if (type == 0x02 && arg == 0x00) {
            r.command = "StartClock";
            if (model_ == Model::Rc2 && !muted) {
                r.reply = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
                r.clockReset = true;
            }
        } else if (type == 0xE0 && arg == 0x04) {
            r.command = "KeepAlive";
            ++keepAlives_;
        } else {
            char text[40];
            std::snprintf(text, sizeof text, "unknown FF FF FF %02X %02X", type, arg);
            r.command = text;
        }
        out.push_back(r);
        i += 5;
    }
    flushJunk();
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i));
    return out;
}

SimDecoder::Bytes SimDecoder::passingFrame(int transponder, std::int64_t clockMs) const
{
    const auto hi = static_cast<std::uint8_t>((transponder >> 8) & 0xFF);
    const auto lo = static_cast<std::uint8_t>(transponder & 0xFF);
    if (model_ == Model::Rc1)
        return {hi, lo};
    if (clockMs < 0)
        clockMs = 0;
    const auto hours = static_cast<std::uint8_t>((clockMs / 3600000) & 0xFF);
    const auto minutes = static_cast<std::uint8_t>(clockMs / 60000 % 60);
    const auto seconds = static_cast<std::uint8_t>(clockMs / 1000 % 60);
    const int timer = subSecondTimer(static_cast<int>(clockMs % 1000));
    return {0xFF, 0xFF, 0xFF, 0xF0, hi, lo, hours, minutes, seconds,
            static_cast<std::uint8_t>(timer >> 8), static_cast<std::uint8_t>(timer & 0xFF)};
}

int subSecondTimer(int milliseconds)
{
    // The timer runs from 18661 to 65535 once a second, 256/12000 ms a step;
    // rounding up makes the host's truncating division land on the value.
    return 18661 + (milliseconds * 12000 + 255) / 256;
}

} // namespace ksy::sim
