<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>CliChecks</name>
    <message>
        <source>fichier vide</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>fichier binaire, pas un fichier de résultats</source>
        <translation>binary file, not a results file</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>nombre de passages hors de 0 à %1</source>
        <translation>number of passings outside 0 to %1</translation>
    </message>
    <message>
        <source>il manque des temps de passage</source>
        <translation>passing times are missing</translation>
    </message>
    <message>
        <source>temps de passage invalide</source>
        <translation>invalid passing time</translation>
    </message>
    <message>
        <source>temps de passage qui reviennent en arrière</source>
        <translation>passing times going backwards</translation>
    </message>
    <message>
        <source>mode de classement absent</source>
        <translation>ranking mode missing</translation>
    </message>
    <message>
        <source>plus de %1 pilotes</source>
        <translation>more than %1 pilots</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>rejoue une série d&apos;un scénario ou d&apos;un journal de passages</source>
        <translation>replays a heat from a scenario or a passing journal</translation>
    </message>
    <message>
        <source>  --png FILE      dessine le tableau en direct à la fin de la série
  --size WxH      taille de l&apos;écran du dessin (1600x900 par défaut)
  --workdir DIR   réglages d&apos;affichage du dossier de travail DIR
</source>
        <translation>  --png FILE      draws the live board at the end of the heat
  --size WxH      size of the drawing&apos;s screen (1600x900 by default)
  --workdir DIR   display settings of the working folder DIR
</translation>
    </message>
    <message>
        <source>classement d&apos;une manche, comme la fenêtre « Classement Manche »</source>
        <translation>ranking of a round, as the &quot;Round ranking&quot; window</translation>
    </message>
    <message>
        <source>  --category C    catégorie (1 à 9)
  --round R       manche (1 à 9)
  --criterion K   CLASSEMENTToursTemps ou CLASSEMENTMeilleurTour
  --scale ...     points de la 1re place et les cinq écarts
  --export FILE   le texte exporté, octet pour octet
  --pdf FILE      les pages imprimées
  --xlsx FILE     le classement en classeur .xlsx
  --csv FILE      le classement en CSV (UTF-8, « ; »)
  --store         enregistre le classement dans RACE (« Valider »)
</source>
        <translation>  --category C    category (1 to 9)
  --round R       round (1 to 9)
  --criterion K   CLASSEMENTToursTemps or CLASSEMENTMeilleurTour
  --scale ...     points of 1st place and the five gaps
  --export FILE   the exported text, byte for byte (in French)
  --pdf FILE      the printed pages
  --xlsx FILE     the ranking as an .xlsx workbook
  --csv FILE      the ranking as CSV (UTF-8, &quot;;&quot;)
  --store         stores the ranking in RACE (&quot;Confirm&quot;)
</translation>
    </message>
    <message>
        <source>classement général d&apos;une catégorie, comme la fenêtre « Classement Global »</source>
        <translation>overall ranking of a category, as the &quot;Overall ranking&quot; window</translation>
    </message>
    <message>
        <source>  --category C    catégorie (1 à 9)
  --best N        nombre de meilleures manches retenues
  --tie KEYWORD   règle de départage des ex aequo
  --export FILE   le texte exporté, octet pour octet
  --pdf FILE      les pages imprimées
  --xlsx FILE     le classement en classeur .xlsx
  --csv FILE      le classement en CSV (UTF-8, « ; »)
  --store         enregistre le classement dans RACE (« Valider »)
</source>
        <translation>  --category C    category (1 to 9)
  --best N        number of best rounds counted
  --tie KEYWORD   rule that splits ties
  --export FILE   the exported text, byte for byte (in French)
  --pdf FILE      the printed pages
  --xlsx FILE     the ranking as an .xlsx workbook
  --csv FILE      the ranking as CSV (UTF-8, &quot;;&quot;)
  --store         stores the ranking in RACE (&quot;Confirm&quot;)
</translation>
    </message>
    <message>
        <source>résultats détaillés d&apos;une série (fichier DetailResultats.res)</source>
        <translation>detailed results of a heat (file DetailResultats.res)</translation>
    </message>
    <message>
        <source>  --view V        passages, tours ou positions
</source>
        <translation>  --view V        passages (passings), tours (laps) or positions
</translation>
    </message>
    <message>
        <source>analyse des tours d&apos;un pilote (fichier ResultatPilote.res)</source>
        <translation>analysis of a pilot&apos;s laps (file ResultatPilote.res)</translation>
    </message>
    <message>
        <source>  --laps F-L      les tours de F à L
  --pdf FILE      la synthèse imprimée
</source>
        <translation>  --laps F-L      the laps from F to L
  --pdf FILE      the printed summary
</translation>
    </message>
    <message>
        <source>importe des pilotes d&apos;un tableur dans la base, ou l&apos;exporte</source>
        <translation>imports pilots from a spreadsheet into the database, or exports it</translation>
    </message>
    <message>
        <source>  import FILE     CSV, .xlsx ou .ods ; une ligne par pilote ajouté, mis à jour
                  ou refusé, puis « N ajoutés, M mis à jour, K refusés »
  --dry-run       montre l&apos;import sans rien écrire
  export FILE     la base des pilotes en .xlsx ou en CSV
  --workdir DIR   dossier de travail (celui du programme par défaut)
</source>
        <translation>  import FILE     CSV, .xlsx or .ods; one line per pilot added, updated
                  or refused, then &quot;N added, M updated, K refused&quot;
  --dry-run       shows the import without writing anything
  export FILE     the pilots database as .xlsx or CSV
  --workdir DIR   working folder (the program&apos;s by default)
</translation>
    </message>
    <message>
        <source>pages web statiques des résultats enregistrés d&apos;une course</source>
        <translation>static web pages of the stored results of a race</translation>
    </message>
    <message>
        <source>  --out DIR       dossier où les pages sont écrites
</source>
        <translation>  --out DIR       folder the pages are written to
</translation>
    </message>
    <message>
        <source>usage: kestrametrix-cli COMMANDE ARGUMENTS...
       kestrametrix-cli COMMANDE --help

Commandes :
</source>
        <translation>usage: kestrametrix-cli COMMAND ARGUMENTS...
       kestrametrix-cli COMMAND --help

Commands:
</translation>
    </message>
    <message>
        <source>
Statut de sortie : 0 fait, 1 sortie non écrite, 2 usage ou entrée invalide.
</source>
        <translation>
Exit status: 0 done, 1 output not written, 2 bad usage or bad input.
</translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>--lang fr|en : la langue de l&apos;aide, des messages et des pages publiées (français par défaut) ;
les autres fichiers écrits sont les mêmes dans les deux langues.
</source>
        <translation>--lang fr|en: the language of the help, the messages and the published pages
(French by default); the other files written are the same in both languages.
</translation>
    </message>
    <message>
        <source>feuille de résultats d&apos;une série en PDF, en classeur .xlsx ou en CSV</source>
        <translation>a heat&apos;s result sheet as PDF, as an .xlsx workbook or as CSV</translation>
    </message>
    <message>
        <source>  --category C    catégorie (1 à 9)
  --round R       manche (1 à 9)
  --heat H        série (1 à 20)
  --pdf FILE      le fichier PDF écrit
  --xlsx FILE     le classeur .xlsx écrit
  --csv FILE      la feuille en CSV (UTF-8, « ; »)
</source>
        <translation>  --category C    category (1 to 9)
  --round R       round (1 to 9)
  --heat H        heat (1 to 20)
  --pdf FILE      the PDF file written
  --xlsx FILE     the .xlsx workbook written
  --csv FILE      the sheet as CSV (UTF-8, &quot;;&quot;)
</translation>
    </message>
    <message>
        <source>liste des participants d&apos;une catégorie en classeur .xlsx ou en CSV</source>
        <translation>a category&apos;s list of participants as an .xlsx workbook or as CSV</translation>
    </message>
    <message>
        <source>  --category C    catégorie (1 à 9)
  --workdir DIR   dossier de travail dont la base des pilotes donne licence
                  et club (celui du programme par défaut)
  --xlsx FILE     la liste en classeur .xlsx
  --csv FILE      la liste en CSV (UTF-8, « ; »)
</source>
        <translation>  --category C    category (1 to 9)
  --workdir DIR   working folder whose pilot database gives licence
                  and club (the program&apos;s own by default)
  --xlsx FILE     the list as an .xlsx workbook
  --csv FILE      the list as CSV (UTF-8, &quot;;&quot;)
</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>langue inconnue : %1 (fr ou en)</source>
        <translation>unknown language: %1 (fr or en)</translation>
    </message>
</context>
<context>
    <name>CliPilots</name>
    <message>
        <source>%1 : aucune colonne de nom (« Nom », « Nom complet », « Name », « Full name »...) ; rien n&apos;est importé.</source>
        <translation>%1: no name column (&quot;Nom&quot;, &quot;Nom complet&quot;, &quot;Name&quot;, &quot;Full name&quot;...); nothing is imported.</translation>
    </message>
    <message>
        <source>le dossier de travail %1 n&apos;existe pas</source>
        <translation>the working folder %1 does not exist</translation>
    </message>
    <message>
        <source>Kestrametrix est lancé sur le dossier de travail %1 : importez depuis « Base de données » → « Pilotes » ; rien n&apos;est écrit.</source>
        <translation>Kestrametrix is running on the working folder %1: import from &quot;Database&quot; → &quot;Pilots&quot;; nothing is written.</translation>
    </message>
    <message>
        <source>. Rien n&apos;est importé, pour ne pas les perdre.</source>
        <translation>. Nothing is imported, so as not to lose them.</translation>
    </message>
    <message>
        <source> (essai : rien n&apos;est écrit)</source>
        <translation> (dry run: nothing is written)</translation>
    </message>
    <message>
        <source>%1 pilotes écrits dans %2</source>
        <translation>%1 pilots written to %2</translation>
    </message>
</context>
<context>
    <name>CliPublish</name>
    <message>
        <source>impossible de lire la course %1</source>
        <translation>cannot read the race %1</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de course</source>
        <translation>%1 is not a race file</translation>
    </message>
    <message>
        <source>%1 fichiers écrits dans %2</source>
        <translation>%1 files written to %2</translation>
    </message>
</context>
<context>
    <name>HeatPage</name>
    <message>
        <source>Aucune série en cours</source>
        <translation>No heat running</translation>
    </message>
    <message>
        <source>Tours</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Écart</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Préc.</source>
        <translation>Prev.</translation>
    </message>
    <message>
        <source>Dernier</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Meilleur</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Arrivé</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Écoulé</source>
        <translation>Elapsed</translation>
    </message>
    <message>
        <source>Restant</source>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>Décompte</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Ligne</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nom pilote</source>
        <translation>Pilot name</translation>
    </message>
    <message>
        <source>Temps total</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Ecart leader</source>
        <translation>Gap to leader</translation>
    </message>
    <message>
        <source>Ecart précédt</source>
        <translation>Gap to prev.</translation>
    </message>
    <message>
        <source>Dernier tour</source>
        <translation>Last lap</translation>
    </message>
    <message>
        <source>Meilleur tour</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>Finish</translation>
    </message>
</context>
<context>
    <name>LiveSettings</name>
    <message>
        <source>Adresse invalide : tapez une adresse IPv4 (par exemple 192.168.1.10) ou 0.0.0.0 pour toutes les adresses.</source>
        <translation>Invalid address: type an IPv4 address (for example 192.168.1.10) or 0.0.0.0 for all addresses.</translation>
    </message>
    <message>
        <source>Port invalide : tapez un nombre de 1 à 65535.</source>
        <translation>Invalid port: type a number from 1 to 65535.</translation>
    </message>
</context>
<context>
    <name>OptionWords</name>
    <message>
        <source>simultané au signal sonore</source>
        <translation>all together at the sound signal</translation>
    </message>
    <message>
        <source>au passage du premier char</source>
        <translation>when the first yacht passes</translation>
    </message>
    <message>
        <source>départ décalé</source>
        <translation>staggered start</translation>
    </message>
    <message>
        <source>Arrêt immédiat au signal sonore</source>
        <translation>Immediate stop at the sound signal</translation>
    </message>
    <message>
        <source>Tous les pilotes doivent finir leur tour</source>
        <translation>Every pilot must finish their lap</translation>
    </message>
    <message>
        <source>Fin de course de type chars à voile</source>
        <translation>Sand-yacht race finish</translation>
    </message>
    <message>
        <source>Tous les pilotes doivent faire tous les tours</source>
        <translation>Every pilot must complete every lap</translation>
    </message>
    <message>
        <source>Durée %1 tours</source>
        <translation>Duration %1 laps</translation>
    </message>
    <message>
        <source>Durée %1</source>
        <translation>Duration %1</translation>
    </message>
    <message>
        <source>Départ %1</source>
        <translation>Start %1</translation>
    </message>
</context>
<context>
    <name>PageShell</name>
    <message>
        <source>En direct</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>fr</source>
        <extracomment>The code of the language of the pages (en, de, nl…).</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>SitePages</name>
    <message>
        <source>Catégorie %1</source>
        <translation>Category %1</translation>
    </message>
    <message>
        <source>Manche %1 - Série %2</source>
        <translation>Round %1 - Heat %2</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Piste : %1</source>
        <translation>Track: %1</translation>
    </message>
    <message>
        <source>Club : %1</source>
        <translation>Club: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Aucune catégorie.</source>
        <translation>No category.</translation>
    </message>
    <message>
        <source>Résultats - %1</source>
        <translation>Results - %1</translation>
    </message>
    <message>
        <source>Classement général</source>
        <translation>Overall ranking</translation>
    </message>
    <message>
        <source>Aucune manche prévue.</source>
        <translation>No round planned.</translation>
    </message>
    <message>
        <source>Manche %1</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Classement de la manche</source>
        <translation>Round ranking</translation>
    </message>
    <message>
        <source>Série %1</source>
        <translation>Heat %1</translation>
    </message>
    <message>
        <source>(pas de résultat)</source>
        <translation>(no result)</translation>
    </message>
    <message>
        <source>Pas de résultat enregistré.</source>
        <translation>No result stored.</translation>
    </message>
    <message>
        <source>Classement manche %1</source>
        <translation>Round %1 ranking</translation>
    </message>
    <message>
        <source>Points des %1 meilleures manches</source>
        <translation>Points of the %1 best rounds</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>M%1</source>
        <extracomment>The column of a round&apos;s points in the general ranking: M1 for Manche 1.</extracomment>
        <translation>R%1</translation>
    </message>
</context>
<context>
    <name>SiteRoutes</name>
    <message>
        <source>Requête invalide.</source>
        <translation>Invalid request.</translation>
    </message>
    <message>
        <source>Page introuvable.</source>
        <translation>Page not found.</translation>
    </message>
    <message>
        <source>Méthode non autorisée : ce site se consulte seulement.</source>
        <translation>Method not allowed: this site is read only.</translation>
    </message>
    <message>
        <source>Requête trop grande.</source>
        <translation>Request too large.</translation>
    </message>
    <message>
        <source>Adresse trop longue.</source>
        <translation>Address too long.</translation>
    </message>
    <message>
        <source>En-têtes trop grands.</source>
        <translation>Headers too large.</translation>
    </message>
    <message>
        <source>Trop de connexions, réessayez dans un instant.</source>
        <translation>Too many connections, try again in a moment.</translation>
    </message>
    <message>
        <source>Erreur.</source>
        <translation>Error.</translation>
    </message>
    <message>
        <source>Erreur %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>StaticExport</name>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire le fichier %1</source>
        <translation>cannot write the file %1</translation>
    </message>
</context>
</TS>
