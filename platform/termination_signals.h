#pragma once
// A desktop logout, a service stop or Ctrl-C (SIGTERM, SIGHUP, SIGINT) reach
// the program as a call on its event loop, so that it can end as after
// "Quitter" instead of dying in the middle of its files. The signal handler
// only writes one byte to a pipe; the event loop reads it.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace ksy {

class TerminationSignals : public QObject {
public:
    // Installs the handlers; `onSignal` runs on the event loop, once per
    // signal received, with the signal's number.
    explicit TerminationSignals(std::function<void(int)> onSignal);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    bool installed() const { return notifier_ != nullptr; }

private:
    void readPending();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ksy
