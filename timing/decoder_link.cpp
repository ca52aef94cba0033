#include "timing/decoder_link.h"

#include "services/translate.h"

#include "timing/decoder_exchange.h"
#include "timing/time_format.h"

#include <cstdio>
#include <utility>

namespace ksy {

std::string linkMessageClock(std::int64_t heatElapsedMs)
{
    const std::int64_t ms = heatElapsedMs < 0 ? 0 : heatElapsedMs;
    return formatShortTime(ms / 100 * 100);
}

std::string linkOutageLine(std::int64_t outageMs)
{
    const std::int64_t tenths = (outageMs < 0 ? 0 : outageMs) / 100;
    char span[48];
    if (tenths < 600)
        std::snprintf(span, sizeof span, "%lld,%lld s", static_cast<long long>(tenths / 10),
                      static_cast<long long>(tenths % 10));
    else
        std::snprintf(span, sizeof span, "%lld min %02lld s", static_cast<long long>(tenths / 600),
                      static_cast<long long>(tenths / 10 % 60));
    return fillText(translate("DecoderLink",
                        "Liaison coupée pendant %1 : les passages de cet intervalle peuvent "
                        "manquer."),
        {span});
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
    keepAlive_ = reconnectPending_ = retryAtOnce_ = false;
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
    watchHangUp(heatElapsedMs);
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
    lastContactMs_ = clock_.milliseconds();
    if (settings_.connected == 1)
        reconnectPending_ = false;
    if (isRc2() && settings_.connected == 1) {
        keepAlive_ = true;
        reconnectPending_ = false;
        failedKeepAlives_ = 0;
        lastKeepAliveMs_ = clock_.milliseconds();
    }
}

void DecoderLink::watchHangUp(std::optional<std::int64_t> heatElapsedMs)
{
    // An RC1 has no keep-alive: the port's own hang-up is all there is to
    // tell an unplugged decoder. An RC2 is caught by it before its keep-alives
    // fail twice.
    if (model() == DecoderModel::None || settings_.connected != 1 || reconnectPending_ ||
        !port_.isOpen())
        return;
    if (!port_.hungUp()) {
        if (!isRc2())
            lastContactMs_ = clock_.milliseconds();
        return;
    }
    declareLost(heatElapsedMs);
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
        lastContactMs_ = now;
        return;
    }
    // One lost keep-alive may be a hiccup of the driver; two in a row are an
    // unplugged decoder.
    if (failedKeepAlives_++ == 0)
        return;
    declareLost(heatElapsedMs);
}

void DecoderLink::declareLost(std::optional<std::int64_t> heatElapsedMs)
{
    const std::int64_t now = clock_.milliseconds();
    port_.close();
    settings_.connected = 0;
    lastAttemptMs_ = now;
    keepAlive_ = false;
    reconnectPending_ = true;
    // During a heat every second of the link counts: the port is tried again
    // at every tick until it opens.
    retryAtOnce_ = heatElapsedMs.has_value();
    // A fresh message at each loss: what an earlier loss left must not be
    // shown again or make the text grow.
    lossLine_.clear();
    if (heatElapsedMs)
        lossLine_ = fillText(translate("DecoderLink", "Perte connexion du décodeur %1 à %2.\n"),
            {modelName(), linkMessageClock(*heatElapsedMs)});
    saveSettings();
}

std::vector<Passing> DecoderLink::tryReconnect(std::optional<std::int64_t> heatElapsedMs)
{
    std::vector<Passing> passings;
    if (!reconnectPending_ || model() == DecoderModel::None || settings_.connected != 0)
        return passings;
    const std::int64_t now = clock_.milliseconds();
    const bool atOnce = retryAtOnce_ && heatElapsedMs.has_value();
    if (!atOnce && now - lastAttemptMs_ < kReconnectPeriodMs)
        return passings;
    lastAttemptMs_ = now;
    // What came in since the cable is back is kept: those are passings.
    if (!port_.reopen(settings_.portName))
        return passings; // nothing is shown: the decoder is simply not back yet

    stream_.clear();
    if (isRc2()) {
        const ExchangeOutcome outcome = identifyDecoder(port_, clock_, stream_);
        passings = outcome.before;
        passings.insert(passings.end(), outcome.after.begin(), outcome.after.end());
        if (!outcome.replied) {
            port_.close();
            // The port is there but the decoder is silent: back to the
            // usual rhythm, each attempt costing a window of waiting.
            retryAtOnce_ = false;
            show("Erreur", lossLine_ + translate("Prompts", kRecoveryFailed), PromptIcon::Stop);
            return passings;
        }
    } else {
        // The request goes out after every opening; an RC1 does not answer
        // it, and its passings are read as they come, not waited for.
        port_.write(kIdentifyRequest.data(), kIdentifyRequest.size());
    }

    settings_.connected = 1;
    reconnectPending_ = false;
    retryAtOnce_ = false;
    loaded_ = false; // the next tick reloads the file and restarts the keep-alive
    std::string message;
    if (heatElapsedMs)
        message = lossLine_ +
            fillText(translate("DecoderLink", "Récupération connexion décodeur %1 réussie à %2.\n"),
                {modelName(), linkMessageClock(*heatElapsedMs)}) +
            linkOutageLine(clock_.milliseconds() - lastContactMs_);
    lossLine_.clear();
    lastContactMs_ = clock_.milliseconds();
    saveSettings();
    if (!message.empty())
        show(KSY_TRANSLATE_NOOP("Prompts", "Message"), message, PromptIcon::Information);
    return passings;
}

const char* DecoderLink::modelName() const
{
    return isRc2() ? "RC2" : "RC1";
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
    if (now == DecoderModel::None)
        return;
    const StreamCut cut = now == DecoderModel::Rc1 ? StreamCut::Rc1 : StreamCut::Rc2;
    if (got > 0)
        lastContactMs_ = clock_.milliseconds();
    if (got <= 0)
        stream_.settle(clock_.counter(), cut, clock_.counterFrequency(), frames);
    else
        stream_.feed(buffer, arrivals, static_cast<std::size_t>(got), cut,
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
