#pragma once
// What the heat run needs of the decoder, so that a heat can be run on the
// real link, on a replayed journal or with no decoder at all.
#include "services/clock.h"
#include "timing/decoder_link.h"
#include "timing/decoder_protocol.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ksy {

class HeatDecoder {
public:
    virtual ~HeatDecoder() = default;
    // An RC2 stamps passings itself and must acknowledge the start; anything
    // else is started on the host counter.
    virtual bool isRc2() const = 0;
    // One read whose passings are thrown away.
    virtual void discardReceived() = 0;
    // The start moment of a heat as a counter reading: at once for an RC1 or
    // without a decoder, at the StartAck for an RC2; nothing when the start
    // must be tried again on the next tick. Passings read on the way that
    // came before the start go into `early`.
    virtual std::optional<std::int64_t> startHeat(std::vector<Passing>& early) = 0;
    // One read cut into passings, each with the counter reading at its arrival.
    virtual std::vector<Passing> readPassings() = 0;
};

// The program's decoder on its serial port.
class LinkedHeatDecoder : public HeatDecoder {
public:
    explicit LinkedHeatDecoder(DecoderLink& link)
        : link_(link)
    {
    }
    bool isRc2() const override { return link_.isRc2(); }
    void discardReceived() override { link_.discardReceived(); }
    std::optional<std::int64_t> startHeat(std::vector<Passing>& early) override
    {
        if (link_.isRc2())
            return link_.startClock(early);
        return link_.clock().counter();
    }
    std::vector<Passing> readPassings() override { return link_.readPassings(); }

private:
    DecoderLink& link_;
};

// No decoder: the heat runs on the host clock and the numbered buttons.
class NoHeatDecoder : public HeatDecoder {
public:
    explicit NoHeatDecoder(const Clock& clock)
        : clock_(clock)
    {
    }
    bool isRc2() const override { return false; }
    void discardReceived() override { }
    std::optional<std::int64_t> startHeat(std::vector<Passing>&) override
    {
        return clock_.counter();
    }
    std::vector<Passing> readPassings() override { return {}; }

private:
    const Clock& clock_;
};

} // namespace ksy
