#pragma once
// The heat result commands of kestrametrix-cli: detail, analysis, sheet.

namespace ksycli {

bool isResultCommand(const char* verb);
// Exit status: 0 done, 1 output not written, 2 bad usage or bad input (one
// line on standard error, nothing on standard output).
int runResultCommand(int argc, char** argv);

} // namespace ksycli
