#pragma once
// The decoder's side of the wire: recognises the host's commands in the byte
// stream, answers them as the chosen model does, and builds passing frames.
#include <cstdint>
#include <string>
#include <vector>

namespace ksy::sim {

enum class Model { Rc1, Rc2 };

class SimDecoder {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit SimDecoder(Model model) : model_(model) {}

    struct Received {
        std::string command;   // "IdentifyRequest", "StartClock", "KeepAlive" or "unknown XX ..."
        Bytes reply;           // what goes back on the wire (may be empty)
        bool clockReset = false;
    };
    // Bytes from the host; a command cut between two reads is completed by
    // the next one.
    std::vector<Received> receive(const std::uint8_t* data, std::size_t size);

    // A passing at the given time of the decoder clock (RC1 frames carry no time).
    Bytes passingFrame(int transponder, std::int64_t clockMs) const;

    int keepAlives() const { return keepAlives_; }
    // While muted the decoder hears but does not answer.
    bool muted = false;

private:
    Model model_;
    Bytes pending_;
    int keepAlives_ = 0;
};

// The sub-second field for a time within the second: the smallest timer value
// that the host turns back into exactly these milliseconds.
int subSecondTimer(int milliseconds);

} // namespace ksy::sim
