#pragma once
// DecoderLink: everything the program does with the decoder on its serial
// port, for the main window, the heat run and the INTERFACE dialog.
//
// Main window, at start-up (after the window is built):
//     link.startUp();          // read port name, open, identify, tell, save
// Main window, on every 10 ms tick, in this order:
//     auto late = link.tick(heatClock);   // settings load + RC2 link watch
//     ... heat run / scan (they hand `late` on as passings of this tick) ...
//     else link.discardReceived();        // idle: stale bytes never pile up
// Heat run:
//     link.discardReceived();             // at "Départ"
//     if (link.isRc2()) start = link.startClock(early);  // retried each tick
//     for (const Passing& p : link.readPassings()) ...
// INTERFACE dialog: suspendWatch() when it opens, reloadOnNextTick() when it
// closes (see timing/interface_form.h).
//
// Every time is taken from the injected Clock, so a whole outage runs in a
// test in milliseconds.
#include "services/clock.h"
#include "services/prompts.h"
#include "services/serial_link.h"
#include "services/translate.h"
#include "storage/work_folder.h"
#include "timing/decoder_protocol.h"
#include "timing/decoder_stream.h"
#include "timing/interface_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ksy {

// The exact texts shown about the decoder (UTF-8).
inline constexpr const char* kPortOpenFailed =
    KSY_TRANSLATE_NOOP("Prompts", "Echec à l'ouverture du port COM");
inline constexpr const char* kRc2Connected =
    KSY_TRANSLATE_NOOP("Prompts", "Interface Kestrametrix RC2 connectée");
inline constexpr const char* kRc1Connected =
    KSY_TRANSLATE_NOOP("Prompts", "Ouverture du port COM\nInterface Kestrametrix RC1 connectée");
inline constexpr const char* kRecoveryFailed = KSY_TRANSLATE_NOOP("Prompts", "Echec à la récupération.");

class DecoderLink {
public:
    static constexpr std::int64_t kKeepAlivePeriodMs = 400;
    static constexpr std::int64_t kReconnectPeriodMs = 4500;
    // The link message holds the loss line and one outcome line.
    static constexpr std::size_t kLinkMessageBytes = 115;

    DecoderLink(SerialLink& port, const Clock& clock, Prompts& prompts, WorkFolder folder);

    // Start-up: reads the port name from the settings file, opens the port,
    // identifies the decoder, shows the outcome and rewrites the file. The
    // program goes on without a decoder when any of it fails.
    void startUp();

    // Tick steps 1 and 2: loads the settings file when asked to, then the
    // link watch (the port's hang-up for both models, the RC2 keep-alive) and
    // the reconnection: every 4.5 s, or at every tick until the port opens
    // when the link was lost during a heat. heatElapsedMs is the time since
    // the start of the running heat, nothing when no heat is running. Returns
    // the RC2 passings read while a reconnection waited for its reply
    // (decoder time).
    std::vector<Passing> tick(std::optional<std::int64_t> heatElapsedMs);

    // One read of at most 255 bytes cut into passings of the current model,
    // each with the counter reading at which it arrived; RC2 ones carry the
    // decoder clock too. Bytes of an unknown model are dropped.
    std::vector<Passing> readPassings();

    // One read whose passings are thrown away (idle tick, "Départ"). An
    // incomplete frame stays, so that the stream keeps its frames aligned.
    void discardReceived();

    // StartClock exchange of an RC2 heat start: the counter reading at which
    // the StartAck arrived; nothing without it (the caller retries on the
    // next tick). Passings that came ahead of the StartAck go into `early`;
    // those behind it come with the next readPassings().
    std::optional<std::int64_t> startClock(std::vector<Passing>& early);

    DecoderModel model() const { return decoderModelOf(settings_.identity); }
    bool isRc2() const { return model() == DecoderModel::Rc2; }

    // INTERFACE dialog: keep-alive and reconnection stop while it is open; the
    // next tick after it closes reads the settings file again.
    void suspendWatch();
    void reloadOnNextTick() { loaded_ = false; }

    const InterfaceSettings& settings() const { return settings_; }
    bool keepAliveOn() const { return keepAlive_; }
    bool reconnectPending() const { return reconnectPending_; }
    SerialLink& port() { return port_; }
    const Clock& clock() const { return clock_; }
    const WorkFolder& folder() const { return folder_; }

private:
    void loadSettings();
    void watchHangUp(std::optional<std::int64_t> heatElapsedMs);
    void watchLink(std::optional<std::int64_t> heatElapsedMs);
    void declareLost(std::optional<std::int64_t> heatElapsedMs);
    const char* modelName() const;
    std::vector<Passing> tryReconnect(std::optional<std::int64_t> heatElapsedMs);
    void saveSettings();
    // One read through the stream, cut as the current model's frames.
    void readFrames(std::vector<ReceivedFrame>& frames);
    void show(const std::string& title, const std::string& text, PromptIcon icon);

    SerialLink& port_;
    const Clock& clock_;
    Prompts& prompts_;
    WorkFolder folder_;

    InterfaceSettings settings_;
    DecoderStream stream_;
    DecoderModel streamModel_ = DecoderModel::None;
    // Passings read behind a StartAck, handed out by the next read.
    std::vector<Passing> queued_;
    bool loaded_ = false;
    bool startUpFileError_ = false; // the start-up already said the file is unreadable
    bool keepAlive_ = false;
    bool reconnectPending_ = false;
    int failedKeepAlives_ = 0;
    std::int64_t lastKeepAliveMs_ = 0;
    std::int64_t lastAttemptMs_ = 0;
    // The port is tried at every tick until it opens (a loss during a heat).
    bool retryAtOnce_ = false;
    // The last moment the link was known to work: a keep-alive written, bytes
    // read, an RC1 port not hung up. A loss's outage is counted from it.
    std::int64_t lastContactMs_ = 0;
    // The loss line composed when the link was lost during a heat (UTF-8).
    std::string lossLine_;
    // Set while a box of the link is up: ticks delivered by the box's own
    // message loop must not stack another attempt and another box.
    bool showing_ = false;
};

// "Perte connexion ..." and "Récupération ..." stamp the heat clock truncated
// to a tenth of a second in the short time form ("1:02.300").
std::string linkMessageClock(std::int64_t heatElapsedMs);

// The line added to the recovery message: how long the link was lost, and
// that the passings of that span may be missing.
std::string linkOutageLine(std::int64_t outageMs);

} // namespace ksy
