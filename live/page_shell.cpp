#include "live/page_shell.h"

#include "live/web_text.h"
#include "services/translate.h"

namespace ksy {

std::string pageNavigation(const SiteLinks& links)
{
    std::string nav = "<nav>";
    if (!links.staticFiles())
        nav += "<a href=\"" + links.live() + "\">" +
            htmlEscape(translate("PageShell", "En direct")) + "</a> ";
    nav += "<a href=\"" + links.results() + "\">" +
        htmlEscape(translate("PageShell", "Résultats")) + "</a></nav>\n";
    return nav;
}

std::string pageShell(std::string_view titleUtf8, std::string_view bodyHtml, const SiteLinks& links,
    std::string_view script)
{
    // The page says which language it is in (browsers pick fonts, hyphens and
    // voices by it): the code comes with the page's texts, from the same catalogue.
    //: The code of the language of the pages (en, de, nl…).
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + htmlEscape(translate("PageShell", "fr")) +
        "\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>";
    page += htmlEscape(titleUtf8);
    page += "</title>\n<link rel=\"stylesheet\" href=\"" + links.stylesheet() + "\">\n";
    if (!script.empty())
        page += "<script src=\"" + std::string(script) + "\" defer></script>\n";
    page += "</head>\n<body>\n";
    page += pageNavigation(links);
    page += bodyHtml;
    page += "<footer>Kestrametrix Sand Yachting</footer>\n</body>\n</html>\n";
    return page;
}

std::string siteStylesheet()
{
    // High contrast for a phone in the sun: black on white, nothing under
    // 16 px, and the board's own colours for the line just crossed, the
    // heat's best lap (violet) and a personal best (green).
    return R"(body { font-family: "Liberation Sans", Arial, sans-serif; margin: 0; padding: 0 8px;
  background: #fff; color: #000; font-size: 16px; line-height: 1.35; }
nav { padding: 8px 0; font-size: 18px; }
nav a { margin-right: 16px; color: #003c8f; text-decoration: underline; font-weight: bold; }
h1 { font-size: 22px; margin: 8px 0; overflow-wrap: anywhere; }
h2 { font-size: 19px; margin: 14px 0 6px; }
.entete { font-size: 18px; margin: 4px 0 12px; }
.horloge { display: flex; flex-wrap: wrap; gap: 4px 16px; font-size: 20px; font-weight: bold;
  margin-bottom: 8px; }
.horloge .etiquette { font-size: 16px; font-weight: normal; }
.horloge .ecoule { color: #006400; }
.horloge .restant { color: #8b0000; }
.tableau { overflow-x: auto; -webkit-overflow-scrolling: touch; }
table { border-collapse: collapse; width: 100%; background: #fff; font-size: 16px; }
th, td { padding: 6px 5px; border-bottom: 1px solid #000; text-align: center;
  white-space: nowrap; }
th { background: #000; color: #fff; font-weight: bold; font-size: 16px; }
td.nom { text-align: left; font-weight: bold; white-space: normal; overflow-wrap: anywhere;
  min-width: 7em; }
td.pos { background: #ffffc8; font-weight: bold; }
tr.nouveau td.pos, tr.nouveau td.ligne { background: #ffc800; outline: 3px solid #000;
  outline-offset: -3px; }
td.meilleur-serie { background: #c896ff; font-weight: bold; }
td.record-perso { background: #96e696; font-weight: bold; }
.drapeau { display: inline-block; width: 22px; height: 16px; vertical-align: middle;
  border: 1px solid #000;
  background: repeating-conic-gradient(#000 0 25%, #fff 0 50%) 0 0 / 8px 8px; }
ul { padding-left: 18px; }
li { margin: 6px 0; }
.vide { color: #333; font-style: italic; }
.commentaire { font-style: italic; }
footer { color: #333; font-size: 16px; margin: 24px 0 12px; }
@media (max-width: 600px) {
  th, td { padding: 5px 3px; }
  .facultatif { display: none; }
  /* The running order as one block per pilot: the place on the left, the
     name on the first line, then each value after its label, wrapping
     instead of widening the page. */
  #direct thead { display: none; }
  #direct, #direct tbody { display: block; border-collapse: separate; }
  #direct tr { display: flex; flex-wrap: wrap; align-items: baseline; position: relative;
    margin-left: 44px; border-bottom: 2px solid #000; }
  #direct td { border: 0; padding: 2px 6px 2px 4px; text-align: left; order: 4; }
  #direct td.pos { position: absolute; left: -44px; top: 0; bottom: 0; width: 40px;
    padding: 0; display: flex; align-items: center; justify-content: center; font-size: 20px;
    border-bottom: 2px solid #000; margin-bottom: -2px; }
  #direct td.ligne, #direct td.ecart-precedent, #direct td:empty { display: none; }
  #direct td.nom { flex: 1 1 60%; min-width: 0; font-size: 18px; order: 1; }
  #direct td.fin { flex: 0 0 auto; order: 2; }
  #direct td.tours { flex: 0 1 auto; order: 3; }
  #direct td[data-titre] { flex: 1 1 auto; }
  #direct td[data-titre]::before { content: attr(data-titre) " "; font-weight: normal; }
}
)";
}

std::string liveScript()
{
    // The words the script writes, in the page's language; JSON strings are
    // also safe inside a script.
    const auto word = [](const char* name, const std::string& text) {
        return std::string("  words.") + name + " = " + jsonString(text) + ";\n";
    };
    std::string script = "(function () {\n  var words = {};\n";
    script += word("none", translate("HeatPage", "Aucune série en cours"));
    script += word("laps", translate("HeatPage", "Tours"));
    script += word("total", translate("HeatPage", "Total"));
    script += word("gap", translate("HeatPage", "Écart"));
    script += word("previous", translate("HeatPage", "Préc."));
    script += word("last", translate("HeatPage", "Dernier"));
    script += word("best", translate("HeatPage", "Meilleur"));
    script += word("finished", translate("HeatPage", "Arrivé"));
    // ES5 on purpose: old phones on the beach still follow the heat.
    script += R"(  var shown = -1, polling = null;
  function text(id, value) { var e = document.getElementById(id); if (e) e.textContent = value; }
  function cell(tr, value, cls, label) {
    var td = document.createElement('td');
    td.textContent = value;
    td.className = cls;
    if (label) td.setAttribute('data-titre', label);
    tr.appendChild(td);
  }
  function show(d) {
    if (d.version === shown) return;
    shown = d.version;
    text('titre', d.titre || words.none);
    text('duree', d.duree); text('ecoule', d.ecoule);
    text('restant', d.restant); text('decompte', d.decompte);
    var old = document.getElementById('lignes');
    var body = document.createElement('tbody');
    body.id = 'lignes';
    for (var i = 0; i < d.lignes.length; i++) {
      var l = d.lignes[i], tr = document.createElement('tr');
      if (l.modifie) tr.className = 'nouveau';
      cell(tr, l.place, 'pos'); cell(tr, l.ligne, 'ligne'); cell(tr, l.nom, 'nom');
      cell(tr, l.tours, 'tours', words.laps); cell(tr, l.tempsTotal, 'total', words.total);
      cell(tr, l.ecartLeader, 'ecart', words.gap);
      cell(tr, l.ecartPrecedent, 'ecart-precedent', words.previous);
      cell(tr, l.dernierTour, 'dernier', words.last);
      cell(tr, l.meilleurTour, l.meilleurTourSerie ? 'meilleur meilleur-serie'
                               : (l.recordPersonnel ? 'meilleur record-perso' : 'meilleur'),
           words.best);
      var fin = document.createElement('td');
      fin.className = 'fin';
      if (l.arrivee) {
        var flag = document.createElement('span');
        flag.className = 'drapeau';
        flag.setAttribute('role', 'img');
        flag.setAttribute('aria-label', words.finished);
        flag.title = words.finished;
        fin.appendChild(flag);
      }
      tr.appendChild(fin);
      body.appendChild(tr);
    }
    old.parentNode.replaceChild(body, old);
  }
  function poll() {
    var r = new XMLHttpRequest();
    r.open('GET', '/api/direct');
    r.onload = function () { if (r.status === 200) { try { show(JSON.parse(r.responseText)); } catch (e) {} } };
    r.send();
  }
  function startPolling() { if (!polling) polling = setInterval(poll, 1000); }
  function stopPolling() { if (polling) { clearInterval(polling); polling = null; } }
  var table = document.getElementById('direct');
  if (table) shown = +table.getAttribute('data-version');
  if (window.EventSource) {
    var events = new EventSource('/evenements');
    events.onmessage = function (e) { try { show(JSON.parse(e.data)); } catch (x) {} };
    events.onopen = stopPolling;
    events.onerror = startPolling;
  } else {
    startPolling();
  }
})();
)";
    return script;
}

} // namespace ksy
