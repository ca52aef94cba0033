#include "storage/section_file.h"

#include "services/prompts.h"
#include "services/translate.h"
#include "storage/durable_io.h"
#include "storage/encoding.h"
#include "storage/section_index.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ksy {
namespace {

using FieldBuffer = std::array<char, kMaxTitleLength + 1>;

// A title the lookup can ever find: a whole first field of at most 104 bytes.
bool isFindableTitle(std::string_view title)
{
    return !title.empty() && title.size() <= kMaxTitleLength &&
        title.find_first_of(std::string_view("\t\n\0", 3)) == std::string_view::npos;
}

std::string fillerOfSize(std::size_t size)
{
    std::string out(size, '1');
    for (std::size_t i = 1; i < size; i += 2)
        out[i] = '\t';
    if (size > 0)
        out[size - 1] = '\n';
    return out;
}

constexpr std::size_t kFieldWindow = kMaxTitleLength + 2;

struct Area {
    long size = 0;
    bool followed = false; // a section title stands behind it
};

bool isEmptyLine(std::string_view line)
{
    return line.substr(0, 1) == "\n" || line.substr(0, 2) == "\r\n";
}

// A line that holds nothing but a section title: the title, then a TAB or
// not, then the line end (CR LF as well) or the end of the file.
bool isTitleLine(std::string_view line)
{
    line = line.substr(0, kFieldWindow + 2);
    std::size_t end = line.find_first_of("\t\n");
    if (end == std::string_view::npos) {
        if (line.size() > kMaxTitleLength)
            return false;
        end = line.size();
    }
    std::string_view field = line.substr(0, end);
    std::string_view rest = line.substr(end);
    if (!rest.empty() && rest.front() == '\t')
        rest.remove_prefix(1);
    else if (!field.empty() && field.back() == '\r')
        field.remove_suffix(1);
    if (!rest.empty() && rest.front() == '\r')
        rest.remove_prefix(1);
    return looksLikeSectionTitle(field) && (rest.empty() || rest.front() == '\n');
}

// Where the area starting at bodyStart ends: before the empty line (if any)
// in front of the next line that holds a section title, or at the end of the
// file when no title follows. A title is recognised by its line alone, so
// that a file whose line ends were changed or whose empty lines were lost
// never lets an area run over the sections behind it.
Area measureArea(CharSource& f, long bodyStart)
{
    f.seekTo(bodyStart);
    long emptyLineStart = -1;
    for (;;) {
        const long lineStart = f.offset();
        const std::string_view line = f.available(kFieldWindow + 2);
        if (line.empty())
            return {lineStart - bodyStart, false};
        if (isTitleLine(line))
            return {(emptyLineStart >= 0 ? emptyLineStart : lineStart) - bodyStart, true};
        emptyLineStart = isEmptyLine(line) ? lineStart : -1;
        skipPastLineEnd(f);
    }
}

// The area of a given size, filler with the body over its start.
std::string areaWith(std::string_view body, long size)
{
    std::string area = fillerOfSize(static_cast<std::size_t>(size));
    area.replace(0, body.size(), body);
    return area;
}

long neededSize(std::string_view body)
{
    return static_cast<long>(body.size()) + (!body.empty() && body.back() == '\n' ? 0 : 1);
}

// Whether the file holds these bytes at offset.
bool sameBytes(CharSource& f, long offset, std::string_view bytes)
{
    f.seekTo(offset);
    while (!bytes.empty()) {
        const std::string_view v = f.available(1);
        if (v.empty())
            return false;
        const std::size_t n = std::min(v.size(), bytes.size());
        if (v.substr(0, n) != bytes.substr(0, n))
            return false;
        bytes.remove_prefix(n);
        f.advance(n);
    }
    return true;
}

// A file whose last line lost its LF (a full disk, a crash) gets it back
// before anything is appended, or the appended title would continue that
// line and no lookup would find it.
bool mendLastLineEnd(FileStream& f)
{
    const long size = f.size();
    if (size <= 0)
        return true;
    f.seek(size - 1);
    if (f.get() == '\n')
        return true;
    f.seek(size);
    return f.write("\n");
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

// Skips the decimal digits at the front of s; false when there are none.
bool skipNumber(std::string_view& s)
{
    std::size_t n = 0;
    while (n < s.size() && s[n] >= '0' && s[n] <= '9')
        ++n;
    s.remove_prefix(n);
    return n > 0;
}

} // namespace

std::string sectionFiller(int reserve)
{
    return fillerOfSize(static_cast<std::size_t>(2 * std::max(reserve, 0) + 1));
}

SectionLookupResult sectionLookup(CharSource& in, std::string_view title)
{
    in.rewind();
    if (!isFindableTitle(title))
        return {};
    if (const std::optional<long> line = in.indexedTitle(title)) {
        if (*line < 0)
            return {};
        in.seekTo(*line);
        skipPastLineEnd(in);
        return {true, in.get()};
    }
    for (;;) {
        const std::string_view line = in.available(kFieldWindow);
        if (line.empty())
            return {};
        const auto field = comparableFirstField(line);
        const bool found = field && *field == title;
        skipPastLineEnd(in);
        if (found)
            return {true, in.get()};
    }
}

bool findSectionBody(CharSource& in, std::string_view title)
{
    if (!sectionLookup(in, title).found)
        return false;
    in.unget();
    return true;
}

bool looksLikeSectionTitle(std::string_view field)
{
    return field == "PisteCourse" || startsWith(field, "Cat\xE9gorie");
}

bool rewriteArea(FileStream& f, long bodyStart, int reserve, std::string_view body)
{
    const Area existing = measureArea(f, bodyStart);
    if (f.failed())
        return false;
    long size = std::max(existing.size, neededSize(body));
    if (!existing.followed)
        size = std::max(size, 2L * reserve + 1);
    if (!existing.followed || size == existing.size) {
        const std::string area = areaWith(body, size);
        // The same bytes again (a heat stored twice, flags that did not
        // change) cost no write and no flush.
        if (size == existing.size && sameBytes(f, bodyStart, area))
            return true;
        f.seek(bodyStart);
        return f.write(area);
    }
    // The area grows: everything behind it moves down unchanged. The file is
    // written anew beside the old one and renamed over it, so that a crash
    // leaves one or the other.
    f.seek(0);
    std::string whole = f.readRest();
    if (f.failed())
        return false;
    whole.replace(static_cast<std::size_t>(bodyStart), static_cast<std::size_t>(existing.size),
        areaWith(body, size));
    return writeFileAtomically(f.path(), whole);
}

RewriteResult fixedSlotRewrite(const std::filesystem::path& file, std::string_view title,
    int reserve, const BodyWriter& body, Prompts* prompts)
{
    auto f = FileStream::open(file, OpenMode::Update);
    if (!f)
        return RewriteResult::CannotOpen;
    if (!isFindableTitle(title)) {
        // Appending it would add a copy at every rewrite that nothing finds.
        if (prompts)
            prompts->error(sectionNotFoundMessage(title));
        return RewriteResult::TitleNotFound;
    }
    FieldWriter writer;
    body(writer);
    if (!mendLastLineEnd(*f))
        return RewriteResult::CannotOpen;

    bool written = false;
    if (findSectionBody(*f, title)) {
        written = rewriteArea(*f, f->position(), reserve, writer.str());
    } else if (!f->failed()) {
        // LF, the title line and the area, in one write.
        std::string section = "\n";
        section.append(title);
        section += "\t\n";
        section += areaWith(writer.str(), std::max(neededSize(writer.str()), 2L * reserve + 1));
        f->seekEnd();
        written = f->write(section);
    }
    return f->close() && written ? RewriteResult::Written : RewriteResult::CannotOpen;
}

std::string sectionNotFoundMessage(std::string_view title)
{
    const std::string category = cp1252("Catégorie");
    if (title == "PisteCourse")
        return translate("Storage", "Erreur: Intitulé de Piste course non trouvé");
    if (title == cp1252("CatégorieDrapeauxTreeview"))
        return translate("Storage", "Erreur: Intitulé des drapeaux séries du Treeview non trouvé");
    if (startsWith(title, category)) {
        std::string_view rest = title.substr(category.size());
        if (skipNumber(rest)) {
            if (rest == "ListeParticipants")
                return translate(
                    "Storage", "Erreur: Intitulé de Liste des participants non trouvé");
            if (rest == cp1252("QualifsParamètres"))
                return translate("Storage", "Erreur: Intitulé Paramètres des qualifs non trouvé");
            if (rest == cp1252("RépartitionQualifs"))
                return translate(
                    "Storage", "Erreur: Intitulé de Répartition des qualifs non trouvé");
            if (rest == cp1252("GrilleDépartQualifs"))
                return translate(
                    "Storage", "Erreur: Intitulé Grille Départ des qualifs non trouvé");
            if (rest == "ClassementFinalQualifs")
                return translate(
                    "Storage", "Erreur: Intitulé Classement global qualifs non trouvé");
            if (startsWith(rest, "M")) {
                rest.remove_prefix(1);
                if (skipNumber(rest)) {
                    if (rest == "Classement")
                        return translate(
                            "Storage", "Erreur: Intitulé Classement de manche qualifs non trouvé");
                    if (startsWith(rest, "S")) {
                        rest.remove_prefix(1);
                        if (skipNumber(rest) && rest.empty())
                            return translate(
                                "Storage", "Erreur: Intitulé de la Série de qualifs non trouvé");
                    }
                }
            }
        }
    }
    return translate("Storage", "Erreur: Intitulé de section non trouvé");
}

} // namespace ksy
