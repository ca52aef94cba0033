#include "display/display_settings.h"

#include "storage/char_source.h"
#include "storage/durable_io.h"
#include "storage/field_reader.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"

#include <cstdint>

namespace ksy {

namespace {

// Colours are written as the platform's "%d" of a 32-bit colour reference.
int asInt(Colour c)
{
    return static_cast<std::int32_t>(c);
}

template <std::size_t N, typename Get> void writeLine(FieldWriter& out, Get get)
{
    for (std::size_t i = 0; i < N; ++i)
        out.integer(get(i));
    out.endLine();
}

void readInt(FieldReader& in, int& value)
{
    in.readInt(value);
}

void readColour(FieldReader& in, Colour& colour)
{
    int value = asInt(colour);
    if (in.readInt(value)) colour = static_cast<Colour>(static_cast<std::uint32_t>(value));
}

} // namespace

std::string formatDisplaySettings(const DisplaySettings& s)
{
    constexpr std::size_t F = DisplaySettings::kFonts;
    FieldWriter out;
    out.integer(s.style).endLine();
    for (const auto& f : s.fonts)
        out.text(f.face, DisplayFont::kFaceWidth);
    out.endLine();
    writeLine<F>(out, [&](std::size_t i) { return s.fonts[i].size; });
    writeLine<F>(out, [&](std::size_t i) { return s.fonts[i].weight; });
    writeLine<F>(out, [&](std::size_t i) { return s.fonts[i].italic; });
    writeLine<F>(out, [&](std::size_t i) { return s.fonts[i].underline; });
    writeLine<F>(out, [&](std::size_t i) { return s.fonts[i].strikeOut; });
    writeLine<F>(out, [&](std::size_t i) { return asInt(s.textColours[i]); });
    writeLine<DisplaySettings::kColours>(out, [&](std::size_t i) { return asInt(s.colours[i]); });
    writeLine<DisplaySettings::kColumns>(out, [&](std::size_t i) { return s.columnWidths[i]; });
    writeLine<DisplaySettings::kCustomColours>(
        out, [&](std::size_t i) { return asInt(s.customColours[i]); });
    return out.take();
}

void parseDisplaySettings(std::string_view bytes, DisplaySettings& s)
{
    StringSource source(bytes);
    FieldReader in(source);
    // The style is read alone on its line: an integer read would run on over
    // the line end and the skip to the end of the line would eat the names.
    const std::string style = in.readText(16, true);
    if (in.lastTerminator() == '\t')
        in.skipLine();
    StringSource styleSource(style);
    FieldReader styleReader(styleSource);
    readInt(styleReader, s.style);

    // The names stand on their own line; a short line leaves the rest empty
    // instead of taking the sizes for names.
    for (auto& f : s.fonts)
        f.face.clear();
    bool lineEnded = false;
    for (auto& f : s.fonts) {
        f.face = in.readText(DisplayFont::kFaceWidth, true);
        if (in.lastTerminator() != '\t') {
            lineEnded = true;
            break;
        }
    }
    if (!lineEnded) in.skipLine();

    for (auto& f : s.fonts)
        readInt(in, f.size);
    for (auto& f : s.fonts)
        readInt(in, f.weight);
    for (auto& f : s.fonts)
        readInt(in, f.italic);
    for (auto& f : s.fonts)
        readInt(in, f.underline);
    for (auto& f : s.fonts)
        readInt(in, f.strikeOut);
    for (auto& c : s.textColours)
        readColour(in, c);
    for (auto& c : s.colours)
        readColour(in, c);
    for (auto& w : s.columnWidths)
        readInt(in, w);
    for (auto& c : s.customColours)
        readColour(in, c);
}

bool readDisplaySettings(const std::filesystem::path& file, DisplaySettings& settings)
{
    auto stream = FileStream::open(file, OpenMode::Read);
    if (!stream) return false;
    parseDisplaySettings(stream->readRest(), settings);
    return true;
}

bool writeDisplaySettings(const std::filesystem::path& file, const DisplaySettings& settings)
{
    return writeFileAtomically(file, formatDisplaySettings(settings));
}

std::string themeFileName(std::string name)
{
    if (name.find(kThemeExtension) == std::string::npos) name += kThemeExtension;
    return name;
}

} // namespace ksy
