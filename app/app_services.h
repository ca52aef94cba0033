#pragma once
// The services the main window works with. The program picks desktop or
// unattended ones at start-up; tests hand in fakes.
#include "services/clock.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "services/sound_player.h"

#include <memory>

class QWidget;

namespace ksy {

struct AppServices {
    Clock& clock;
    Prompts& prompts;
    SoundPlayer& sounds;
    FileChooser& files;
};

class WorkFolder;

// The services of a real run. Unattended: boxes are written to standard
// error and acknowledged, questions take their default answer, file dialogs
// are cancelled; everything else is as on the desktop.
class PlatformServices {
public:
    PlatformServices(const WorkFolder& folder, bool unattended);
    ~PlatformServices();
    // Boxes and dialogs open over this window once it exists.
    void setParentWindow(QWidget* window);
    AppServices services();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ksy
