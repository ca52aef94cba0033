#pragma once
#include "services/clock.h"

#include <QElapsedTimer>

namespace ksy {

// The machine's monotonic clock: milliseconds for the run logic and a
// nanosecond counter where the decoder needs finer stamps.
class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }
    std::int64_t milliseconds() const override { return timer_.elapsed(); }
    std::int64_t counter() const override { return timer_.nsecsElapsed(); }
    std::int64_t counterFrequency() const override { return 1000000000; }

private:
    QElapsedTimer timer_;
};

} // namespace ksy
