#include "platform/qt_sound_player.h"

#include <QEventLoop>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

namespace ksy {

QtSoundPlayer::QtSoundPlayer(WorkFolder folder, int waitLimitMs)
    : folder_(std::move(folder))
    , waitLimitMs_(waitLimitMs)
{
}

void QtSoundPlayer::start(const std::string& relativeFile)
{
    effect_.stop();
    const auto path = folder_.file(relativeFile);
    effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(path.string())));
    effect_.play();
}

void QtSoundPlayer::playAsync(const std::string& relativeFile)
{
    start(relativeFile);
}

void QtSoundPlayer::startAlert(const std::string& relativeFile)
{
    alertOn_ = !QMediaDevices::audioOutputs().isEmpty();
    alertHeard_ = false;
    if (!alertOn_)
        return;
    start(relativeFile);
    alertSince_.start();
}

bool QtSoundPlayer::alertPlaying() const
{
    if (!alertOn_)
        return false;
    if (effect_.status() == QSoundEffect::Error || alertSince_.elapsed() > waitLimitMs_)
        return false;
    if (effect_.isPlaying()) {
        alertHeard_ = true;
        return true;
    }
    // Not playing yet while it loads; not playing any more once heard.
    return !alertHeard_;
}

void QtSoundPlayer::playAndWait(const std::string& relativeFile)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool started = false;
    QObject::connect(&effect_, &QSoundEffect::playingChanged, &loop, [&] {
        if (effect_.isPlaying())
            started = true;
        else if (started)
            loop.quit();
    });
    QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect_.status() == QSoundEffect::Error)
            loop.quit();
    });
    start(relativeFile);
    if (effect_.status() == QSoundEffect::Error)
        return;
    limit.start(waitLimitMs_);
    loop.exec();
    // The connections die with the loop object: nothing dangles afterwards.
}

} // namespace ksy
