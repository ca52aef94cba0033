#include "app/app_services.h"

#include "platform/qt_clock.h"
#include "platform/qt_file_chooser.h"
#include "platform/qt_prompts.h"
#include "platform/qt_sound_player.h"
#include "platform/unattended.h"

#include <iostream>

namespace ksy {

struct PlatformServices::Impl {
    Impl(const WorkFolder& folder, bool unattended)
        : sounds(folder)
    {
        if (unattended) {
            prompts = std::make_unique<UnattendedPrompts>(std::cerr);
            files = std::make_unique<UnattendedFileChooser>();
        } else {
            auto p = std::make_unique<QtPrompts>();
            auto f = std::make_unique<QtFileChooser>();
            qtPrompts = p.get();
            qtFiles = f.get();
            prompts = std::move(p);
            files = std::move(f);
        }
    }

    QtClock clock;
    QtSoundPlayer sounds;
    std::unique_ptr<Prompts> prompts;
    std::unique_ptr<FileChooser> files;
    QtPrompts* qtPrompts = nullptr;
    QtFileChooser* qtFiles = nullptr;
};

PlatformServices::PlatformServices(const WorkFolder& folder, bool unattended)
    : impl_(std::make_unique<Impl>(folder, unattended))
{
}

PlatformServices::~PlatformServices() = default;

void PlatformServices::setParentWindow(QWidget* window)
{
    if (impl_->qtPrompts)
        impl_->qtPrompts->setParent(window);
    if (impl_->qtFiles)
        impl_->qtFiles->setParent(window);
}

AppServices PlatformServices::services()
{
    return {impl_->clock, *impl_->prompts, impl_->sounds, *impl_->files};
}

} // namespace ksy
