#pragma once
#include <cstdint>

namespace ksy {

// Time as the logic sees it. The program asks the platform; tests hand in a
// fake that they move forward themselves, so a whole heat runs in an instant.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed origin (GetTickCount-like, monotonic).
    virtual std::int64_t milliseconds() const = 0;
    // High-resolution counter reading and its frequency in counts per second.
    virtual std::int64_t counter() const = 0;
    virtual std::int64_t counterFrequency() const = 0;
};

} // namespace ksy
