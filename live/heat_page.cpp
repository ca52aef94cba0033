#include "live/heat_page.h"

#include "live/page_shell.h"
#include "live/web_text.h"

namespace ksy {

namespace {

void field(std::string& out, const char* name, const std::string& value)
{
    out += ',';
    out += jsonString(name);
    out += ':';
    out += jsonString(value);
}

void flag(std::string& out, const char* name, bool value)
{
    out += ',';
    out += jsonString(name);
    out += value ? ":true" : ":false";
}

std::string cell(const std::string& text, const char* cls = "")
{
    std::string td = *cls ? std::string("<td class=\"") + cls + "\">" : std::string("<td>");
    return td + htmlEscape(text) + "</td>";
}

std::string clockSpan(const char* id, const std::string& text)
{
    return std::string("<span id=\"") + id + "\" class=\"" + id + "\">" + htmlEscape(text) +
        "</span>";
}

} // namespace

std::string liveHeatJson(const BoardInputs& heat, std::uint64_t version)
{
    std::string out = "{\"version\":" + std::to_string(version);
    field(out, "titre", heat.heatTitle);
    field(out, "duree", heat.durationText);
    field(out, "ecoule", heat.elapsedText);
    field(out, "restant", heat.remainingText);
    field(out, "decompte", heat.countdownText);
    out += ",\"lignes\":[";
    for (std::size_t i = 0; i < heat.rows.size(); ++i) {
        const BoardLine& l = heat.rows[i];
        out += i ? ",{" : "{";
        out += "\"place\":" + jsonString(l.place);
        field(out, "ligne", l.slot);
        field(out, "nom", l.name);
        field(out, "tours", l.passingCount);
        field(out, "tempsTotal", l.totalTime);
        field(out, "ecartLeader", l.gapToLeader);
        field(out, "ecartPrecedent", l.gapToPrevious);
        field(out, "dernierTour", l.lastLap);
        field(out, "meilleurTour", l.bestLap);
        field(out, "transpondeur", l.transponder);
        flag(out, "arrivee", l.finished);
        flag(out, "modifie", l.changed);
        flag(out, "meilleurTourSerie", l.holdsHeatBest);
        flag(out, "recordPersonnel", l.newPersonalBest);
        out += '}';
    }
    out += "]}";
    return out;
}

std::string liveHeatPage(const BoardInputs& heat, std::uint64_t version, const SiteLinks& links)
{
    std::string body = "<h1 id=\"titre\">" +
        htmlEscape(heat.heatTitle.empty() ? "Aucune série en cours" : heat.heatTitle) + "</h1>\n";
    body += "<div class=\"horloge\">" + clockSpan("duree", heat.durationText) +
        clockSpan("ecoule", heat.elapsedText) + clockSpan("restant", heat.remainingText) +
        clockSpan("decompte", heat.countdownText) + "</div>\n";
    body += "<div class=\"tableau\"><table id=\"direct\" data-version=\"" +
        std::to_string(version) +
        "\">\n<thead><tr><th>Pos</th><th class=\"facultatif\">Ligne</th><th>Nom pilote</th>"
        "<th>Tours</th><th>Temps total</th><th>Ecart leader</th>"
        "<th class=\"facultatif\">Ecart précédt</th><th>Dernier tour</th><th>Meilleur tour</th>"
        "<th>Fin</th></tr></thead>\n<tbody id=\"lignes\">";
    for (const BoardLine& l : heat.rows) {
        body += l.changed ? "<tr class=\"nouveau\">" : "<tr>";
        body += cell(l.place, "pos") + cell(l.slot, "ligne facultatif") + cell(l.name, "nom") +
            cell(l.passingCount) + cell(l.totalTime) + cell(l.gapToLeader) +
            cell(l.gapToPrevious, "facultatif") + cell(l.lastLap) +
            cell(l.bestLap,
                l.holdsHeatBest ? "meilleur-serie" : (l.newPersonalBest ? "record-perso" : "")) +
            cell(l.finished ? "\xF0\x9F\x8F\x81" : "", "fin") + "</tr>\n";
    }
    body += "</tbody></table></div>\n";
    return pageShell("En direct", body, links, "/direct.js");
}

} // namespace ksy
