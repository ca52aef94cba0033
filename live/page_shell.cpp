#include "live/page_shell.h"

#include "live/web_text.h"

namespace ksy {

std::string pageNavigation(const SiteLinks& links)
{
    std::string nav = "<nav>";
    if (!links.staticFiles())
        nav += "<a href=\"" + links.live() + "\">En direct</a> ";
    nav += "<a href=\"" + links.results() + "\">Résultats</a></nav>\n";
    return nav;
}

std::string pageShell(std::string_view titleUtf8, std::string_view bodyHtml, const SiteLinks& links,
    std::string_view script)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
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
    return R"(body { font-family: "Liberation Sans", Arial, sans-serif; margin: 0; padding: 0 8px;
  background: #f4f6f8; color: #1b1f23; }
nav { padding: 8px 0; font-size: 15px; }
nav a { margin-right: 16px; color: #0b5cad; text-decoration: none; font-weight: bold; }
h1 { font-size: 20px; margin: 8px 0; }
h2 { font-size: 17px; margin: 14px 0 6px; }
.horloge { display: flex; flex-wrap: wrap; gap: 12px; font-size: 18px; font-weight: bold; }
.horloge .ecoule { color: #009600; }
.horloge .restant { color: #960000; }
.tableau { overflow-x: auto; -webkit-overflow-scrolling: touch; }
table { border-collapse: collapse; width: 100%; background: #fff; font-size: 14px; }
th, td { padding: 6px 5px; border-bottom: 1px solid #d8dde3; text-align: center;
  white-space: nowrap; }
th { background: #1f3b5a; color: #fff; font-weight: normal; font-size: 12px; }
td.nom { text-align: left; font-weight: bold; white-space: normal; min-width: 7em; }
td.pos { background: #ffffc8; font-weight: bold; }
tr.nouveau td.ligne { background: #ffd27f; }
td.meilleur-serie { background: #c8f0c8; }
td.record-perso { background: #dde8ff; }
ul { padding-left: 18px; }
li { margin: 4px 0; }
.vide { color: #6a737d; font-style: italic; }
.commentaire { font-style: italic; }
footer { color: #8a939c; font-size: 11px; margin: 24px 0 12px; }
@media (max-width: 600px) {
  table { font-size: 13px; }
  th, td { padding: 5px 3px; }
  .facultatif { display: none; }
}
)";
}

std::string liveScript()
{
    // ES5 on purpose: old phones on the beach still follow the heat.
    return R"((function () {
  var shown = -1, polling = null;
  function text(id, value) { var e = document.getElementById(id); if (e) e.textContent = value; }
  function cell(tr, value, cls) {
    var td = document.createElement('td');
    td.textContent = value;
    if (cls) td.className = cls;
    tr.appendChild(td);
  }
  function show(d) {
    if (d.version === shown) return;
    shown = d.version;
    text('titre', d.titre || 'Aucune série en cours');
    text('duree', d.duree); text('ecoule', d.ecoule);
    text('restant', d.restant); text('decompte', d.decompte);
    var old = document.getElementById('lignes');
    var body = document.createElement('tbody');
    body.id = 'lignes';
    for (var i = 0; i < d.lignes.length; i++) {
      var l = d.lignes[i], tr = document.createElement('tr');
      if (l.modifie) tr.className = 'nouveau';
      cell(tr, l.place, 'pos'); cell(tr, l.ligne, 'ligne facultatif'); cell(tr, l.nom, 'nom');
      cell(tr, l.tours); cell(tr, l.tempsTotal); cell(tr, l.ecartLeader);
      cell(tr, l.ecartPrecedent, 'facultatif'); cell(tr, l.dernierTour);
      cell(tr, l.meilleurTour, l.meilleurTourSerie ? 'meilleur-serie'
                               : (l.recordPersonnel ? 'record-perso' : ''));
      cell(tr, l.arrivee ? '\uD83C\uDFC1' : '', 'fin');
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
}

} // namespace ksy
