#include "live/site_routes.h"

#include "live/heat_page.h"
#include "live/page_shell.h"
#include "live/site_pages.h"
#include "live/web_text.h"
#include "services/translate.h"

#include <charconv>
#include <vector>

namespace ksy {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kJson = "application/json; charset=utf-8";

std::vector<std::string_view> segments(std::string_view path)
{
    std::vector<std::string_view> out;
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        out.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// A small positive number written plainly ("07" and "+7" are not).
std::optional<int> number(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 2 || text[0] == '0')
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The stored-results paths below "/categorie/": what they point at.
struct ResultPath {
    const SiteCategory* category = nullptr;
    const StoredHeat* heat = nullptr; // a heat result
    int round = 0; // a round ranking when no heat
    bool global = false;
};

std::optional<ResultPath> resultPath(const std::vector<std::string_view>& s, const RaceSite& race)
{
    if (s.size() < 2 || s[0] != "categorie")
        return std::nullopt;
    const auto c = number(s[1]);
    ResultPath p;
    p.category = c ? race.category(*c) : nullptr;
    if (!p.category)
        return std::nullopt;
    if (s.size() == 2)
        return p;
    if (s.size() == 3 && s[2] == "classement") {
        p.global = true;
        return p;
    }
    if (s.size() < 5 || s[2] != "manche")
        return std::nullopt;
    const auto r = number(s[3]);
    if (!r || *r > p.category->rounds)
        return std::nullopt;
    p.round = *r;
    if (s.size() == 5 && s[4] == "classement")
        return p;
    if (s.size() != 6 || s[4] != "serie")
        return std::nullopt;
    const auto h = number(s[5]);
    p.heat = h ? p.category->heat(*r, *h) : nullptr;
    if (!p.heat || !p.heat->stored)
        return std::nullopt;
    return p;
}

WebResponse ok(const char* type, std::string body)
{
    return {200, type, std::move(body)};
}

} // namespace

std::optional<WebResponse> refuseRequest(std::string_view method, std::string_view target,
    std::size_t headerBytes, std::size_t bodyBytes)
{
    if (method != "GET" && method != "HEAD")
        return errorResponse(405);
    if (target.size() > kMaxTargetLength)
        return errorResponse(414);
    if (headerBytes > kMaxRequestHeaderBytes)
        return errorResponse(431);
    if (bodyBytes > 0)
        return errorResponse(413);
    if (target.empty() || target[0] != '/')
        return errorResponse(400);
    for (const char c : target)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F || c == '\\')
            return errorResponse(400);
    return std::nullopt;
}

WebResponse errorResponse(int status)
{
    std::string text;
    switch (status) {
    case 400:
        text = translate("SiteRoutes", "Requête invalide.");
        break;
    case 404:
        text = translate("SiteRoutes", "Page introuvable.");
        break;
    case 405:
        text = translate("SiteRoutes", "Méthode non autorisée : ce site se consulte seulement.");
        break;
    case 413:
        text = translate("SiteRoutes", "Requête trop grande.");
        break;
    case 414:
        text = translate("SiteRoutes", "Adresse trop longue.");
        break;
    case 431:
        text = translate("SiteRoutes", "En-têtes trop grands.");
        break;
    case 503:
        text = translate("SiteRoutes", "Trop de connexions, réessayez dans un instant.");
        break;
    default:
        text = translate("SiteRoutes", "Erreur.");
        break;
    }
    std::string body = "<!DOCTYPE html>\n<html lang=\"" + htmlEscape(translate("PageShell", "fr")) +
        "\"><head><meta charset=\"utf-8\"><title>" +
        htmlEscape(fillText(translate("SiteRoutes", "Erreur %1"), {std::to_string(status)})) +
        "</title></head><body><p>" + htmlEscape(text) + "</p><p><a href=\"/\">" +
        htmlEscape(translate("SiteRoutes", "Retour")) + "</a></p></body></html>\n";
    return {status, kHtml, std::move(body)};
}

WebResponse routeRequest(std::string_view path, const SiteState& state)
{
    static const BoardInputs noHeat;
    static const RaceSite noRace;
    const BoardInputs& heat = state.heat ? *state.heat : noHeat;
    const RaceSite& race = state.race ? *state.race : noRace;
    const SiteLinks links = SiteLinks::served();

    if (path == "/")
        return ok(kHtml, liveHeatPage(heat, state.heatVersion, links));
    if (path == "/style.css")
        return ok("text/css; charset=utf-8", siteStylesheet());
    if (path == "/direct.js")
        return ok("text/javascript; charset=utf-8", liveScript());
    if (path == "/resultats")
        return ok(kHtml, resultsPage(race, links));
    if (path == "/api/direct")
        return ok(kJson, state.heatJson ? *state.heatJson : liveHeatJson(heat, state.heatVersion));
    if (path == "/api/course")
        return ok(kJson, raceJson(race));
    if (path.empty() || path[0] != '/')
        return errorResponse(404);

    std::vector<std::string_view> s = segments(path);
    const bool api = !s.empty() && s[0] == "api";
    if (api)
        s.erase(s.begin());
    const auto target = resultPath(s, race);
    if (!target)
        return errorResponse(404);
    const SiteCategory& c = *target->category;
    if (target->heat)
        return api ? ok(kJson, heatResultJson(c, *target->heat))
                   : ok(kHtml, heatResultPage(c, *target->heat, links));
    if (target->global || target->round) {
        const StoredRanking* ranking = target->global
            ? (c.globalRanking ? &*c.globalRanking : nullptr)
            : c.roundRanking(target->round);
        if (!ranking)
            return errorResponse(404);
        return api ? ok(kJson, rankingJson(c, *ranking))
                   : ok(kHtml, rankingPage(c, *ranking, links));
    }
    return api ? errorResponse(404) : ok(kHtml, categoryPage(c, links));
}

} // namespace ksy
