#pragma once
#include "storage/char_source.h"

#include <cstddef>
#include <string>

namespace ksy {

// The field readers shared by every reader of every file: tab-terminated text
// fields, "%d\t" integers, line skipping. The one-character look-ahead of the
// file format is the source's own position: a step that ends on a character
// that belongs to the next field steps back over it, so the next read starts
// with it.
class FieldReader {
public:
    explicit FieldReader(CharSource& in)
        : in_(in)
    {
    }

    // A text field: bytes up to a TAB (also up to an LF or CR LF when
    // stopAtLf, for fields that may stand last on their line) or the end. The terminator is
    // consumed and not stored. At most width - 1 bytes are kept (width counts
    // the terminating zero of the record's fixed array); the rest is dropped.
    std::string readText(std::size_t width, bool stopAtLf = true);

    // An integer with the semantics of scanf "%d\t": white space (spaces,
    // TABs, line ends) is skipped, a sign and digits are converted, then all
    // white space after it is skipped, across line ends. When no number
    // stands there (or it does not fit an int) value keeps what it held and
    // false is returned; the offending character is left to be read next.
    bool readInt(int& value);

    // Reads up to and including the next LF (or to the end).
    void skipLine();
    // Reads over line ends (LF, CR LF); the first other byte is left to be
    // read next.
    void skipEmptyLines();
    // Reads and drops count fields ended by TAB or LF.
    void skipFields(int count);

    // What ended the last text field: '\t', '\n' or CharSource::kEnd.
    int lastTerminator() const { return terminator_; }

    // Whether the source is at its end (consumes nothing).
    bool atEnd();
    CharSource& source() { return in_; }

private:
    CharSource& in_;
    int terminator_ = CharSource::kEnd;
};

} // namespace ksy
