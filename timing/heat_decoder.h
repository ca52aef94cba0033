#pragma once
// What the heat run needs of the decoder, so that a heat can be run on the
// real link, on a replayed journal or with no decoder at all.
#include "timing/decoder_link.h"
#include "timing/decoder_protocol.h"

#include <cstdint>
#include <vector>

namespace ksy {

class HeatDecoder {
public:
    virtual ~HeatDecoder() = default;
    // An RC2 stamps passings itself and must acknowledge the start; anything
    // else is started on the host counter.
    virtual bool isRc2() const = 0;
    // One read whose bytes are thrown away.
    virtual void discardReceived() = 0;
    // RC2 StartClock exchange: true on StartAck.
    virtual bool startClock() = 0;
    // One read cut into passings; RC1 times are host counter since startCounter.
    virtual std::vector<Passing> readPassings(std::int64_t startCounter) = 0;
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
    bool startClock() override { return link_.startClock(); }
    std::vector<Passing> readPassings(std::int64_t startCounter) override
    {
        return link_.readPassings(startCounter);
    }

private:
    DecoderLink& link_;
};

// No decoder: the heat runs on the host clock and the numbered buttons.
class NoHeatDecoder : public HeatDecoder {
public:
    bool isRc2() const override { return false; }
    void discardReceived() override { }
    bool startClock() override { return true; }
    std::vector<Passing> readPassings(std::int64_t) override { return {}; }
};

} // namespace ksy
