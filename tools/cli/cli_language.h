#pragma once
// The language of what kestrametrix-cli says: its help, its messages and the
// web pages it publishes. French unless "--lang en" is given (anywhere among
// the arguments). The files it writes otherwise (text exports, spreadsheets,
// the race) are the same bytes in both languages.
#include "platform/interface_language.h"

#include <optional>
#include <string>

namespace ksycli {

// Takes "--lang CODE" out of the arguments (argc and argv are shortened) and
// gives the language; nothing, with the reason in `error`, for an unknown
// code or a missing one.
std::optional<ksy::InterfaceLanguage> takeLanguageOption(
    int& argc, char** argv, std::string& error);

// Makes the core's texts speak the language, from the catalogues built into
// the program. No application object is needed (and none is created): the
// commands that draw create their own, which stays French, so that their
// files do not change.
void installCliLanguage(ksy::InterfaceLanguage language);

} // namespace ksycli
