#pragma once
// A main window on a freshly seeded working folder, with fake services.
#include "app/main_window.h"
#include "storage/work_folder_seed.h"
#include "support/fakes.h"

#include <gtest/gtest.h>
#include <memory>

namespace ksy::test {

class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(QSize screen = QSize(1600, 900))
        : folder(dir.path())
    {
        EXPECT_TRUE(seedWorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data", folder).ok);
        window = std::make_unique<MainWindow>(
            folder, AppServices {clock, prompts, sounds, files}, screen);
    }

    TempDir dir;
    WorkFolder folder;
    FakeClock clock;
    FakePrompts prompts;
    RecordingSoundPlayer sounds;
    FakeFileChooser files;
    std::unique_ptr<MainWindow> window;
};

} // namespace ksy::test
