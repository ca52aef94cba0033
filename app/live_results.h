#pragma once
// The live results of the main window: the web server turned on by the
// settings file or by --serve, the heat published after every tick that
// changed what the board shows, the working race file published after it was
// rewritten, and the page's address with its QR code shown while it serves.
#include "live/live_feed.h"
#include "live/live_settings.h"
#include "platform/live_server.h"
#include "storage/work_folder.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <optional>

class QLabel;

namespace ksy {

class MainWindow;
class Prompts;
class RaceControl;

class LiveResults : public QObject {
    Q_OBJECT
public:
    // `serve`: the address given with --serve, which wins over the settings
    // file for this run.
    LiveResults(MainWindow& window, RaceControl& control, WorkFolder folder, Prompts& prompts,
        std::optional<ServeAddress> serve);
    ~LiveResults() override;

    // "Réglages" > "Résultats en direct".
    void openDialog();
    // Starts or stops the server as the settings say; false (with its box
    // shown) when the address could not be used.
    bool apply(const LiveSettings& settings);
    // After every tick of the window: publishes the heat when it moved.
    void afterTick();

    bool serving() const { return server_.running(); }
    // "http://192.168.1.10:8080/", empty when not serving.
    QString pageAddress() const { return address_; }
    LiveFeed& feed() { return feed_; }
    int port() const { return server_.port(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void publishRace(bool evenIfUnchanged);
    void showPanel();
    void placePanel();

    MainWindow& window_;
    RaceControl& control_;
    WorkFolder folder_;
    Prompts& prompts_;
    LiveFeed feed_;
    LiveServer server_;
    QTimer raceWatch_;
    QLabel* panel_ = nullptr;
    QString address_;
    std::uint64_t publishedChanges_ = ~0ULL;
    std::string publishedTitle_;
    std::filesystem::file_time_type raceTime_ {};
    std::uintmax_t raceSize_ = 0;
};

// The address a phone types: the PC's first network address when the server
// listens on all of them.
QString livePageAddress(const ServeAddress& where, int port);

} // namespace ksy
