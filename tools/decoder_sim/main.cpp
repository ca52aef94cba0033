// kestrametrix-decoder-sim: a radio decoder on a pseudo-terminal.
//
//   kestrametrix-decoder-sim [--model rc1|rc2] [--link PATH] [--scenario FILE]
//                            [--sync-start] [--pace | --burst]
//                            [--stress MINUTES [--stress-gap MS] [--stress-first N]]
//
// Prints "pty <device>" once the port exists, then one line per event:
// "recv IdentifyRequest", "recv StartClock", "recv KeepAlive", "send ...".
// Commands on standard input: "pass <transponder>", "garbage <hex bytes>",
// "restart" (the decoder clock starts again from zero, as after a power
// cut), "unplug", "replug", "pull <ms>" (unplug, and replug that much
// later), "mute", "unmute", "status", "quit". SIGUSR1 unplugs, SIGUSR2
// replugs. A passing due while unplugged is printed "lost passing ...".
// Scenario lines: "<ms> <transponder>", "<ms> restart" or "<ms> pull <ms>",
// ms counted from the launch, or from each StartClock with --sync-start (a
// restart does not move them); '#' starts a comment.
//
// --pace hands the bytes over one by one at the line's real speed (1.04 ms a
// byte at 9600 baud, so that frames straddle the host's reads); --burst,
// the default, writes each frame at once.
// --stress sends, from the start (the StartClock, or the launch for an RC1),
// a passing every --stress-gap ms (default 12) from 20 transponders in turn
// (--stress-first, default 101) for MINUTES minutes, then prints
// "stress sent <count>"; its passings are not printed one by one.
#include "sim_decoder.h"
#include "sim_pty.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace ksy::sim;
using SteadyClock = std::chrono::steady_clock;

volatile std::sig_atomic_t gUnplugRequested = 0;
volatile std::sig_atomic_t gReplugRequested = 0;
volatile std::sig_atomic_t gQuitRequested = 0;

void onSignal(int sig)
{
    if (sig == SIGUSR1)
        gUnplugRequested = 1;
    else if (sig == SIGUSR2)
        gReplugRequested = 1;
    else
        gQuitRequested = 1;
}

struct ScenarioLine {
    std::int64_t ms;
    int transponder = -1; // -1: the command instead
    std::string command;
};

struct Options {
    Model model = Model::Rc2;
    std::string link;
    std::string scenario;
    bool syncStart = false;
    bool pace = false;
    double stressMinutes = 0;
    int stressGapMs = 12;
    int stressFirst = 101;
};

// One byte of 8N1 at 9600 baud: ten bits.
constexpr auto kByteTime = std::chrono::nanoseconds(1041667);

void say(const std::string& line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool parseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--model") {
            const std::string m = value();
            if (m != "rc1" && m != "rc2")
                return false;
            o.model = m == "rc1" ? Model::Rc1 : Model::Rc2;
        } else if (a == "--link") {
            o.link = value();
        } else if (a == "--scenario") {
            o.scenario = value();
        } else if (a == "--sync-start") {
            o.syncStart = true;
        } else if (a == "--pace" || a == "--burst") {
            o.pace = a == "--pace";
        } else if (a == "--stress") {
            o.stressMinutes = std::atof(value().c_str());
            if (o.stressMinutes <= 0)
                return false;
        } else if (a == "--stress-gap") {
            o.stressGapMs = std::atoi(value().c_str());
            if (o.stressGapMs <= 0)
                return false;
        } else if (a == "--stress-first") {
            o.stressFirst = std::atoi(value().c_str());
            if (o.stressFirst < 0 || o.stressFirst > 65535 - 19)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool loadScenario(const std::string& file, std::vector<ScenarioLine>& lines)
{
    std::ifstream in(file);
    if (!in)
        return false;
    std::string text;
    while (std::getline(in, text)) {
        text = text.substr(0, text.find('#'));
        std::istringstream fields(text);
        ScenarioLine line {};
        std::string what;
        if (!(fields >> line.ms >> what))
            continue;
        if (what == "restart" || what == "pull") {
            line.command = what;
            std::string rest;
            std::getline(fields, rest);
            line.command += rest;
        } else {
            line.transponder = std::atoi(what.c_str());
        }
        lines.push_back(line);
    }
    return true;
}

class Simulator {
public:
    Simulator(const Options& o, std::vector<ScenarioLine> scenario)
        : options_(o), decoder_(o.model), pty_(o.link), scenario_(std::move(scenario))
    {
    }

    int run()
    {
        if (!replug())
            return 1;
        launch_ = clockOrigin_ = scenarioOrigin_ = SteadyClock::now();
        bool stdinOpen = true;
        std::string input;
        while (!gQuitRequested) {
            handleSignals();
            pollfd fds[2] = {{pty_.master(), POLLIN, 0}, {stdinOpen ? 0 : -1, POLLIN, 0}};
            // Paced bytes need a wait finer than a millisecond.
            const timespec wait = {0, outgoing_.empty() ? 2000000L : 100000L};
            const int ready = ppoll(fds, 2, &wait, nullptr);
            if (ready < 0 && errno != EINTR)
                return 1;
            if (ready > 0 && pty_.plugged() && (fds[0].revents & POLLIN))
                readHost();
            if (ready > 0 && (fds[1].revents & (POLLIN | POLLHUP))) {
                char chunk[256];
                const ssize_t n = ::read(0, chunk, sizeof chunk);
                if (n <= 0) {
                    stdinOpen = false;
                } else {
                    input.append(chunk, static_cast<std::size_t>(n));
                    for (std::size_t eol; (eol = input.find('\n')) != std::string::npos;) {
                        const std::string line = input.substr(0, eol);
                        input.erase(0, eol + 1);
                        if (!command(line))
                            return 0;
                    }
                }
            }
            playScenario();
            playStress();
            flushPaced();
        }
        return 0;
    }

private:
    std::int64_t msSince(SteadyClock::time_point t) const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - t)
            .count();
    }

    bool replug()
    {
        if (!pty_.plug()) {
            say("error cannot create a pseudo-terminal");
            return false;
        }
        say("pty " + pty_.devicePath());
        return true;
    }

    void handleSignals()
    {
        if (gUnplugRequested) {
            gUnplugRequested = 0;
            command("unplug");
        }
        if (gReplugRequested) {
            gReplugRequested = 0;
            command("replug");
        }
    }

    void readHost()
    {
        std::uint8_t buffer[256];
        const ssize_t n = ::read(pty_.master(), buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (const auto& r : decoder_.receive(buffer, static_cast<std::size_t>(n))) {
            say("recv " + r.command);
            if (r.clockReset) {
                clockOrigin_ = SteadyClock::now();
                if (!startedOnce_)
                    stressOrigin_ = clockOrigin_;
                startedOnce_ = true;
                if (options_.syncStart) {
                    nextScenarioLine_ = 0;
                    scenarioOrigin_ = clockOrigin_;
                }
            }
            if (!r.reply.empty()) {
                send(r.reply);
                say(r.clockReset ? "send StartAck" : "send IdentifyReply");
            }
        }
    }

    void send(const SimDecoder::Bytes& bytes)
    {
        if (!pty_.plugged())
            return;
        if (!options_.pace) {
            (void)!::write(pty_.master(), bytes.data(), bytes.size());
            return;
        }
        if (outgoing_.empty())
            nextByteAt_ = std::max(nextByteAt_, SteadyClock::now());
        outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end());
    }

    // Hands over every paced byte whose time on the line has come, one write each.
    void flushPaced()
    {
        while (!outgoing_.empty() && SteadyClock::now() >= nextByteAt_) {
            if (pty_.plugged())
                (void)!::write(pty_.master(), &outgoing_.front(), 1);
            outgoing_.pop_front();
            nextByteAt_ += kByteTime;
        }
    }

    // A passing stamped now, or at the moment the car crossed (`crossed`), as
    // a decoder stamps it whatever delays its sending.
    void pass(int transponder, bool quiet = false,
        std::optional<SteadyClock::time_point> crossed = std::nullopt)
    {
        const std::int64_t ms = crossed
            ? std::max<std::int64_t>(0,
                  std::chrono::duration_cast<std::chrono::milliseconds>(*crossed - clockOrigin_)
                      .count())
            : msSince(clockOrigin_);
        const bool plugged = pty_.plugged();
        send(decoder_.passingFrame(transponder, ms));
        if (!quiet)
            say(std::string(plugged ? "send" : "lost") + " passing " + std::to_string(transponder)
                + " " + std::to_string(ms));
    }

    void playStress()
    {
        if (options_.stressMinutes <= 0 || stressDone_)
            return;
        if (options_.model == Model::Rc2 && !startedOnce_)
            return;
        const auto from = options_.model == Model::Rc2 ? stressOrigin_ : launch_;
        const std::int64_t now = msSince(from);
        const auto length = static_cast<std::int64_t>(options_.stressMinutes * 60000);
        while (stressSent_ * options_.stressGapMs <= std::min(now, length)) {
            // A late loop (a busy machine) sends late, but each frame keeps
            // the time of its own crossing.
            const auto crossed = from + std::chrono::milliseconds(stressSent_ * options_.stressGapMs);
            pass(options_.stressFirst + static_cast<int>(stressSent_ % 20), true, crossed);
            ++stressSent_;
        }
        if (now > length) {
            stressDone_ = true;
            say("stress sent " + std::to_string(stressSent_));
        }
    }

    void playScenario()
    {
        if (replugAt_ && SteadyClock::now() >= *replugAt_) {
            replugAt_.reset();
            replug();
        }
        const std::int64_t now = msSince(options_.syncStart ? scenarioOrigin_ : launch_);
        if (options_.syncStart && !startedOnce_)
            return;
        while (nextScenarioLine_ < scenario_.size() && scenario_[nextScenarioLine_].ms <= now) {
            const ScenarioLine& line = scenario_[nextScenarioLine_++];
            if (line.transponder >= 0)
                pass(line.transponder);
            else
                command(line.command);
        }
    }

    // False on "quit".
    bool command(const std::string& line)
    {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "pass") {
            int transponder = 0;
            if (words >> transponder && transponder >= 0 && transponder <= 65535)
                pass(transponder);
            else
                say("error pass needs a transponder number 0 to 65535");
        } else if (verb == "garbage") {
            SimDecoder::Bytes bytes;
            for (std::string hex; words >> hex;)
                bytes.push_back(static_cast<std::uint8_t>(std::strtoul(hex.c_str(), nullptr, 16)));
            send(bytes);
            say("sent garbage " + std::to_string(bytes.size()));
        } else if (verb == "restart") {
            clockOrigin_ = SteadyClock::now();
            say("clock restarted");
        } else if (verb == "unplug") {
            outgoing_.clear();
            pty_.unplug();
            say("unplugged");
        } else if (verb == "replug") {
            replug();
        } else if (verb == "pull") {
            int ms = 0;
            if (words >> ms && ms >= 0) {
                command("unplug");
                replugAt_ = SteadyClock::now() + std::chrono::milliseconds(ms);
            } else {
                say("error pull needs a duration in ms");
            }
        } else if (verb == "mute" || verb == "unmute") {
            decoder_.muted = verb == "mute";
            say(verb + "d");
        } else if (verb == "status") {
            say("keepalives " + std::to_string(decoder_.keepAlives()) + " clock "
                + std::to_string(msSince(clockOrigin_)));
        } else if (verb == "quit") {
            return false;
        } else if (!verb.empty()) {
            say("error unknown command " + verb);
        }
        return true;
    }

    Options options_;
    SimDecoder decoder_;
    SimPty pty_;
    std::vector<ScenarioLine> scenario_;
    std::size_t nextScenarioLine_ = 0;
    bool startedOnce_ = false;
    SteadyClock::time_point launch_;
    SteadyClock::time_point clockOrigin_;
    SteadyClock::time_point scenarioOrigin_;
    SteadyClock::time_point stressOrigin_;
    std::optional<SteadyClock::time_point> replugAt_;
    std::deque<std::uint8_t> outgoing_;
    SteadyClock::time_point nextByteAt_;
    std::int64_t stressSent_ = 0;
    bool stressDone_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << "usage: kestrametrix-decoder-sim [--model rc1|rc2] [--link PATH]"
                     " [--scenario FILE] [--sync-start] [--pace | --burst]"
                     " [--stress MINUTES [--stress-gap MS] [--stress-first N]]\n";
        return 2;
    }
    std::vector<ScenarioLine> scenario;
    if (!options.scenario.empty() && !loadScenario(options.scenario, scenario)) {
        std::cerr << "cannot read the scenario " << options.scenario << "\n";
        return 2;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    Simulator simulator(options, std::move(scenario));
    return simulator.run();
}
