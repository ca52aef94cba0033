#pragma once
// Command-line options of the program.
#include <optional>
#include <string>
#include <vector>

namespace ksy {

struct AppOptions {
    std::optional<std::string> workDir; // --workdir DIR (UTF-8)
    bool unattended = false; // --unattended
    // --quit-after MS: a close request is posted once MS milliseconds have
    // passed after the timer started (for scripts and tests).
    std::optional<int> quitAfterMs;
    std::vector<std::string> errors; // French messages for malformed options
};

// Options the program does not know are left alone (Qt reads its own).
AppOptions parseAppOptions(const std::vector<std::string>& args);

} // namespace ksy
