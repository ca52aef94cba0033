#include "live/web_text.h"

#include <gtest/gtest.h>

using namespace ksy;

TEST(WebText, HostileTextsCannotLeaveTheirPlaceInHtmlOrJson)
{
    const std::string hostile = "<script>alert(\"x\")</script> & 'y'";
    EXPECT_EQ(
        htmlEscape(hostile), "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;y&#39;");
    EXPECT_EQ(jsonString(hostile),
        "\"\\u003cscript\\u003ealert(\\\"x\\\")\\u003c/script\\u003e \\u0026 'y'\"");
    // Control characters, backslashes and the two JavaScript line breaks.
    EXPECT_EQ(jsonString("a\\b\nc\x01\xE2\x80\xA8"), "\"a\\\\b\\u000ac\\u0001\\u2028\"");
    // Accents pass as UTF-8; bytes that are not UTF-8 (a Windows-1252 name
    // that was never converted) become U+FFFD instead of breaking the page.
    EXPECT_EQ(jsonString("Zo\xC3\xA9"), "\"Zo\xC3\xA9\"");
    EXPECT_EQ(htmlEscape("Zo\xE9"), "Zo\xEF\xBF\xBD");
    EXPECT_EQ(validUtf8("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80"
                        "ok\xE2\x82"),
        "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
        "\xEF\xBF\xBD\xEF\xBF\xBDok\xEF\xBF\xBD\xEF\xBF\xBD");
}
