// kestrametrix-cli says what it can do: every command with its arguments,
// and each command's options with --help, without touching any file.
#include "support/fakes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ksy {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun cli(const test::TempDir& dir, const std::string& arguments)
{
    const auto out = dir.path() / "out";
    const auto err = dir.path() / "err";
    const std::string command = std::string(KSY_CLI_PATH) + " " + arguments + " > " +
        out.string() + " 2> " + err.string();
    const int raw = std::system(command.c_str());
    return {(raw >> 8) & 0xFF, test::readFile(out), test::readFile(err)};
}

const char* const kCommands[] = {"replay", "ranking", "global", "detail", "analysis", "sheet",
    "participants", "pilots", "publish"};

TEST(CliHelp, ListsEveryCommandAndEachCommandsOptions)
{
    test::TempDir dir;
    for (const char* ask : {"help", "--help"}) {
        const CliRun r = cli(dir, ask);
        EXPECT_EQ(r.status, 0) << ask;
        EXPECT_TRUE(r.err.empty()) << r.err;
        for (const char* c : kCommands)
            EXPECT_NE(r.out.find(std::string("\n  ") + c + " "), std::string::npos)
                << c << " missing from:\n" << r.out;
    }
    // Without any argument: the same list, as a usage error.
    const CliRun bare = cli(dir, "");
    EXPECT_EQ(bare.status, 2);
    EXPECT_TRUE(bare.out.empty());
    EXPECT_NE(bare.err.find("  sheet RACE --category C --round R --heat H [--pdf FILE] [--xlsx FILE]"),
        std::string::npos)
        << bare.err;

    // Each command's own help, whatever comes before --help.
    for (const char* c : kCommands) {
        const CliRun r = cli(dir, std::string(c) + " --help");
        EXPECT_EQ(r.status, 0) << c << ": " << r.err;
        EXPECT_EQ(r.out.rfind(std::string("usage: kestrametrix-cli ") + c + " ", 0), 0u) << r.out;
    }
    const CliRun late = cli(dir, "ranking course.race --category 1 --help");
    EXPECT_EQ(late.status, 0);
    EXPECT_NE(late.out.find("--criterion"), std::string::npos) << late.out;
    EXPECT_EQ(cli(dir, "help sheet").out, cli(dir, "sheet --help").out);

    // Help on a command that does not exist is a usage error naming it.
    const CliRun unknown = cli(dir, "help classement");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("commande inconnue : classement"), std::string::npos) << unknown.err;
}

} // namespace
} // namespace ksy
