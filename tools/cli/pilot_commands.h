#pragma once
// kestrametrix-cli pilots import FILE [--workdir DIR] [--dry-run]
//   Takes an entry list (CSV, .xlsx, .ods) into "BaseDonnéesPilotes.bd":
//   one line per added, updated or refused row, then "N ajoutés, M mis à
//   jour, K refusés". --dry-run shows the same and writes nothing.
//   Exit status: 0 the file was read (refused rows included); 1 the database
//   could not be written; 2 bad usage, a file that cannot be read or that has
//   no name column (nothing written).
// kestrametrix-cli pilots export FILE.xlsx|FILE.csv [--workdir DIR]
//   Writes the pilot database as a spreadsheet. Exit 0, 1 not written, 2 bad
//   usage or a database that cannot be read.
// Without --workdir the working folder is the program's own.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ksycli {

int runPilotCommand(int argc, char** argv);

// The folder given with --workdir, or the program's own (the one it starts
// on by default).
std::filesystem::path programWorkFolder(const std::optional<std::string>& workdirUtf8);

} // namespace ksycli
