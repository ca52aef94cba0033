#include "live/site_pages.h"

#include "live/option_words.h"
#include "live/page_shell.h"
#include "live/web_text.h"
#include "services/translate.h"

namespace ksy {

namespace {

std::string link(const std::string& href, const std::string& textUtf8)
{
    return "<a href=\"" + htmlEscape(href) + "\">" + htmlEscape(textUtf8) + "</a>";
}

std::string td(const std::string& text, const char* cls = "")
{
    return (*cls ? std::string("<td class=\"") + cls + "\">" : std::string("<td>")) +
        htmlEscape(text) + "</td>";
}

std::string th(const std::string& text, const char* cls = "")
{
    return (*cls ? std::string("<th class=\"") + cls + "\">" : std::string("<th>")) +
        htmlEscape(text) + "</th>";
}

std::string categoryTitle(const SiteCategory& category)
{
    return category.name.empty()
        ? fillText(translate("SitePages", "Catégorie %1"), {std::to_string(category.number)})
        : category.name;
}

} // namespace

std::string heatHeading(int round, int heat)
{
    return fillText(translate("SitePages", "Manche %1 - Série %2"),
        {std::to_string(round), std::to_string(heat)});
}

std::string resultsPage(const RaceSite& site, const SiteLinks& links)
{
    const RaceHeading& h = site.heading;
    const std::string results = translate("SitePages", "Résultats");
    std::string body = "<h1>" + htmlEscape(h.race.empty() ? results : h.race) + "</h1>\n";
    std::string about;
    const auto add = [&about](const std::string& line, const std::string& value) {
        if (!value.empty())
            about += std::string(about.empty() ? "" : "<br>") + htmlEscape(fillText(line, {value}));
    };
    add(translate("SitePages", "Piste : %1"), h.track);
    add(translate("SitePages", "Club : %1"), h.club);
    add(translate("SitePages", "Date : %1"), h.date);
    if (!about.empty())
        body += "<p class=\"entete\">" + about + "</p>\n";
    if (!h.race.empty())
        body += "<h2>" + htmlEscape(results) + "</h2>\n";
    if (site.categories.empty())
        body += "<p class=\"vide\">" + htmlEscape(translate("SitePages", "Aucune catégorie.")) +
            "</p>\n";
    body += "<ul>\n";
    for (const SiteCategory& c : site.categories)
        body += "<li>" + link(links.category(c.number), categoryTitle(c)) + "</li>\n";
    body += "</ul>\n";
    return pageShell(
        h.race.empty() ? results : fillText(translate("SitePages", "Résultats - %1"), {h.race}),
        body, links);
}

std::string categoryPage(const SiteCategory& category, const SiteLinks& links)
{
    const std::string title = categoryTitle(category);
    std::string body = "<h1>" + htmlEscape(title) + "</h1>\n";
    if (category.globalRanking)
        body += "<p>" +
            link(links.globalRanking(category.number),
                translate("SitePages", "Classement général")) +
            "</p>\n";
    if (category.rounds == 0)
        body += "<p class=\"vide\">" + htmlEscape(translate("SitePages", "Aucune manche prévue.")) +
            "</p>\n";
    for (int r = 1; r <= category.rounds; ++r) {
        body += "<h2>" +
            htmlEscape(fillText(translate("SitePages", "Manche %1"), {std::to_string(r)})) +
            "</h2>\n<ul>\n";
        if (category.roundRanking(r))
            body += "<li>" +
                link(links.roundRanking(category.number, r),
                    translate("SitePages", "Classement de la manche")) +
                "</li>\n";
        for (int h = 1; h <= category.heatsPerRound; ++h) {
            const StoredHeat* heat = category.heat(r, h);
            const std::string name =
                fillText(translate("SitePages", "Série %1"), {std::to_string(h)});
            if (heat && heat->stored)
                body += "<li>" + link(links.heat(category.number, r, h), name) + "</li>\n";
            else
                body += "<li>" + htmlEscape(name) + " <span class=\"vide\">" +
                    htmlEscape(translate("SitePages", "(pas de résultat)")) + "</span></li>\n";
        }
        body += "</ul>\n";
    }
    return pageShell(title, body, links);
}

std::string heatResultPage(
    const SiteCategory& category, const StoredHeat& heat, const SiteLinks& links)
{
    const std::string title = categoryTitle(category) + " - " + heatHeading(heat.round, heat.heat);
    std::string body = "<h1>" + htmlEscape(title) + "</h1>\n<p>" +
        link(links.category(category.number), categoryTitle(category)) + "</p>\n";
    if (!heat.description.empty() && heat.description != ".")
        body += "<p>" + htmlEscape(optionsInWords(heat.description)) + "</p>\n";
    if (!heat.condition.empty())
        body += "<p>" +
            htmlEscape(fillText(translate("SitePages", "Piste : %1"), {heat.condition})) + "</p>\n";
    if (!heat.comment.empty())
        body += "<p class=\"commentaire\">" + htmlEscape(heat.comment) + "</p>\n";
    if (heat.lines.empty()) {
        body += "<p class=\"vide\">" +
            htmlEscape(translate("SitePages", "Pas de résultat enregistré.")) + "</p>\n";
        return pageShell(title, body, links);
    }
    body += "<div class=\"tableau\"><table>\n<thead><tr>" + th(translate("HeatPage", "Pos")) +
        th(translate("HeatPage", "Ligne"), "facultatif") + th(translate("HeatPage", "Nom pilote")) +
        th(translate("HeatPage", "Tours")) + th(translate("HeatPage", "Temps total")) +
        th(translate("HeatPage", "Dernier tour")) + th(translate("HeatPage", "Meilleur tour")) +
        "</tr></thead>\n<tbody>\n";
    for (const StoredHeatLine& l : heat.lines)
        body += "<tr>" + td(l.place, "pos") + td(l.slot, "ligne facultatif") + td(l.name, "nom") +
            td(l.passingCount) + td(l.totalTime) + td(l.lastLap) + td(l.bestLap) + "</tr>\n";
    body += "</tbody></table></div>\n";
    return pageShell(title, body, links);
}

std::string rankingPage(
    const SiteCategory& category, const StoredRanking& ranking, const SiteLinks& links)
{
    const bool global = ranking.round == 0;
    const std::string title = categoryTitle(category) + " - " +
        (global ? translate("SitePages", "Classement général")
                : fillText(translate("SitePages", "Classement manche %1"),
                      {std::to_string(ranking.round)}));
    std::string body = "<h1>" + htmlEscape(title) + "</h1>\n<p>" +
        link(links.category(category.number), categoryTitle(category)) + "</p>\n";
    if (global && ranking.bestRounds > 0)
        body += "<p>" +
            htmlEscape(fillText(translate("SitePages", "Points des %1 meilleures manches"),
                {std::to_string(ranking.bestRounds)})) +
            "</p>\n";
    const std::string points = translate("SitePages", "Points");
    body += "<div class=\"tableau\"><table>\n<thead><tr>" + th(translate("HeatPage", "Pos")) +
        th(translate("HeatPage", "Nom pilote"));
    if (global) {
        body += th(points);
        //: The column of a round's points in the general ranking: M1 for Manche 1.
        const std::string roundColumn = translate("SitePages", "M%1");
        for (int r = 1; r <= category.rounds; ++r)
            body += th(fillText(roundColumn, {std::to_string(r)}), "facultatif");
    } else {
        body += th(translate("HeatPage", "Tours")) + th(translate("HeatPage", "Temps total")) +
            th(translate("HeatPage", "Meilleur tour")) + th(points);
    }
    body += "</tr></thead>\n<tbody>\n";
    for (const RankingLine& l : ranking.lines) {
        body += "<tr>" + td(l.place, "pos") + td(l.name, "nom");
        if (global) {
            body += td(l.points);
            for (const std::string& p : l.roundPoints)
                body += td(p, "facultatif");
        } else {
            body += td(l.laps) + td(l.totalTime) + td(l.bestLap) + td(l.points);
        }
        body += "</tr>\n";
    }
    body += "</tbody></table></div>\n";
    return pageShell(title, body, links);
}

std::string rankingJson(const SiteCategory& category, const StoredRanking& ranking)
{
    const bool global = ranking.round == 0;
    std::string out = "{\"categorie\":" + std::to_string(category.number) +
        ",\"nomCategorie\":" + jsonString(category.name);
    out += global ? ",\"meilleuresManches\":" + std::to_string(ranking.bestRounds)
                  : ",\"manche\":" + std::to_string(ranking.round);
    out += ",\"lignes\":[";
    for (std::size_t i = 0; i < ranking.lines.size(); ++i) {
        const RankingLine& l = ranking.lines[i];
        out += i ? ",{" : "{";
        out += "\"place\":" + jsonString(l.place) + ",\"nom\":" + jsonString(l.name) +
            ",\"points\":" + jsonString(l.points);
        if (global) {
            out += ",\"pointsManches\":[";
            for (std::size_t r = 0; r < l.roundPoints.size(); ++r)
                out += (r ? "," : "") + jsonString(l.roundPoints[r]);
            out += "]";
        } else {
            out += ",\"tours\":" + jsonString(l.laps) +
                ",\"tempsTotal\":" + jsonString(l.totalTime) +
                ",\"meilleurTour\":" + jsonString(l.bestLap);
        }
        out += "}";
    }
    out += "]}";
    return out;
}

std::string raceJson(const RaceSite& site)
{
    const SiteLinks api = SiteLinks::served();
    std::string out = "{\"categories\":[";
    bool firstCategory = true;
    for (const SiteCategory& c : site.categories) {
        out += firstCategory ? "{" : ",{";
        firstCategory = false;
        out += "\"numero\":" + std::to_string(c.number) + ",\"nom\":" + jsonString(c.name) +
            ",\"classementGeneral\":" +
            (c.globalRanking ? jsonString("/api" + api.globalRanking(c.number)) : "null") +
            ",\"manches\":[";
        for (int r = 1; r <= c.rounds; ++r) {
            out += r > 1 ? ",{" : "{";
            out += "\"numero\":" + std::to_string(r) + ",\"classement\":" +
                (c.roundRanking(r) ? jsonString("/api" + api.roundRanking(c.number, r)) : "null") +
                ",\"series\":[";
            for (int h = 1; h <= c.heatsPerRound; ++h) {
                const StoredHeat* heat = c.heat(r, h);
                out += h > 1 ? ",{" : "{";
                out += "\"numero\":" + std::to_string(h) + ",\"resultat\":" +
                    (heat && heat->stored ? jsonString("/api" + api.heat(c.number, r, h))
                                          : std::string("null")) +
                    "}";
            }
            out += "]}";
        }
        out += "]}";
    }
    out += "]}";
    return out;
}

std::string heatResultJson(const SiteCategory& category, const StoredHeat& heat)
{
    std::string out = "{\"categorie\":" + std::to_string(category.number) +
        ",\"nomCategorie\":" + jsonString(category.name) +
        ",\"manche\":" + std::to_string(heat.round) + ",\"serie\":" + std::to_string(heat.heat) +
        ",\"description\":" + jsonString(heat.description) +
        ",\"commentaire\":" + jsonString(heat.comment) +
        ",\"piste\":" + jsonString(heat.condition) + ",\"lignes\":[";
    for (std::size_t i = 0; i < heat.lines.size(); ++i) {
        const StoredHeatLine& l = heat.lines[i];
        out += i ? ",{" : "{";
        out += "\"place\":" + jsonString(l.place) + ",\"ligne\":" + jsonString(l.slot) +
            ",\"nom\":" + jsonString(l.name) + ",\"tours\":" + jsonString(l.passingCount) +
            ",\"tempsTotal\":" + jsonString(l.totalTime) +
            ",\"dernierTour\":" + jsonString(l.lastLap) +
            ",\"meilleurTour\":" + jsonString(l.bestLap) + "}";
    }
    out += "]}";
    return out;
}

} // namespace ksy
