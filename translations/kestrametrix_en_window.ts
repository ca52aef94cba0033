<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Board</name>
    <message>
        <source>Ligne</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nom pilote</source>
        <translation>Pilot name</translation>
    </message>
    <message>
        <source>Tours</source>
        <translation>Laps</translation>
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
        <translation>Gap to previous</translation>
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
        <source>Transp.</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source> Conflit Radio </source>
        <translation> Radio Conflict </translation>
    </message>
    <message>
        <source>Manche%1 - Série%2</source>
        <translation>Round%1 - Heat%2</translation>
    </message>
    <message>
        <source>%1 tours</source>
        <translation>%1 laps</translation>
    </message>
    <message>
        <source>%1 avant départ</source>
        <translation>%1 before start</translation>
    </message>
    <message>
        <source>%1 repos écoulé</source>
        <translation>%1 rest over</translation>
    </message>
</context>
<context>
    <name>DecoderLink</name>
    <message>
        <source>Liaison coupée pendant %1 : les passages de cet intervalle peuvent manquer.</source>
        <translation>Link cut for %1: passings of this interval may be missing.</translation>
    </message>
    <message>
        <source>Perte connexion du décodeur %1 à %2.
</source>
        <translation>Connection to decoder %1 lost at %2.
</translation>
    </message>
    <message>
        <source>Récupération connexion décodeur %1 réussie à %2.
</source>
        <translation>Connection to decoder %1 recovered at %2.
</translation>
    </message>
</context>
<context>
    <name>DecoderMessages</name>
    <message>
        <source>Décodeur : aucun port choisi (Réglages &gt; Interface)</source>
        <translation>Decoder: no port chosen (Settings &gt; Interface)</translation>
    </message>
    <message>
        <source>Décodeur %1 connecté (%2)</source>
        <translation>Decoder %1 connected (%2)</translation>
    </message>
    <message>
        <source>Décodeur %1 perdu (%2) : nouvel essai toutes les 4,5 s</source>
        <translation>Decoder %1 lost (%2): retrying every 4.5 s</translation>
    </message>
    <message>
        <source>Décodeur non connecté (%1) : Réglages &gt; Interface</source>
        <translation>Decoder not connected (%1): Settings &gt; Interface</translation>
    </message>
    <message>
        <source>Echec à l&apos;ouverture du port COM : aucun port n&apos;est choisi.
Choisissez le port du décodeur dans Réglages &gt; Interface.</source>
        <translation>Failed to open the COM port: no port is chosen.
Choose the decoder&apos;s port in Settings &gt; Interface.</translation>
    </message>
    <message>
        <source>Echec à l&apos;ouverture du port COM %1.
Vérifiez que le décodeur est branché et allumé, ou choisissez son port dans Réglages &gt; Interface.</source>
        <translation>Failed to open the COM port %1.
Check that the decoder is plugged in and switched on, or choose its port in Settings &gt; Interface.</translation>
    </message>
    <message>
        <source>
Le décodeur %1 du port %2 ne répond plus (éteint, débranché ou remplacé par un autre modèle).
Le programme réessaie toutes les 4,5 s sans autre message ; l&apos;état du décodeur est affiché dans la fenêtre.
Pour changer de port ou de décodeur : Réglages &gt; Interface.</source>
        <translation>
Decoder %1 on port %2 no longer answers (switched off, unplugged or replaced by another model).
The program retries every 4.5 s without further message; the decoder&apos;s state is shown in the window.
To change the port or the decoder: Settings &gt; Interface.</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Erreur: le simulateur de décodeur kestrametrix-decoder-sim est introuvable</source>
        <translation>Error: the decoder simulator kestrametrix-decoder-sim cannot be found</translation>
    </message>
    <message>
        <source>Erreur: le simulateur de décodeur n&apos;a pas démarré</source>
        <translation>Error: the decoder simulator did not start</translation>
    </message>
</context>
<context>
    <name>DisplaySettings</name>
    <message>
        <source>Fond logiciel</source>
        <translation>Window background</translation>
    </message>
    <message>
        <source>Fond arboresence</source>
        <translation>Tree background</translation>
    </message>
    <message>
        <source>Arrière plan tableau</source>
        <translation>Board background</translation>
    </message>
    <message>
        <source>Titre série</source>
        <translation>Heat title</translation>
    </message>
    <message>
        <source>Conflit radio</source>
        <translation>Radio conflict</translation>
    </message>
    <message>
        <source>Passage des chars</source>
        <translation>Yacht passing</translation>
    </message>
    <message>
        <source>Meilleur tour run</source>
        <translation>Best lap of heat</translation>
    </message>
    <message>
        <source>Meilleur tour pilote</source>
        <translation>Best lap of pilot</translation>
    </message>
    <message>
        <source>Libellé tableau</source>
        <translation>Board headings</translation>
    </message>
    <message>
        <source>Résultats tableau</source>
        <translation>Board results</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>style relief</source>
        <translation>raised style</translation>
    </message>
    <message>
        <source>style dégradé</source>
        <translation>gradient style</translation>
    </message>
    <message>
        <source>Colonne</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Charger</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Options d&apos;affichage</source>
        <translation>Display options</translation>
    </message>
    <message>
        <source>Thème</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Evénements</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Tableau résultats</source>
        <translation>Results board</translation>
    </message>
    <message>
        <source>Lignes</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Haut</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bas</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Chaque ligne du tableau a son propre dégradé (couleurs Haut et Bas de « Résultats tableau ») : les lignes ressortent en bandes.</source>
        <translation>Each line of the board has its own gradient (Top and Bottom colours of “Board results”): the lines stand out as bands.</translation>
    </message>
    <message>
        <source>Un seul dégradé (couleurs Haut et Bas de « Résultats tableau ») descend sur tout le tableau. Avec deux couleurs égales, les deux styles sont unis.</source>
        <translation>One gradient (Top and Bottom colours of “Board results”) runs down the whole board. With two equal colours, both styles are plain.</translation>
    </message>
    <message>
        <source>Colonnes</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Police...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>Police de la colonne choisie sous &quot;Colonne&quot;</source>
        <translation>Font of the column chosen under &quot;Column&quot;</translation>
    </message>
    <message>
        <source>Texte</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>ligne %1 : %2 valeurs au lieu de %3</source>
        <translation>line %1: %2 values instead of %3</translation>
    </message>
    <message>
        <source>ligne %1 : %2 valeur au lieu de %3</source>
        <translation>line %1: %2 value instead of %3</translation>
    </message>
    <message>
        <source>ligne %1 : valeur %2 n&apos;est pas un nombre</source>
        <translation>line %1: value %2 is not a number</translation>
    </message>
    <message>
        <source>ligne %1 : valeur %2 hors limites (%3)</source>
        <translation>line %1: value %2 out of range (%3)</translation>
    </message>
    <message>
        <source>le fichier est trop grand</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>le fichier s&apos;arrête à la ligne %1 sur %2</source>
        <translation>the file stops at line %1 of %2</translation>
    </message>
    <message>
        <source>plus de %1 lignes</source>
        <translation>more than %1 lines</translation>
    </message>
    <message>
        <source>Erreur: le fichier Réglage Affichage %1 est endommagé (%2).</source>
        <translation>Error: the display settings file %1 is damaged (%2).</translation>
    </message>
    <message>
        <source>
Le thème d&apos;origine est utilisé.</source>
        <translation>
The original theme is used.</translation>
    </message>
</context>
<context>
    <name>FileFilters</name>
    <message>
        <source>Fichier course (.race)</source>
        <translation>Race file (.race)</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Fichier affichage (.scrn)</source>
        <translation>Display file (.scrn)</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le dossier est en lecture seule</source>
        <translation>the folder is read-only</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>un dossier porte le nom du fichier de verrou</source>
        <translation>a folder has the name of the lock file</translation>
    </message>
    <message>
        <source>le dossier de travail n&apos;existe pas</source>
        <translation>the working folder does not exist</translation>
    </message>
    <message>
        <source>le fichier de verrou est un lien</source>
        <translation>the lock file is a link</translation>
    </message>
    <message>
        <source>erreur système %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>verrou instable</source>
        <translation>unstable lock</translation>
    </message>
</context>
<context>
    <name>HeatSession</name>
    <message>
        <source>Erreur: la série %1 du fichier Course est endommagée (%2). Elle est montrée sans ses résultats et n&apos;est pas réécrite tant qu&apos;elle n&apos;est pas courue ou modifiée.</source>
        <translation>Error: the heat %1 of the race file is damaged (%2). It is shown without its results and is not written again until it is run or changed.</translation>
    </message>
</context>
<context>
    <name>HeatTitle</name>
    <message>
        <source>DEPARTSignalSonore</source>
        <translation>start on sound signal</translation>
    </message>
    <message>
        <source>DEPARTPremiereVoiture</source>
        <translation>start at first yacht</translation>
    </message>
    <message>
        <source>DEPARTDecale</source>
        <translation>staggered start</translation>
    </message>
    <message>
        <source>FINTEMPSSignalSonore</source>
        <translation>time end on sound signal</translation>
    </message>
    <message>
        <source>FINTEMPSFinirTour</source>
        <translation>time end, lap finished</translation>
    </message>
    <message>
        <source>FINTEMPSCharsVoile</source>
        <translation>time end, yachts under sail</translation>
    </message>
    <message>
        <source>FINTOURSignalSonore</source>
        <translation>laps end on sound signal</translation>
    </message>
    <message>
        <source>FINTOURFinirTour</source>
        <translation>laps end, lap finished</translation>
    </message>
    <message>
        <source>FINTOURFaireTousLesTours</source>
        <translation>laps end, all laps done</translation>
    </message>
    <message>
        <source>Durée %1 - %2 - %3 - Départ %4</source>
        <translation>Duration %1 - %2 - %3 - Started %4</translation>
    </message>
</context>
<context>
    <name>InterfaceDialog</name>
    <message>
        <source> Interface RC2 prête à fonctionner.<byte value="xd"/>
</source>
        <translation> RC2 interface ready to work.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Interface RC1 prête à fonctionner.<byte value="xd"/>
</source>
        <translation> RC1 interface ready to work.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Port COM non ouvert !<byte value="xd"/>
</source>
        <translation> COM port not open!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Tentative d&apos;ouverture du port COM:<byte value="xd"/>
</source>
        <translation> Trying to open the COM port:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Tentative à l&apos;ouverture du port COM:<byte value="xd"/>
 Echec à l&apos;ouverture du port COM !<byte value="xd"/>
</source>
        <translation> Trying to open the COM port:<byte value="xd"/>
 Failed to open the COM port!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Tentative à l&apos;ouverture du port COM:<byte value="xd"/>
 Ouverture du port COM OK !<byte value="xd"/>
</source>
        <translation> Trying to open the COM port:<byte value="xd"/>
 COM port opened OK!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Décodeur Kestrametrix</source>
        <translation>Kestrametrix decoder</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Décodeur:</source>
        <translation>Decoder:</translation>
    </message>
    <message>
        <source>Port COM</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>JournalDamage</name>
    <message>
        <source>ligne %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>lignes %1 à %2</source>
        <translation>lines %1 to %2</translation>
    </message>
    <message>
        <source>entre %1 et %2</source>
        <translation>between %1 and %2</translation>
    </message>
    <message>
        <source>après %1</source>
        <translation>after %1</translation>
    </message>
    <message>
        <source>avant %1</source>
        <translation>before %1</translation>
    </message>
    <message>
        <source>dans toute la série</source>
        <translation>in the whole heat</translation>
    </message>
    <message>
        <source>%1, des passages peuvent manquer %2</source>
        <translation>%1, passings may be missing %2</translation>
    </message>
    <message>
        <source>Le journal des passages est endommagé : %1 ligne illisible ignorée (%2, temps depuis le départ). Tous les autres passages sont repris.</source>
        <translation>The passing journal is damaged: %1 unreadable line skipped (%2, time since the start). Every other passing is taken back.</translation>
    </message>
    <message>
        <source>Le journal des passages est endommagé : %1 lignes illisibles ignorées (%2, temps depuis le départ). Tous les autres passages sont repris.</source>
        <translation>The passing journal is damaged: %1 unreadable lines skipped (%2, time since the start). Every other passing is taken back.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Langue de l&apos;interface :</source>
        <translation>Interface language:</translation>
    </message>
    <message>
        <source>Le changement s&apos;applique au prochain démarrage du programme.
The change applies at the next start.</source>
        <translation>The change applies at the next start of the program.
Le changement s&apos;applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;enregistrer la langue choisie.</source>
        <translation>Error: the chosen language could not be saved.</translation>
    </message>
    <message>
        <source>L&apos;interface sera en anglais au prochain démarrage du programme.</source>
        <translation>The interface will be in English at the next start of the program.</translation>
    </message>
    <message>
        <source>L&apos;interface sera en français au prochain démarrage du programme.</source>
        <translation>The interface will be in French at the next start of the program.</translation>
    </message>
</context>
<context>
    <name>LiveResults</name>
    <message>
        <source>Erreur: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Résultats en direct : %1</source>
        <translation>Live results: %1</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;écrire le fichier %1</source>
        <translation>Error: cannot write the file %1</translation>
    </message>
</context>
<context>
    <name>LiveResultsDialog</name>
    <message>
        <source>Résultats en direct</source>
        <translation>Live results</translation>
    </message>
    <message>
        <source>Une page web en lecture seule montre la série en cours et les résultats enregistrés
aux téléphones du réseau local. Elle ne peut rien modifier et ne ralentit pas le chronométrage.</source>
        <translation>A read-only web page shows the heat in progress and the stored results
to the phones of the local network. It cannot change anything and does not slow the timing.</translation>
    </message>
    <message>
        <source>Publier les résultats en direct</source>
        <translation>Publish live results</translation>
    </message>
    <message>
        <source>0.0.0.0 : toutes les adresses de ce PC</source>
        <translation>0.0.0.0: every address of this PC</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Page servie à l&apos;adresse : %1</source>
        <translation>Page served at: %1</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Erreur: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>LiveServer</name>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;adresse %1:%2 (port déjà utilisé par un autre programme ou adresse absente de ce PC).</source>
        <translation>Cannot open the address %1:%2 (port already used by another program, or address not on this PC).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Depart</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Arret</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Durée course / Horloge</source>
        <translation>Race duration / Clock</translation>
    </message>
    <message>
        <source>Décompte</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Mode transpondeurs</source>
        <translation>Transponder mode</translation>
    </message>
    <message>
        <source>Puces perso</source>
        <translation>Own chips</translation>
    </message>
    <message>
        <source>Puces club</source>
        <translation>Club chips</translation>
    </message>
    <message>
        <source>Mixte (scan)</source>
        <translation>Mixed (scan)</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source> Conflit Radio </source>
        <translation> Radio Conflict </translation>
    </message>
    <message>
        <source> Scan en cours</source>
        <translation> Scanning</translation>
    </message>
    <message>
        <source> Vérif en cours</source>
        <translation> Checking</translation>
    </message>
    <message>
        <source> Vérif terminée</source>
        <translation> Check done</translation>
    </message>
    <message>
        <source>Repos %1</source>
        <translation>Rest %1</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nouvelle course</source>
        <translation>New race</translation>
    </message>
    <message>
        <source>Charger une course</source>
        <translation>Load a race</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistrer sous...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Base de données</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Parcours</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Pilotes</source>
        <translation>Pilots</translation>
    </message>
    <message>
        <source>Transpondeurs</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>Fréquences</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Planification course</source>
        <translation>Race planning</translation>
    </message>
    <message>
        <source>Calcul temps</source>
        <translation>Time calculator</translation>
    </message>
    <message>
        <source>Réglages</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Résultats en direct</source>
        <translation>Live results</translation>
    </message>
    <message>
        <source>Langue / Language</source>
        <translation>Langue / Language</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Modifier résultats série</source>
        <translation>Edit heat results</translation>
    </message>
    <message>
        <source>Résultats détaillés série</source>
        <translation>Detailed heat results</translation>
    </message>
    <message>
        <source>Commentaire série</source>
        <translation>Heat comment</translation>
    </message>
    <message>
        <source>Feuille de résultats en PDF</source>
        <translation>Result sheet as PDF</translation>
    </message>
    <message>
        <source>Piste pour la course</source>
        <translation>Track for the race</translation>
    </message>
    <message>
        <source>Nouvelle catégorie</source>
        <translation>New category</translation>
    </message>
    <message>
        <source>Renommer catégorie</source>
        <translation>Rename category</translation>
    </message>
    <message>
        <source>Liste participants</source>
        <translation>Participant list</translation>
    </message>
    <message>
        <source>Paramètres de course</source>
        <translation>Race options</translation>
    </message>
    <message>
        <source>Répartion des séries</source>
        <translation>Heat composition</translation>
    </message>
    <message>
        <source>Courses récentes</source>
        <translation>Recent races</translation>
    </message>
    <message>
        <source>Feuille de résultats en tableur</source>
        <translation>Results sheet as a spreadsheet</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Erreur: la série n&apos;est pas encore enregistrée dans la course (impossible d&apos;écrire le fichier Course, disque plein ?). Elle est gardée et sera enregistrée de nouveau au prochain enregistrement.</source>
        <translation>Error: the heat is not yet stored in the race (the race file cannot be written, disk full?). It is kept and will be stored again at the next save.</translation>
    </message>
    <message>
        <source>Message Important</source>
        <translation>Important message</translation>
    </message>
    <message>
        <source>Les impressions de documents avec les dernières versions de Windows 11 peuvent provoquer un bug entrainant la fermeture du logiciel.
Si vous êtes sous W11, avant toute utilisation du logiciel, veuillez tester l&apos;impression en imprimant au moins 2 documents consécutifs. Si ce bug apparait, pour pouvoir imprimer un document de course à partir du logiciel, il ne faudra pas l&apos;imprimer directement, mais passer par une capture d&apos;écran.
Nous travaillons actuellement à une résolution de ce problème.</source>
        <translation>Printing documents with the latest versions of Windows 11 may cause a bug that closes the program.
If you use W11, before any use of the program, please test printing by printing at least 2 documents in a row. If this bug appears, to print a race document from the program, do not print it directly but go through a screenshot.
We are currently working on a fix for this problem.</translation>
    </message>
    <message>
        <source>Vous voulez quitter!
Souhaitez-vous sauvegarder la course en cours?</source>
        <translation>You want to quit!
Do you want to save the current race?</translation>
    </message>
    <message>
        <source>Erreur: impossible de copier la course précédente dans PcCrashRace.race.
La course précédente reste la course en cours; enregistrez-la sous un autre nom.</source>
        <translation>Error: the previous race cannot be copied to PcCrashRace.race.
The previous race stays the current race; save it under another name.</translation>
    </message>
    <message>
        <source>Un run ou un scan est en cours!<byte value="xd"/>
Vous ne pouvez pas fermer l&apos;application !</source>
        <translation>A heat or a scan is running!<byte value="xd"/>
You cannot close the application!</translation>
    </message>
    <message>
        <source>Cette série n&apos;a aucun pilote: le départ n&apos;est pas donné.
Répartissez d&apos;abord les pilotes de la catégorie en séries (clic droit sur &quot;Répartition&quot;).</source>
        <translation>This heat has no pilot: the start is not given.
First split the pilots of the category into heats (right click on &quot;Composition&quot;).</translation>
    </message>
    <message>
        <source>Vous voulez commencer une nouvelle course!
Souhaitez-vous sauvegarder la course en cours?</source>
        <translation>You want to start a new race!
Do you want to save the current race?</translation>
    </message>
    <message>
        <source>Souhaitez-vous sauvegarder la course en cours?</source>
        <translation>Do you want to save the current race?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erreur: la course n&apos;est pas enregistrée, car une série n&apos;a pas pu y être écrite. Libérez de la place sur le disque puis enregistrez de nouveau.</source>
        <translation>Error: the race is not saved, because a heat could not be written into it. Free some disk space, then save again.</translation>
    </message>
    <message>
        <source>Récupération</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Le logiciel ne s&apos;est pas fermé normalement lors de sa dernière utilisation.
Souhaitez-vous récupérer la course en cours et les passages de la série interrompue?</source>
        <translation>The program did not close normally the last time it was used.
Do you want to recover the current race and the passings of the interrupted heat?</translation>
    </message>
    <message>
        <source>La série du journal des passages n&apos;est pas dans la course récupérée : ses passages restent dans Private/JournalPassages.txt (kestrametrix-cli replay).</source>
        <translation>The heat of the passing journal is not in the recovered race: its passings stay in Private/JournalPassages.txt (kestrametrix-cli replay).</translation>
    </message>
    <message>
        <source>Les pilotes du journal des passages ne sont plus ceux de sa série dans la course récupérée : ses passages restent dans Private/JournalPassages.txt (kestrametrix-cli replay).</source>
        <translation>The pilots of the passing journal are no longer those of its heat in the recovered race: its passings stay in Private/JournalPassages.txt (kestrametrix-cli replay).</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Course</source>
        <translation>Error: cannot open the race file</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier DetailResultats</source>
        <translation>Error: cannot open the file DetailResultats</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Commentaire série</source>
        <translation>Error: cannot open the heat comment file</translation>
    </message>
    <message>
        <source>Erreur: la sauvegarde a échoué</source>
        <translation>Error: saving failed</translation>
    </message>
    <message>
        <source>Kestrametrix</source>
        <translation>Kestrametrix</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Echec à l&apos;ouverture du port COM</source>
        <translation>Failed to open the COM port</translation>
    </message>
    <message>
        <source>Interface Kestrametrix RC2 connectée</source>
        <translation>Kestrametrix RC2 interface connected</translation>
    </message>
    <message>
        <source>Ouverture du port COM
Interface Kestrametrix RC1 connectée</source>
        <translation>COM port opened
Kestrametrix RC1 interface connected</translation>
    </message>
    <message>
        <source>Echec à la récupération.</source>
        <translation>Recovery failed.</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;écrire le journal des passages (Private/JournalPassages.txt). La série continue, mais ses passages ne pourront pas être récupérés après un arrêt brutal.</source>
        <translation>Error: cannot write the passing journal (Private/JournalPassages.txt). The heat goes on, but its passings cannot be recovered after a sudden stop.</translation>
    </message>
    <message>
        <source>Le journal des passages (Private/JournalPassages.txt) s&apos;écrit de nouveau : les passages qui attendaient y sont.</source>
        <translation>The passing journal (Private/JournalPassages.txt) is written again: the passings that were waiting are in it.</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Résultats détaillés</source>
        <translation>Error: cannot open the detailed results file</translation>
    </message>
    <message>
        <source>Etes vous sûr de vouloir effacer les résultats de la série?
Les données seront définitivement perdues</source>
        <translation>Are you sure you want to clear the results of the heat?
The data will be lost for good</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir la base de données Circuits</source>
        <translation>Error: cannot open the tracks database</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Interface Port COM</source>
        <translation>Error: cannot open the COM port interface file</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier interface Port COM</source>
        <translation>Error: cannot open the COM port interface file</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier réglages sons</source>
        <translation>Error: cannot open the sound settings file</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Réglage Affichage</source>
        <translation>Error: cannot open the display settings file</translation>
    </message>
    <message>
        <source>L&apos;horloge du décodeur RC2 est revenue en arrière à %1 : les passages suivants de cette série sont chronométrés par l&apos;ordinateur.</source>
        <translation>The RC2 decoder&apos;s clock went back at %1: the next passings of this heat are timed by the computer.</translation>
    </message>
    <message>
        <source>Erreur: liste des participants non trouvée</source>
        <translation>Error: participant list not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé Paramètres des qualifs non trouvé</source>
        <translation>Error: heading of the qualifying options not found</translation>
    </message>
</context>
<context>
    <name>RaceFiles</name>
    <message>
        <source>%1
Fichier : %2</source>
        <translation>%1
File: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RaceTree</name>
    <message>
        <source>Piste</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Pilotes (%1)</source>
        <translation>Pilots (%1)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Répartition</source>
        <translation>Composition</translation>
    </message>
    <message>
        <source>Classements</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>Classement Global</source>
        <translation>Overall ranking</translation>
    </message>
    <message>
        <source>Classement M%1</source>
        <translation>Ranking R%1</translation>
    </message>
    <message>
        <source>Manche%1</source>
        <translation>Round%1</translation>
    </message>
    <message>
        <source>Série%1</source>
        <translation>Heat%1</translation>
    </message>
</context>
<context>
    <name>SheetSave</name>
    <message>
        <source>Classeur (.xlsx .csv)</source>
        <translation>Spreadsheet (.xlsx .csv)</translation>
    </message>
</context>
<context>
    <name>SoundSettings</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Francais</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Annonce vocale du décompte</source>
        <translation>Spoken countdown</translation>
    </message>
    <message>
        <source>Signal sonore au départ</source>
        <translation>Sound signal at the start</translation>
    </message>
    <message>
        <source>Signal sonore lors des passages des chars</source>
        <translation>Sound signal at yacht passings</translation>
    </message>
    <message>
        <source>Annonce vocale meilleur tour</source>
        <translation>Spoken best lap</translation>
    </message>
    <message>
        <source>Annonce vocale Horloge de course</source>
        <translation>Spoken race clock</translation>
    </message>
    <message>
        <source>Signal sonore à la fin de la course</source>
        <translation>Sound signal at the end of the race</translation>
    </message>
    <message>
        <source>Annonce vocale de fin de course pour chaque char</source>
        <translation>Spoken end of race for each yacht</translation>
    </message>
    <message>
        <source>Options du son</source>
        <translation>Sound options</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Kestrametrix est déjà lancé sur le dossier de travail
%1
(processus %2).
Utilisez la fenêtre déjà ouverte.</source>
        <translation>Kestrametrix is already running on the working folder
%1
(process %2).
Use the window already open.</translation>
    </message>
    <message>
        <source>Kestrametrix est déjà lancé sur le dossier de travail
%1.
Utilisez la fenêtre déjà ouverte.</source>
        <translation>Kestrametrix is already running on the working folder
%1.
Use the window already open.</translation>
    </message>
    <message>
        <source>Erreur: impossible de verrouiller le dossier de travail
%1
(%2).</source>
        <translation>Error: cannot lock the working folder
%1
(%2).</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;installer dans le dossier de travail: %1</source>
        <translation>Error: cannot install into the working folder: %1</translation>
    </message>
    <message>
        <source>Erreur: le dossier de travail &quot;%1&quot; ne peut être ni créé ni écrit.
Le programme ne peut pas y garder la course: vérifiez ce dossier et ses droits, ou choisissez-en un autre avec --workdir.</source>
        <translation>Error: the working folder &quot;%1&quot; can be neither created nor written.
The program cannot keep the race there: check this folder and its rights, or choose another one with --workdir.</translation>
    </message>
</context>
<context>
    <name>ksy::MainWindow</name>
    <message>
        <source>Erreur: la sélection n&apos;est pas encore enregistrée dans la course (impossible d&apos;écrire le fichier Course, disque plein ?). Elle sera enregistrée de nouveau au prochain enregistrement.</source>
        <translation>Error: the selection is not stored in the race yet (the Course file cannot be written, disk full?). It will be stored again at the next save.</translation>
    </message>
</context>
</TS>
