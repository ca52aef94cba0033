#pragma once
#include "services/sound_player.h"
#include "storage/work_folder.h"

#include <QElapsedTimer>
#include <QSoundEffect>

namespace ksy {

// WAV playback with QSoundEffect. One sound at a time: a new sound cuts the
// one playing. Without an audio device sounds fail quietly.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(WorkFolder folder, int waitLimitMs = 10000);
    void playAsync(const std::string& relativeFile) override;
    // Runs a local event loop until the sound ends, fails or the wait limit
    // passes, so that a broken device can never freeze the program.
    void playAndWait(const std::string& relativeFile) override;
    // The alert plays while the program goes on; it counts as heard once it
    // stopped playing, failed, or the wait limit passed. Without any audio
    // output it ends at once.
    void startAlert(const std::string& relativeFile) override;
    bool alertPlaying() const override;

private:
    void start(const std::string& relativeFile);

    WorkFolder folder_;
    int waitLimitMs_;
    QSoundEffect effect_;
    QElapsedTimer alertSince_;
    bool alertOn_ = false;
    mutable bool alertHeard_ = false;
};

} // namespace ksy
