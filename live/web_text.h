#pragma once
// Escaping of every text that reaches a page or a JSON document. Names, clubs
// and comments come from race files that travel between clubs: they are
// hostile until escaped.
#include <string>
#include <string_view>

namespace ksy {

// UTF-8 with every malformed sequence replaced by U+FFFD, so that a page or a
// JSON document never carries bytes a browser or a parser would choke on.
std::string validUtf8(std::string_view text);

// For HTML text and attribute values: & < > " ' become entities.
std::string htmlEscape(std::string_view utf8);

// A JSON string literal, quotes included. Besides the JSON escapes, < > & and
// U+2028/U+2029 are written as \u escapes so that the text is also safe
// inside a <script> element.
std::string jsonString(std::string_view utf8);

} // namespace ksy
