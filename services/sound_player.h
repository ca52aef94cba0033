#pragma once
#include <string>

namespace ksy {

// Plays the WAV files of the working folder ("sons/...", relative names).
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a sound already playing is cut.
    virtual void playAsync(const std::string& relativeFile) = 0;
    // Plays the sound to its end before returning.
    virtual void playAndWait(const std::string& relativeFile) = 0;
    // Starts the alert that comes before a countdown without waiting for it;
    // alertPlaying() tells whether it is still being heard. A player that
    // cannot play it ends it at once.
    virtual void startAlert(const std::string& relativeFile) { playAsync(relativeFile); }
    virtual bool alertPlaying() const { return false; }
};

} // namespace ksy
