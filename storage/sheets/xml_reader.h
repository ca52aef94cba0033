#pragma once
// A small pull reader of the XML inside .xlsx and .ods files. It decodes only
// the five predefined entities and character references; a document type and
// any other entity are left as they are, never expanded, so that a file cannot
// make a few bytes grow into gigabytes. Names are compared by their local
// part (after the prefix): "table:table-cell" is "table-cell".
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ksy {

class XmlReader {
public:
    enum class Event { Start, End, Text, Done, Error };

    explicit XmlReader(std::string_view xml)
        : xml_(xml)
    {
    }

    Event next();
    // The element of the last Start or End, without its prefix.
    std::string_view name() const { return name_; }
    // A Start that was also its own End ("<a/>"): an End follows at once.
    bool selfClosing() const { return pendingEnd_; }
    // The attribute of the last Start, by local name; empty when absent.
    std::string attribute(std::string_view localName) const;
    bool hasAttribute(std::string_view localName) const;
    // The decoded text of the last Text event.
    const std::string& text() const { return text_; }

private:
    bool readTag();
    std::string_view xml_;
    std::size_t at_ = 0;
    std::string_view name_;
    std::vector<std::pair<std::string_view, std::string_view>> attributes_;
    std::string text_;
    bool pendingEnd_ = false;
    bool lastWasEnd_ = false;
};

// The text with its entities and character references decoded (unknown
// entities kept as written).
std::string decodeXmlText(std::string_view raw);

} // namespace ksy
