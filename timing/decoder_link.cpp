#include "timing/decoder_link.h"

#include "timing/decoder_exchange.h"
#include "timing/time_format.h"

#include <utility>

namespace ksy {

std::string linkMessageClock(std::int64_t heatElapsedMs)
{
    const std::int64_t ms = heatElapsedMs < 0 ? 0 : heatElapsedMs;
    return formatShortTime(ms / 100 * 100);
}

DecoderLink::DecoderLink(SerialLink& port, const Clock& clock, Prompts& prompts, WorkFolder folder)
    : port_(port), clock_(clock), prompts_(prompts), folder_(std::move(folder))
{
}

void DecoderLink::startUp()
{
    // Ticks delivered while a box is up must not read the file before it is
    // rewritten with the outcome.
    showing_ = true;
    // Only the port name is taken from the file: the model and the flag are
    // found again by opening the port.
    std::optional<InterfaceSettings> stored = readInterfaceSettings(folder_);
    // An unreadable file is reported once for the whole start-up: the
    // rewrite and the first tick's read would only say it again.
    startUpFileError_ = !stored;
    if (!stored)
        prompts_.error(kInterfaceFileError);
    settings_ = InterfaceSettings{stored ? stored->portName : std::string(), 0,
                                  std::string(kIdentityRc1)};

    stream_.clear();
    if (!port_.open(settings_.portName)) {
        prompts_.message("Message", kPortOpenFailed, PromptIcon::Information);
    } else {
        const bool rc2 = identifyDecoder(port_, clock_, stream_).replied;
        settings_.connected = 1;
        settings_.identity = rc2 ? kIdentityRc2 : kIdentityRc1;
        // What the identification left half read is no frame of an RC1.
        if (!rc2)
            stream_.clear();
        prompts_.message("Message", rc2 ? kRc2Connected : kRc1Connected,
                         PromptIcon::Information);
    }
    if (!writeInterfaceSettings(folder_, settings_) && !startUpFileError_) {
        startUpFileError_ = true;
        prompts_.error(kInterfaceFileError);
    }
    showing_ = false;
    loaded_ = false; // the first tick reads the file and starts the link watch
    streamModel_ = model();
}

std::vector<Passing> DecoderLink::tick(std::optional<std::int64_t> heatElapsedMs)
{
    if (showing_)
        return {};
    if (!loaded_)
        loadSettings();
    watchLink(heatElapsedMs);
    return tryReconnect(heatElapsedMs);
}

void DecoderLink::loadSettings()
{
    loaded_ = true; // also on failure: one box, not one every 10 ms
    if (std::optional<InterfaceSettings> stored = readInterfaceSettings(folder_))
        settings_ = *stored;
    else if (!startUpFileError_)
        show("Erreur", kInterfaceFileError, PromptIcon::Stop);
    startUpFileError_ = false;
    if (isRc2() && settings_.connected == 1) {
        keepAlive_ = true;
        reconnectPending_ = false;
        failedKeepAlives_ = 0;
        lastKeepAliveMs_ = clock_.milliseconds();
    }
}

void DecoderLink::watchLink(std::optional<std::int64_t> heatElapsedMs)
{
    if (!keepAlive_ || !isRc2())
        return;
    const std::int64_t now = clock_.milliseconds();
    if (now - lastKeepAliveMs_ <= kKeepAlivePeriodMs)
        return;
    lastKeepAliveMs_ = now;
    if (port_.write(kKeepAlive.data(), kKeepAlive.size()) > 0) {
        failedKeepAlives_ = 0;
        return;
    }
    // One lost keep-alive may be a hiccup of the driver; two in a row are an
    // unplugged decoder.
    if (failedKeepAlives_++ == 0)
        return;

    port_.close();
    settings_.connected = 0;
    lastAttemptMs_ = now;
    keepAlive_ = false;
    reconnectPending_ = true;
    // A fresh message at each loss: what an earlier loss left must not be
    // shown again or make the text grow.
    lossLine_.clear();
    if (heatElapsedMs)
        lossLine_ = "Perte connexion du décodeur RC2 à " + linkMessageClock(*heatElapsedMs) + ".\n";
    saveSettings();
}

std::vector<Passing> DecoderLink::tryReconnect(std::optional<std::int64_t> heatElapsedMs)
{
    std::vector<Passing> passings;
    if (!reconnectPending_ || !isRc2() || settings_.connected != 0)
        return passings;
    const std::int64_t now = clock_.milliseconds();
    if (now - lastAttemptMs_ < kReconnectPeriodMs)
        return passings;
    lastAttemptMs_ = now;
    if (!port_.open(settings_.portName))
        return passings; // nothing is shown: the decoder is simply not back yet

    stream_.clear();
    const ExchangeOutcome outcome = identifyDecoder(port_, clock_, stream_);
    passings = outcome.before;
    passings.insert(passings.end(), outcome.after.begin(), outcome.after.end());
    if (!outcome.replied) {
        port_.close();
        show("Erreur", lossLine_ + kRecoveryFailed, PromptIcon::Stop);
        return passings;
    }

    settings_.connected = 1;
    reconnectPending_ = false;
    loaded_ = false; // the next tick reloads the file and restarts the keep-alive
    std::string message;
    if (heatElapsedMs)
        message = lossLine_ + "Récupération connexion décodeur RC2 réussie à "
            + linkMessageClock(*heatElapsedMs) + ".";
    lossLine_.clear();
    saveSettings();
    if (!message.empty())
        show("Message", message, PromptIcon::Information);
    return passings;
}

void DecoderLink::readFrames(std::vector<ReceivedFrame>& frames)
{
    std::uint8_t buffer[kMaxReadBytes + 1] = {};
    std::int64_t arrivals[kMaxReadBytes + 1] = {};
    const int got = port_.readStamped(buffer, arrivals, kMaxReadBytes, clock_);
    const DecoderModel now = model();
    if (now != streamModel_) {
        // Bytes kept for another model's frames mean nothing to this one.
        stream_.clear();
        streamModel_ = now;
    }
    if (got <= 0 || now == DecoderModel::None)
        return;
    stream_.feed(buffer, arrivals, static_cast<std::size_t>(got),
                 now == DecoderModel::Rc1 ? StreamCut::Rc1 : StreamCut::Rc2,
                 clock_.counterFrequency(), frames);
}

std::vector<Passing> DecoderLink::readPassings()
{
    std::vector<Passing> passings = std::move(queued_);
    queued_.clear();
    std::vector<ReceivedFrame> frames;
    readFrames(frames);
    for (ReceivedFrame& f : frames)
        if (f.kind == ReceivedFrame::Kind::Passing)
            passings.push_back(std::move(f.passing));
    return passings;
}

void DecoderLink::discardReceived()
{
    queued_.clear();
    std::vector<ReceivedFrame> frames;
    readFrames(frames);
}

std::optional<std::int64_t> DecoderLink::startClock(std::vector<Passing>& early)
{
    early.insert(early.end(), queued_.begin(), queued_.end());
    queued_.clear();
    ExchangeOutcome outcome = exchangeStartClock(port_, clock_, stream_);
    early.insert(early.end(), outcome.before.begin(), outcome.before.end());
    if (!outcome.replied)
        return std::nullopt;
    queued_ = std::move(outcome.after);
    return outcome.replyArrival;
}

void DecoderLink::suspendWatch()
{
    keepAlive_ = false;
    reconnectPending_ = false;
}

void DecoderLink::saveSettings()
{
    if (!writeInterfaceSettings(folder_, settings_))
        show("Erreur", kInterfaceFileError, PromptIcon::Stop);
}

void DecoderLink::show(const std::string& title, const std::string& text, PromptIcon icon)
{
    showing_ = true;
    prompts_.message(title, text, icon);
    showing_ = false;
}

} // namespace ksy
