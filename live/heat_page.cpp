#include "live/heat_page.h"

#include "live/option_words.h"
#include "live/page_shell.h"
#include "live/web_text.h"
#include "services/translate.h"

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
std::string cell(const std::string& text, const char* cls, const std::string& label = {})
{
    std::string td = std::string("<td class=\"") + cls + "\"";
    if (!label.empty())
        td += " data-titre=\"" + htmlEscape(label) + "\"";
    return td + ">" + htmlEscape(text) + "</td>";
}

std::string clock(const char* id, const std::string& label, const std::string& text)
{
    return std::string("<span class=\"horloge-case ") + id + "\"><span class=\"etiquette\">" +
        htmlEscape(label) + "</span> <span id=\"" + id + "\">" + htmlEscape(text) +
        "</span></span>";
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
    return heat.heatTitle.empty() ? translate("HeatPage", "Aucune série en cours")
                                  : optionsInWords(heat.heatTitle);
}

std::string liveHeatPage(const BoardInputs& heat, std::uint64_t version, const SiteLinks& links)
{
    // The words of the page, once for all its lines.
    const std::string laps = translate("HeatPage", "Tours");
    const std::string total = translate("HeatPage", "Total");
    const std::string gap = translate("HeatPage", "Écart");
    const std::string previous = translate("HeatPage", "Préc.");
    const std::string last = translate("HeatPage", "Dernier");
    const std::string best = translate("HeatPage", "Meilleur");
    const std::string finished = htmlEscape(translate("HeatPage", "Arrivé"));
    const auto th = [](const char* cls, const std::string& text) {
        return (*cls ? std::string("<th class=\"") + cls + "\">" : std::string("<th>")) +
            htmlEscape(text) + "</th>";
    };
    std::string body = "<h1 id=\"titre\">" + htmlEscape(liveHeatTitle(heat)) + "</h1>\n";
    body += "<div class=\"horloge\">" +
        clock("duree", translate("HeatPage", "Durée"), heat.durationText) +
        clock("ecoule", translate("HeatPage", "Écoulé"), heat.elapsedText) +
        clock("restant", translate("HeatPage", "Restant"), heat.remainingText) +
        clock("decompte", translate("HeatPage", "Décompte"), heat.countdownText) + "</div>\n";
    body += "<div class=\"tableau\"><table id=\"direct\" data-version=\"" +
        std::to_string(version) + "\">\n<thead><tr>" + th("pos", translate("HeatPage", "Pos")) +
        th("ligne", translate("HeatPage", "Ligne")) +
        th("nom", translate("HeatPage", "Nom pilote")) + th("", laps) +
        th("", translate("HeatPage", "Temps total")) +
        th("", translate("HeatPage", "Ecart leader")) +
        th("ecart-precedent", translate("HeatPage", "Ecart précédt")) +
        th("", translate("HeatPage", "Dernier tour")) +
        th("", translate("HeatPage", "Meilleur tour")) + th("fin", translate("HeatPage", "Fin")) +
        "</tr></thead>\n<tbody id=\"lignes\">";
    for (const BoardLine& l : heat.rows) {
        body += l.changed ? "<tr class=\"nouveau\">" : "<tr>";
        const char* bestClass = l.holdsHeatBest
            ? "meilleur meilleur-serie"
            : (l.newPersonalBest ? "meilleur record-perso" : "meilleur");
        body += cell(l.place, "pos") + cell(l.slot, "ligne") + cell(l.name, "nom") +
            cell(l.passingCount, "tours", laps) + cell(l.totalTime, "total", total) +
            cell(l.gapToLeader, "ecart", gap) + cell(l.gapToPrevious, "ecart-precedent", previous) +
            cell(l.lastLap, "dernier", last) + cell(l.bestLap, bestClass, best) +
            "<td class=\"fin\">" +
            (l.finished ? "<span class=\"drapeau\" role=\"img\" aria-label=\"" + finished +
                        "\" title=\"" + finished + "\"></span>"
                        : std::string()) +
            "</td></tr>\n";
    }
    body += "</tbody></table></div>\n";
    return pageShell(translate("PageShell", "En direct"), body, links, "/direct.js");
}

} // namespace ksy
