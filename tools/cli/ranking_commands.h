#pragma once
// kestrametrix-cli ranking RACE --category C --round R [--criterion KEYWORD]
//                          [--scale P1,G2,G3,G4,G5,G6] [--export FILE] [--pdf FILE]
//                          [--xlsx FILE] [--csv FILE] [--store]
// kestrametrix-cli global  RACE --category C [--best N] [--tie KEYWORD]
//                          [--export FILE] [--pdf FILE] [--xlsx FILE] [--csv FILE] [--store]
//   Opens the round or global ranking of a race file as the dialog does,
//   applies the options as the official would click or type them, prints the
//   text export (UTF-8) on standard output; --export writes its exact bytes,
//   --pdf the printed pages, --xlsx and --csv the export as a spreadsheet
//   (places, laps and points as numbers, times with their seconds), --store does what "Valider" does on RACE.
//   Exit status: 0 done; 2 bad usage, bad input or output not written (one
//   line on standard error, nothing on standard output, RACE untouched).
#include <string_view>

namespace ksy::cli {

bool isRankingCommand(std::string_view command);
int runRankingCommand(int argc, char** argv);

} // namespace ksy::cli
