#pragma once
// What kestrametrix-cli can do, said by the program itself:
//   kestrametrix-cli                  every command (standard error, status 2)
//   kestrametrix-cli help | --help    every command (standard output, status 0)
//   kestrametrix-cli help COMMAND     one command with its options
//   kestrametrix-cli COMMAND --help   the same
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksycli {

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis; // the arguments after the command's name
    const char* summary; // one line, French (shown in the chosen language)
    const char* details; // options, one a line
};

const std::vector<CommandHelp>& commandHelps();
// The list of every command with its arguments.
std::string overallHelp();
// One command's help; nothing for a name that is no command.
std::optional<std::string> commandHelp(std::string_view name);

// When the arguments ask for help, prints it and gives the exit status;
// nothing when they do not (the command runs).
std::optional<int> answerHelp(int argc, char** argv);

} // namespace ksycli
