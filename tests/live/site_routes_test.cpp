#include "live/heat_page.h"
#include "live/site_routes.h"
#include "live/static_export.h"
#include "live/web_text.h"
#include "live_fixture.h"
#include "storage/encoding.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ksy;

TEST(SiteRoutes, RequestsThatCouldChangeOrFloodAreRefusedBeforeAnyPath)
{
    struct Case {
        const char* method;
        std::string target;
        std::size_t headers;
        std::size_t body;
        int status; // 0: goes on
    };
    const Case cases[] = {
        {"GET", "/", 100, 0, 0},
        {"HEAD", "/api/direct", 100, 0, 0},
        {"POST", "/", 100, 0, 405},
        {"PUT", "/resultats", 100, 10, 405},
        {"DELETE", "/", 100, 0, 405},
        {"OPTIONS", "*", 100, 0, 405},
        {"get", "/", 100, 0, 405},
        {"GET", "/" + std::string(kMaxTargetLength, 'a'), 100, 0, 414},
        {"GET", "/", kMaxRequestHeaderBytes + 1, 0, 431},
        {"GET", "/", 100, 1, 413},
        {"GET", "http://evil/", 100, 0, 400},
        {"GET", "/a b", 100, 0, 400},
        {"GET", "/a\\..\\b", 100, 0, 400},
    };
    for (const Case& c : cases) {
        const auto refused = refuseRequest(c.method, c.target, c.headers, c.body);
        EXPECT_EQ(refused ? refused->status : 0, c.status) << c.method << " " << c.target;
        if (refused) {
            EXPECT_NE(refused->body.find("<html lang=\"fr\">"), std::string::npos);
        }
    }
}

TEST(SiteRoutes, PathsOfTheStoredRaceAndNothingElse)
{
    test::TempDir dir;
    RaceSite site = readRaceSite(test::hostileRaceBytes(dir));
    readStoredRankings(dir.path() / "Course.race", site);
    ASSERT_EQ(site.categories.size(), 1u);
    BoardInputs heat;
    heat.heatTitle = "S\xC3\xA9rie <1>";
    const std::string json = liveHeatJson(heat, 3);
    const SiteState state {&heat, 3, &json, &site};

    EXPECT_EQ(routeRequest("/api/direct", state).body, json);
    EXPECT_NE(routeRequest("/", state).body.find("S\xC3\xA9rie &lt;1&gt;"), std::string::npos);
    EXPECT_EQ(routeRequest("/style.css", state).contentType, "text/css; charset=utf-8");

    // The stored heat, in running order, its hostile texts escaped.
    const WebResponse page = routeRequest("/categorie/1/manche/1/serie/1", state);
    ASSERT_EQ(page.status, 200);
    const std::string name = cp1252ToUtf8(test::kHostileName);
    const std::size_t hostile = page.body.find(htmlEscape(name));
    ASSERT_NE(hostile, std::string::npos);
    EXPECT_LT(hostile, page.body.find(">Lent<"));
    EXPECT_EQ(page.body.find("<script>"), std::string::npos);
    EXPECT_NE(page.body.find("Vent &lt;fort&gt; &amp; &quot;rafales&quot;"), std::string::npos);
    const WebResponse api = routeRequest("/api/categorie/1/manche/1/serie/1", state);
    EXPECT_NE(api.body.find("\"nom\":" + jsonString(name)), std::string::npos);
    EXPECT_NE(routeRequest("/api/course", state)
                  .body.find("\"resultat\":\"/api/categorie/1/manche/1/serie/1\"},{\"numero\":2,"
                             "\"resultat\":null}"),
        std::string::npos);
    EXPECT_NE(routeRequest("/categorie/1", state).body.find("Tabur &amp; &lt;Standart&gt;"),
        std::string::npos);

    // The stored rankings: the round's rows with their points, the global
    // order the official validated with each pilot's sum.
    const std::string round = routeRequest("/categorie/1/manche/1/classement", state).body;
    const std::size_t first = round.find("<td class=\"nom\">" + htmlEscape(name) + "</td>");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first,
        round.find("<td class=\"nom\">Lent</td><td>1</td><td>2:10.000</td>"
                   "<td>1:10.000</td><td>2</td>"));
    EXPECT_NE(routeRequest("/api/categorie/1/classement", state)
                  .body.find("{\"place\":\"2\",\"nom\":\"Lent\",\"points\":\"2\","
                             "\"pointsManches\":[\"2\"]}"),
        std::string::npos);
    EXPECT_NE(routeRequest("/categorie/1", state).body.find("Classement de la manche"),
        std::string::npos);

    for (const char* missing : {"/categorie/1/manche/1/serie/2", "/categorie/2", "/categorie/01",
             "/categorie/1/manche/2/serie/1", "/categorie/1/manche/1/serie/1/",
             "/categorie/1/manche/2/classement", "/../etc/passwd", "/categorie/1/../../etc",
             "/api/categorie/1", "/index.html", "/categorie/-1"})
        EXPECT_EQ(routeRequest(missing, state).status, 404) << missing;
}

TEST(StaticExport, EveryPageAndLinkOfTheExportExistsAsAFile)
{
    test::TempDir dir;
    RaceSite site = readRaceSite(test::hostileRaceBytes(dir));
    readStoredRankings(dir.path() / "Course.race", site);
    const auto pages = staticPages(site);
    std::string error;
    ASSERT_TRUE(writeStaticPages(pages, dir.path() / "site", error)) << error;
    std::vector<std::string> names;
    for (const ExportedPage& p : pages)
        names.push_back(p.fileName);
    EXPECT_EQ(names,
        (std::vector<std::string> {"style.css", "index.html", "categorie-1.html",
            "categorie-1-classement.html", "categorie-1-manche-1-classement.html",
            "categorie-1-manche-1-serie-1.html"}));
    for (const ExportedPage& p : pages) {
        EXPECT_EQ(test::readFile(dir.path() / "site" / p.fileName), p.content);
        // Links point at exported files only.
        for (std::size_t at = p.content.find("href=\""); at != std::string::npos;
             at = p.content.find("href=\"", at + 1)) {
            const std::size_t start = at + 6;
            const std::string target = p.content.substr(start, p.content.find('"', start) - start);
            EXPECT_NE(std::find(names.begin(), names.end(), target), names.end())
                << p.fileName << " -> " << target;
        }
    }
}
