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
};

} // namespace ksy
