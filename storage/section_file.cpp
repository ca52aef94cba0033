#include "storage/section_file.h"

#include "services/prompts.h"
#include "storage/encoding.h"

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

struct Area {
    long size = 0;
    bool followed = false; // another section stands behind it
};

// Where the area starting at bodyStart ends: before the empty line that
// precedes the next title line, or at the end of the file.
Area measureArea(FileStream& f, long bodyStart)
{
    f.seek(bodyStart);
    long lineStart = bodyStart;
    bool previousEmpty = false;
    for (;;) {
        int c = f.get();
        if (c == CharSource::kEnd)
            return {lineStart - bodyStart, false};
        const bool empty = c == '\n';
        std::string field;
        while (c != '\t' && c != '\n' && c != CharSource::kEnd) {
            if (field.size() <= kMaxTitleLength)
                field += static_cast<char>(c);
            c = f.get();
        }
        if (previousEmpty && c == '\t' && looksLikeSectionTitle(field)) {
            c = f.get();
            if (c == '\n' || c == CharSource::kEnd)
                return {lineStart - 1 - bodyStart, true};
        }
        while (c != '\n' && c != CharSource::kEnd)
            c = f.get();
        if (c == CharSource::kEnd)
            return {f.position() - bodyStart, false};
        previousEmpty = empty;
        lineStart = f.position();
    }
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
    FieldBuffer wanted {};
    std::memcpy(wanted.data(), title.data(), title.size());

    int c = in.get();
    while (c != CharSource::kEnd) {
        FieldBuffer field {};
        std::size_t n = 0;
        while (c != '\t' && c != '\n' && c != CharSource::kEnd) {
            if (n < kMaxTitleLength)
                field[n++] = static_cast<char>(c);
            c = in.get();
        }
        while (c != '\n' && c != CharSource::kEnd)
            c = in.get();
        c = in.get();
        if (field == wanted)
            return {true, c};
    }
    return {};
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
    const long needed =
        static_cast<long>(body.size()) + (!body.empty() && body.back() == '\n' ? 0 : 1);
    const Area existing = measureArea(f, bodyStart);
    long size = std::max(existing.size, needed);
    if (!existing.followed)
        size = std::max(size, 2L * reserve + 1);

    std::string area = fillerOfSize(static_cast<std::size_t>(size));
    area.replace(0, body.size(), body);
    if (existing.followed && size > existing.size) {
        // The area grows: everything behind it moves down unchanged.
        f.seek(bodyStart + existing.size);
        area += f.readRest();
    }
    f.seek(bodyStart);
    return f.write(area);
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

    long bodyStart = 0;
    if (findSectionBody(*f, title)) {
        bodyStart = f->position();
        // A title line cut short at the end of the file gets its line end
        // back, or the body would continue the title line.
        f->seek(bodyStart - 1);
        if (f->get() != '\n') {
            if (!f->write("\n"))
                return RewriteResult::CannotOpen;
            ++bodyStart;
        }
    } else {
        f->seekEnd();
        std::string titleLine = "\n";
        titleLine.append(title);
        titleLine += "\t\n";
        if (!f->write(titleLine))
            return RewriteResult::CannotOpen;
        bodyStart = f->position();
    }
    const bool written = rewriteArea(*f, bodyStart, reserve, writer.str());
    return f->close() && written ? RewriteResult::Written : RewriteResult::CannotOpen;
}

std::string sectionNotFoundMessage(std::string_view title)
{
    const std::string category = cp1252("Catégorie");
    if (title == "PisteCourse")
        return "Erreur: Intitulé de Piste course non trouvé";
    if (title == cp1252("CatégorieDrapeauxTreeview"))
        return "Erreur: Intitulé des drapeaux séries du Treeview non trouvé";
    if (startsWith(title, category)) {
        std::string_view rest = title.substr(category.size());
        if (skipNumber(rest)) {
            if (rest == "ListeParticipants")
                return "Erreur: Intitulé de Liste des participants non trouvé";
            if (rest == cp1252("QualifsParamètres"))
                return "Erreur: Intitulé Paramètres des qualifs non trouvé";
            if (rest == cp1252("RépartitionQualifs"))
                return "Erreur: Intitulé de Répartition des qualifs non trouvé";
            if (rest == cp1252("GrilleDépartQualifs"))
                return "Erreur: Intitulé Grille Départ des qualifs non trouvé";
            if (rest == "ClassementFinalQualifs")
                return "Erreur: Intitulé Classement global qualifs non trouvé";
            if (startsWith(rest, "M")) {
                rest.remove_prefix(1);
                if (skipNumber(rest)) {
                    if (rest == "Classement")
                        return "Erreur: Intitulé Classement de manche qualifs non trouvé";
                    if (startsWith(rest, "S")) {
                        rest.remove_prefix(1);
                        if (skipNumber(rest) && rest.empty())
                            return "Erreur: Intitulé de la Série de qualifs non trouvé";
                    }
                }
            }
        }
    }
    return "Erreur: Intitulé de section non trouvé";
}

} // namespace ksy
