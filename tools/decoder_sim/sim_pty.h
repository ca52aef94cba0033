#pragma once
// The simulator's end of a pseudo-terminal, with an optional stable symlink
// to the other end so that it can be "unplugged" and "replugged".
#include <string>

namespace ksy::sim {

class SimPty {
public:
    explicit SimPty(std::string linkPath) : link_(std::move(linkPath)) {}
    ~SimPty() { unplug(); }
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    // Creates a new pseudo-terminal in raw mode (and points the link at it).
    bool plug();
    // Closes it and removes the link: the host's writes fail, its opens too.
    void unplug();

    bool plugged() const { return master_ >= 0; }
    int master() const { return master_; }
    const std::string& devicePath() const { return device_; }

private:
    std::string link_;
    std::string device_;
    int master_ = -1;
    // The simulator keeps the device side open too, so that the master does
    // not report a hang-up whenever the host has the port closed.
    int device_fd_ = -1;
};

} // namespace ksy::sim
