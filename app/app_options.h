#pragma once
// Command-line options of the program.
#include "live/live_settings.h"

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
    // --demo: a demo race and a simulated decoder (in the folder "Demo" of
    // the default working folder unless --workdir is given).
    bool demo = false;
    // --script FILE: commands run once the window is up (tests and scripts;
    // see app/script_runner.h).
    std::optional<std::string> script;
    // --serve [ADDRESS:]PORT: serves the live results for this run.
    std::optional<ServeAddress> serve;
    // --lang fr|en: the interface's language for this run, whatever the
    // setting says.
    std::optional<std::string> lang;
    std::vector<std::string> errors; // French messages for malformed options
};

// Options the program does not know are left alone (Qt reads its own).
AppOptions parseAppOptions(const std::vector<std::string>& args);

} // namespace ksy
