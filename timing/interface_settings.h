#pragma once
// The decoder connection remembered in "RéglagesInterface2.rg": one line
// "<port>\t<connected>\t<identity>\n". Written at start-up, on an RC2 link
// loss or recovery and by the INTERFACE dialog's "Ouvrir"; read at start-up
// (port only), by the first tick after start-up or after the dialog, and by
// the dialog.
#include "services/translate.h"
#include "storage/work_folder.h"

#include <optional>
#include <string>

namespace ksy {

inline constexpr const char* kInterfaceSettingsFile = "RéglagesInterface2.rg";

struct InterfaceSettings {
    // UTF-8 in memory; "COM3" on Windows, a device path such as
    // "/dev/ttyUSB0" elsewhere.
    std::string portName;
    int connected = 0;
    // "Kestrametrix" (RC1) or "KestrametrixRC2" (RC2); anything else is
    // neither model.
    std::string identity;
};

// Nothing when the file cannot be opened. A short or damaged line leaves the
// missing fields empty (connected 0) rather than failing.
std::optional<InterfaceSettings> readInterfaceSettings(const WorkFolder& folder);

// False when the file cannot be written. With connected 0 the identity written
// is always "Kestrametrix", whatever the record holds.
bool writeInterfaceSettings(const WorkFolder& folder, const InterfaceSettings& settings);

// The error boxes when the file cannot be opened: the start-up and tick text
// and the dialog's (which writes "interface" in lower case).
inline constexpr const char* kInterfaceFileError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Interface Port COM");
inline constexpr const char* kInterfaceFileDialogError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier interface Port COM");

} // namespace ksy
