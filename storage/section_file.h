#pragma once
#include "storage/char_source.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ksy {

class Prompts;

// Titled sections of the race file: an empty line, the title line (the title
// and a TAB), then a body area of `reserve` pairs "1", TAB and a final LF. The
// body is written over the start of its area; the rest of the filler stays.

// The longest title that the lookup can match (its field buffer holds 104).
inline constexpr std::size_t kMaxTitleLength = 104;

// The empty body area of a section: reserve pairs "1", TAB, then LF.
std::string sectionFiller(int reserve);

struct SectionLookupResult {
    bool found = false;
    // The byte read last: when found, the first byte of the line after the
    // title line (CharSource::kEnd when the title line ends the file). The
    // source then stands one byte past it.
    int lastChar = CharSource::kEnd;
};

// Searches the file from its start for the first line whose first field
// equals the title. Every line is examined, body lines included; only the
// first 104 bytes of a field take part in the comparison.
SectionLookupResult sectionLookup(CharSource& in, std::string_view title);

// sectionLookup, then one step back so that the source stands at the body
// start, ready for a FieldReader. False when the section does not exist.
bool findSectionBody(CharSource& in, std::string_view title);

// Whether a first field has the form of a race-file section title: "PisteCourse"
// or beginning with "Catégorie" (Windows-1252). The editors refuse names of
// these forms, so no record line can be taken for a title.
bool looksLikeSectionTitle(std::string_view field);

enum class RewriteResult {
    Written,
    CannotOpen, // the file could not be opened (or written)
    TitleNotFound, // the title could not be found after its creation
};

using BodyWriter = std::function<void(FieldWriter&)>;

// Rewrites one section of the file in place: the area is filled again with
// its filler, then the body is written from its start. An absent section is
// appended at the end (LF, title line, area), after the LF of a last line
// that lost it. A body that does not fit the
// area that exists in the file (with its final LF) makes the area grow: the
// rest of the file moves down unchanged, so the next section is never
// overwritten. When prompts are given, TitleNotFound shows the section's own
// "Erreur" box; CannotOpen is always left to the caller.
RewriteResult fixedSlotRewrite(const std::filesystem::path& file, std::string_view title,
    int reserve, const BodyWriter& body, Prompts* prompts = nullptr);

// The in-place rewrite of one body area whose body starts at bodyStart of an
// open file (the race header's area starts at 0). The area that exists there
// runs to the empty line before the next line that holds a section title
// (CR LF line ends and a missing empty line recognised), or to the end of the
// file when no title follows; it is filled with its filler and the body goes
// over its start. It grows when the body (and its final LF) would not fit,
// never shrinks, and gets at least 2 * reserve + 1 bytes when nothing follows
// it. A growth rewrites the file through a temporary file; an in-place write
// goes through the redo log. False when the file could not be read or written.
bool rewriteArea(FileStream& file, long bodyStart, int reserve, std::string_view body);

// The "Erreur" text (UTF-8) shown when a section is not found after its
// creation, chosen by the family of the title (Windows-1252).
std::string sectionNotFoundMessage(std::string_view title);

} // namespace ksy
