#pragma once
// The passing journal: while a heat is armed or running, every action and
// every passing as read (before any rule) is appended to
// "Private/JournalPassages.txt" in the replay format and flushed to disk at
// once, so that a heat lost to a crash or a power cut can be rebuilt with
// `kestrametrix-cli replay`. The journal is started anew when a heat is armed
// and kept after the heat ends, until the next one is armed.
//
// Times are host milliseconds counted from the tick grid just before
// "Départ" (the heat's own clock keeps its phase in the replay).
#include "storage/work_folder.h"
#include "timing/heat_decoder.h"
#include "timing/heat_run.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kHeatJournalFile = "Private/JournalPassages.txt";

class HeatJournal : public HeatListener {
public:
    HeatJournal(WorkFolder folder, const HeatRun& run, const HeatDecoder& decoder);

    // Wraps the heat run's local time source so that the date of the heat
    // title goes into the journal too:
    //   run.setLocalTime(journal.recordingLocalTime(systemLocalTime));
    std::function<LocalDateTime()> recordingLocalTime(std::function<LocalDateTime()> inner);

    void heatAction(std::int64_t nowMs, HeatAction action, int slot) override;
    void passingRead(std::int64_t nowMs, const Passing& passing) override;
    void heatStopped(std::int64_t nowMs) override;

    // True once a write failed (the disk is full or the file went away).
    bool failed() const { return failed_; }

private:
    struct Closer {
        void operator()(std::FILE* f) const
        {
            if (f)
                std::fclose(f);
        }
    };
    void begin(std::int64_t nowMs);
    void write(const std::string& text);
    std::int64_t since(std::int64_t nowMs) const { return nowMs - originMs_; }

    WorkFolder folder_;
    const HeatRun& run_;
    const HeatDecoder& decoder_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::int64_t originMs_ = 0;
    bool failed_ = false;
};

} // namespace ksy
