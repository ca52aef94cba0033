#include "app/live_results.h"

#include "app/live_results_dialog.h"
#include "app/main_window.h"
#include "app/qr_code.h"
#include "app/race_control.h"
#include "display/board_sources.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/race_file.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QPainter>
#include <fstream>

namespace ksy {

namespace {

// How often the working race file is looked at: a stored heat or ranking
// reaches the pages within this time. Never on the tick.
constexpr int kRaceWatchMs = 2000;

QString firstNetworkAddress()
{
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    return QStringLiteral("127.0.0.1");
}

} // namespace

QString livePageAddress(const ServeAddress& where, int port)
{
    const QString host = where.address == kAllAddresses ? firstNetworkAddress()
                                                        : QString::fromStdString(where.address);
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

LiveResults::LiveResults(MainWindow& window, RaceControl& control, WorkFolder folder,
    Prompts& prompts, std::optional<ServeAddress> serve)
    : window_(window)
    , control_(control)
    , folder_(std::move(folder))
    , prompts_(prompts)
    , server_(feed_)
{
    raceWatch_.setInterval(kRaceWatchMs);
    connect(&raceWatch_, &QTimer::timeout, this, [this] { publishRace(false); });
    window_.setAfterTickHandler([this] { afterTick(); });
    window_.clientArea()->installEventFilter(this);
    LiveSettings settings = readLiveSettings(folder_.file(kLiveSettingsFile));
    if (serve) {
        settings.enabled = true;
        settings.where = *serve;
    }
    if (settings.enabled)
        apply(settings);
}

LiveResults::~LiveResults()
{
    window_.setAfterTickHandler({});
    server_.stop();
}

bool LiveResults::apply(const LiveSettings& settings)
{
    server_.stop();
    raceWatch_.stop();
    address_.clear();
    if (settings.enabled) {
        std::string error;
        if (!server_.start(settings.where, error)) {
            prompts_.error(fillText(translate("LiveResults", "Erreur: %1"), {error}));
            showPanel();
            return false;
        }
        address_ = livePageAddress(settings.where, server_.port());
        publishedChanges_ = ~0ULL;
        afterTick();
        publishRace(true);
        raceWatch_.start();
    }
    showPanel();
    return true;
}

void LiveResults::afterTick()
{
    if (!server_.running())
        return;
    const HeatRun& run = control_.run();
    const std::string& title = control_.session().headings().board;
    const bool shows = control_.session().showsHeat();
    if (run.changeCount() == publishedChanges_ && title == publishedTitle_)
        return;
    publishedChanges_ = run.changeCount();
    publishedTitle_ = title;
    // No heat shown: the page says so rather than showing empty slots.
    feed_.publishHeat(shows ? boardInputs(run.texts(), run.standings(), cp1252ToUtf8(title), false)
                            : BoardInputs {});
}

void LiveResults::publishRace(bool evenIfUnchanged)
{
    const auto file = workingRaceFile(folder_);
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(file, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(file, ec);
    if (ec || (!evenIfUnchanged && time == raceTime_ && size == raceSize_))
        return;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in)
        return;
    raceTime_ = time;
    raceSize_ = size;
    feed_.publishRace(std::move(bytes));
}

void LiveResults::showPanel()
{
    if (!panel_) {
        panel_ = new QLabel(window_.clientArea());
        panel_->setObjectName(QStringLiteral("liveResultsPanel"));
        panel_->setAlignment(Qt::AlignCenter);
        panel_->setStyleSheet(QStringLiteral("background: white; border: 1px solid #888;"));
    }
    if (address_.isEmpty()) {
        panel_->hide();
        return;
    }
    // The address above its QR code, big enough to be scanned off the screen
    // or a printout.
    const QImage code = qrCodeImage(address_, 4);
    QImage image(std::max(code.width(), 220), code.height() + 28, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 4, image.width(), 20), Qt::AlignCenter, address_);
    p.drawImage((image.width() - code.width()) / 2, 26, code);
    p.end();
    panel_->setPixmap(QPixmap::fromImage(image));
    panel_->setToolTip(
        QCoreApplication::translate("LiveResults", "Résultats en direct : %1").arg(address_));
    panel_->resize(image.size() + QSize(2, 2));
    placePanel();
    panel_->show();
    panel_->raise();
}

void LiveResults::placePanel()
{
    // Bottom right, clear of the board and of the race-control strip.
    const QSize area = window_.clientArea()->size();
    panel_->move(area.width() - panel_->width() - 12, area.height() - panel_->height() - 12);
}

bool LiveResults::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && panel_)
        placePanel();
    return QObject::eventFilter(watched, event);
}

void LiveResults::openDialog()
{
    const auto file = folder_.file(kLiveSettingsFile);
    LiveSettings current = readLiveSettings(file);
    current.enabled = server_.running();
    const auto chosen = LiveResultsDialog::run(&window_, current, address_);
    if (!chosen)
        return;
    if (!writeLiveSettings(file, *chosen))
        prompts_.error(
            fillText(translate("LiveResults", "Erreur: impossible d'écrire le fichier %1"),
                {kLiveSettingsFile}));
    apply(*chosen);
}

} // namespace ksy
