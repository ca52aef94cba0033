#pragma once
// The live board rendered into a PNG file, as it would stand on a screen of
// the given size. Needs a QGuiApplication.
#include "display/board_inputs.h"
#include "display/display_settings.h"
#include "storage/work_folder.h"

#include <filesystem>

namespace ksy {

// The logo and the finish flag come from `imagesFolder`'s "images/". False
// when the file cannot be written.
bool writeBoardPng(const BoardInputs& inputs, const DisplaySettings& settings,
    const WorkFolder& imagesFolder, int screenWidth, int screenHeight,
    const std::filesystem::path& file);

} // namespace ksy
