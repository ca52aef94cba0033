#pragma once
// A working folder holding a new, empty race file (and the Private folder the
// forms write beside it), with prompts to answer the forms.
#include "storage/race_file.h"
#include "storage/work_folder.h"
#include "support/fakes.h"

#include <filesystem>

namespace ksy::test {

struct NewRaceFolder {
    TempDir dir;
    WorkFolder folder {dir.path()};
    FakePrompts prompts;

    NewRaceFolder()
    {
        std::filesystem::create_directories(dir.path() / "Private");
        writeFile(workingRaceFile(folder), newRaceFileBytes());
    }
};

} // namespace ksy::test
