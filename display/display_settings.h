#pragma once
// The fonts, colours and column widths of the main window, the race tree and
// the live board: "Private/RéglagesAffichage.rgsc", and the "*.scrn" themes of
// the same format. Eleven lines of TAB-terminated values: the style; the 12
// face names; the 12 sizes, weights, italic, underline and strike-out values;
// the 12 text colours; the 13 colours; the 9 column widths; the 16 custom
// colours of the colour picker.
#include "services/canvas.h"
#include "services/translate.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kDisplaySettingsFile = "Private/RéglagesAffichage.rgsc";
inline constexpr std::string_view kDisplaySettingsError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Réglage Affichage");
inline constexpr std::string_view kThemeExtension = ".scrn";

struct DisplayFont {
    static constexpr std::size_t kFaceWidth = 32;
    std::string face; // Windows-1252, at most 31 bytes
    int size = 0; // drawn at size × screen width / 1600 pixels
    int weight = 0;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    bool operator==(const DisplayFont&) const = default;
};

struct DisplaySettings {
    static constexpr std::size_t kFonts = 12;
    static constexpr std::size_t kColours = 13;
    static constexpr std::size_t kColumns = 9;
    static constexpr std::size_t kCustomColours = 16;

    int style = 0; // 1 "style relief", 0 "style dégradé"
    std::array<int, kColumns> columnWidths {}; // 1/1600 of the screen width, 0 to 999
    std::array<DisplayFont, kFonts> fonts {};
    std::array<Colour, kFonts> textColours {};
    std::array<Colour, kColours> colours {};
    std::array<Colour, kCustomColours> customColours {};

    bool operator==(const DisplaySettings&) const = default;
};

// The file's bytes.
std::string formatDisplaySettings(const DisplaySettings& settings);

// Reads the bytes over `settings`: the face names are cleared first, every
// other value is replaced as far as the file holds well-formed numbers (the
// first malformed one and all after it keep their values).
void parseDisplaySettings(std::string_view bytes, DisplaySettings& settings);

// False when the file cannot be opened; `settings` is then unchanged.
bool readDisplaySettings(const std::filesystem::path& file, DisplaySettings& settings);
// Creates the file anew; false when it cannot be opened or written.
bool writeDisplaySettings(const std::filesystem::path& file, const DisplaySettings& settings);

// The theme file name a "Sauver" gives: ".scrn" appended unless the name
// already contains it.
std::string themeFileName(std::string name);

} // namespace ksy
