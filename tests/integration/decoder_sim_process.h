#pragma once
// The decoder simulator run as a child process, for tests that talk to it
// through the real serial port layer.
#include <QProcess>
#include <QStringList>
#include <string>
#include <vector>

namespace ksy::test {

class SimProcess {
public:
    // Starts kestrametrix-decoder-sim with these arguments and waits for its
    // "pty <path>" line.
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool started() const { return !ptyPath.empty(); }
    // A command on its standard input ("pass 513", "unplug", ...).
    void send(const std::string& command);
    // Collects what it printed, waiting at most waitMs for something new.
    void pump(int waitMs);
    // Pumps until the line is printed (after `from` lines) or the time is up.
    bool waitFor(const std::string& line, int timeoutMs, std::size_t from = 0);
    int count(const std::string& line) const;

    std::string ptyPath;
    std::vector<std::string> lines;
    // Milliseconds since the start of the simulator at which each line came.
    std::vector<std::int64_t> lineTimes;

private:
    QProcess process_;
    std::string partial_;
    std::int64_t startedAt_ = 0;
};

} // namespace ksy::test
