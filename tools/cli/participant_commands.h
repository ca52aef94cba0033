#pragma once
// kestrametrix-cli participants RACE --category C [--workdir DIR]
//                                   [--xlsx FILE] [--csv FILE]
//   The participants list of a category as the printed "Liste des
//   participants" has it (number, name, licence, club), saved as .xlsx and
//   or CSV; licence and club come from the working folder's pilot database.
//   Exit status: 0 written, 1 a file not written, 2 bad usage or a race or
//   category that cannot be read (one line on standard error).
namespace ksycli {

int runParticipantsCommand(int argc, char** argv);

} // namespace ksycli
