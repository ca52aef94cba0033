// Reading and writing the options section of the working race file.
#include "race/race_options.h"

#include "storage/field_reader.h"
#include "storage/file_stream.h"
#include "storage/section_file.h"

namespace ksy {
namespace {

constexpr std::string_view kRaceFile = "Private/Course.race";

} // namespace

RaceOptionsIo readRaceOptions(const WorkFolder& folder, int category, RaceOptions& options)
{
    auto file = FileStream::open(folder.file(kRaceFile), OpenMode::Update);
    if (!file)
        return RaceOptionsIo::CannotOpen;
    if (findSectionBody(*file, raceOptionsTitle(category))) {
        FieldReader in(*file);
        readRaceOptionsFields(in, options);
    }
    return RaceOptionsIo::Ok;
}

RaceOptionsIo writeRaceOptions(const WorkFolder& folder, int category, const RaceOptions& options)
{
    const RewriteResult result = fixedSlotRewrite(
        folder.file(kRaceFile), raceOptionsTitle(category), kRaceOptionsReserve,
        [&options](FieldWriter& out) { out.raw(formatRaceOptionsLine(options)); });
    switch (result) {
    case RewriteResult::Written: return RaceOptionsIo::Ok;
    case RewriteResult::CannotOpen: return RaceOptionsIo::CannotOpen;
    case RewriteResult::TitleNotFound: return RaceOptionsIo::TitleNotFound;
    }
    return RaceOptionsIo::CannotOpen;
}

} // namespace ksy
