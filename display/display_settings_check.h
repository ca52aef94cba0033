#pragma once
// Display settings read with a check: a file the program did not write whole
// (an empty or truncated file, a hand edit, a disk that filled up) is said
// and replaced by the shipped theme, instead of giving a black board and
// shifted numbers. Every line must hold its count of values (a missing value
// would shift every later number into the wrong field) and every number its
// range (sizes and widths feed the board's arithmetic). Negative widths, which
// a drag on the board can leave, are clamped as the dialog clamps them.
#include "display/display_settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

// The theme shipped with the program ("Private/RéglagesAffichage.rgsc" of a
// new working folder, and "Thème standard.scrn").
inline constexpr std::string_view kShippedThemeFile = "Thème standard.scrn";
DisplaySettings shippedDisplaySettings();

// What is wrong with the bytes, in French ("ligne 3 : 11 valeurs au lieu de
// 12"); empty when they are a complete settings file. CR LF line ends are
// accepted.
std::string displaySettingsProblem(std::string_view bytes);

enum class DisplaySettingsStatus { Read, CannotOpen, Damaged };

struct DisplaySettingsLoad {
    DisplaySettingsStatus status = DisplaySettingsStatus::CannotOpen;
    std::string problem; // Damaged: what displaySettingsProblem said
};

// Reads and checks the file. Only a sound file replaces `settings` (negative
// widths clamped to 0); otherwise `settings` is left as it was.
DisplaySettingsLoad loadDisplaySettings(
    const std::filesystem::path& file, DisplaySettings& settings);

// The box text of a load that failed: "Erreur: impossible d'ouvrir le fichier
// Réglage Affichage" for a missing file, or a text naming the damaged file
// and its fault. With `shippedUsed` it adds that the shipped theme is used.
std::string displaySettingsLoadText(
    const DisplaySettingsLoad& load, const std::filesystem::path& file, bool shippedUsed);

} // namespace ksy
