#include "live/heat_page.h"

#include "live/option_words.h"
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

// A cell with the class the narrow layout places it by and, for the values,
// the label a phone shows before it (the table's header is hidden there).
std::string cell(const std::string& text, const char* cls, const char* label = nullptr)
{
    std::string td = std::string("<td class=\"") + cls + "\"";
    if (label)
        td += std::string(" data-titre=\"") + label + "\"";
    return td + ">" + htmlEscape(text) + "</td>";
}

std::string clock(const char* id, const char* label, const std::string& text)
{
    return std::string("<span class=\"horloge-case ") + id + "\"><span class=\"etiquette\">" +
        label + "</span> <span id=\"" + id + "\">" + htmlEscape(text) + "</span></span>";
}

} // namespace

std::string liveHeatJson(const BoardInputs& heat, std::uint64_t version)
{
    std::string out = "{\"version\":" + std::to_string(version);
    field(out, "titre", optionsInWords(heat.heatTitle));
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

std::string liveHeatTitle(const BoardInputs& heat)
{
    return heat.heatTitle.empty() ? "Aucune série en cours" : optionsInWords(heat.heatTitle);
}

std::string liveHeatPage(const BoardInputs& heat, std::uint64_t version, const SiteLinks& links)
{
    std::string body = "<h1 id=\"titre\">" + htmlEscape(liveHeatTitle(heat)) + "</h1>\n";
    body += "<div class=\"horloge\">" + clock("duree", "Durée", heat.durationText) +
        clock("ecoule", "Écoulé", heat.elapsedText) +
        clock("restant", "Restant", heat.remainingText) +
        clock("decompte", "Décompte", heat.countdownText) + "</div>\n";
    body += "<div class=\"tableau\"><table id=\"direct\" data-version=\"" +
        std::to_string(version) +
        "\">\n<thead><tr><th class=\"pos\">Pos</th><th class=\"ligne\">Ligne</th>"
        "<th class=\"nom\">Nom pilote</th><th>Tours</th><th>Temps total</th>"
        "<th>Ecart leader</th><th class=\"ecart-precedent\">Ecart précédt</th>"
        "<th>Dernier tour</th><th>Meilleur tour</th><th class=\"fin\">Fin</th></tr></thead>\n"
        "<tbody id=\"lignes\">";
    for (const BoardLine& l : heat.rows) {
        body += l.changed ? "<tr class=\"nouveau\">" : "<tr>";
        const char* best =
            l.holdsHeatBest ? "meilleur meilleur-serie" : (l.newPersonalBest ? "meilleur record-perso" : "meilleur");
        body += cell(l.place, "pos") + cell(l.slot, "ligne") + cell(l.name, "nom") +
            cell(l.passingCount, "tours", "Tours") + cell(l.totalTime, "total", "Total") +
            cell(l.gapToLeader, "ecart", "Écart") +
            cell(l.gapToPrevious, "ecart-precedent", "Préc.") +
            cell(l.lastLap, "dernier", "Dernier") + cell(l.bestLap, best, "Meilleur") +
            "<td class=\"fin\">" +
            (l.finished ? "<span class=\"drapeau\" role=\"img\" aria-label=\"Arrivé\" "
                          "title=\"Arrivé\"></span>"
                        : "") +
            "</td></tr>\n";
    }
    body += "</tbody></table></div>\n";
    return pageShell("En direct", body, links, "/direct.js");
}

} // namespace ksy
