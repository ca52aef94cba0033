// The decoder's bytes at the line's real speed (one byte every 1.04 ms, so
// that frames straddle the reads) and at once, with and without garbage on
// the line, through the real serial port on a pseudo-terminal: every passing
// the decoder sent is read, once, in order.
#include "decoder_sim_process.h"
#include "platform/qt_clock.h"
#include "platform/serial_port.h"
#include "support/fakes.h"
#include "timing/decoder_link.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace ksy {
namespace {

// The number after `prefix` in the simulator's line that starts with it.
int sentCount(const test::SimProcess& sim, const std::string& prefix)
{
    for (const std::string& line : sim.lines)
        if (line.rfind(prefix, 0) == 0)
            return std::stoi(line.substr(prefix.size()));
    return -1;
}

TEST(DecoderAtLineSpeed, EveryPassingOfABusyLineIsRead)
{
    for (const char* speed : {"--pace", "--burst"}) {
        for (const bool garbage : {false, true}) {
            SCOPED_TRACE(std::string(speed) + (garbage ? " with garbage" : ""));
            test::TempDir dir;
            const WorkFolder folder(dir.path());
            const std::string path = (dir.path() / "decoder").string();
            // 3 s of a passing every 15 ms: about 200 frames.
            test::SimProcess sim({"--model", "rc2", "--link", QString::fromStdString(path), speed,
                "--stress", "0.05", "--stress-gap", "15"});
            ASSERT_TRUE(sim.started());
            test::writeFile(folder.file(kInterfaceSettingsFile), path + "\t0\tKestrametrix\n");
            QtClock clock;
            SystemSerialLink port(&clock);
            test::FakePrompts prompts;
            DecoderLink link(port, clock, prompts, folder);
            link.startUp();
            ASSERT_TRUE(link.isRc2());
            std::vector<Passing> early;
            QElapsedTimer t;
            t.start();
            while (!link.startClock(early) && t.elapsed() < 2000)
                sim.pump(1);

            std::vector<Passing> got;
            std::int64_t lastGarbage = 0;
            while (sentCount(sim, "stress sent ") < 0 && t.elapsed() < 20000) {
                link.tick(std::nullopt);
                for (Passing& p : link.readPassings())
                    got.push_back(std::move(p));
                if (garbage && t.elapsed() - lastGarbage > 200) {
                    lastGarbage = t.elapsed();
                    sim.send("garbage 00 FF 13 FF FF 7E 55 FF");
                }
                sim.pump(10);
            }
            const int sent = sentCount(sim, "stress sent ");
            ASSERT_GT(sent, 150);
            QElapsedTimer tail;
            tail.start();
            while (tail.elapsed() < 500) {
                for (Passing& p : link.readPassings())
                    got.push_back(std::move(p));
                sim.pump(10);
            }
            ASSERT_EQ(static_cast<int>(got.size()), sent);
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].transponder, 101 + static_cast<int>(i % 20)) << i;
                ASSERT_TRUE(got[i].decoderMs) << i;
                if (i > 0) {
                    EXPECT_GE(*got[i].decoderMs, *got[i - 1].decoderMs) << i;
                }
            }
        }
    }
}

} // namespace
} // namespace ksy
