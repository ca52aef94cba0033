<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>DatabaseEditors</name>
    <message>
        <source>Base de données Clubs</source>
        <translation>Clubs database</translation>
    </message>
    <message>
        <source>Base de données : Liste des clubs</source>
        <translation>Database: list of clubs</translation>
    </message>
    <message>
        <source>Clubs  (100 max)</source>
        <translation>Clubs  (100 max)</translation>
    </message>
    <message>
        <source> Nouveau</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Sigle :</source>
        <translation>Acronym:</translation>
    </message>
    <message>
        <source>Adresse :</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>(suite)</source>
        <translation>(continued)</translation>
    </message>
    <message>
        <source>Code Postal :</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Ville :</source>
        <translation>Town:</translation>
    </message>
    <message>
        <source>Pays :</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Telephone :</source>
        <translation>Telephone:</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Base de données Parcours</source>
        <translation>Courses database</translation>
    </message>
    <message>
        <source>Base de données : Liste des parcours</source>
        <translation>Database: list of courses</translation>
    </message>
    <message>
        <source>Parcours  (50 max)</source>
        <translation>Courses  (50 max)</translation>
    </message>
    <message>
        <source>Longueur :</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Record du tour :</source>
        <translation>Lap record:</translation>
    </message>
    <message>
        <source>par</source>
        <translation>by</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Temps de protection tour :</source>
        <translation>Lap protection time:</translation>
    </message>
    <message>
        <source>Ville / Plage :</source>
        <translation>Town / Beach:</translation>
    </message>
    <message>
        <source>Base de données Fréquences radio</source>
        <translation>Radio frequencies database</translation>
    </message>
    <message>
        <source>Base de données : Fréquences radio disponibles</source>
        <translation>Database: available radio frequencies</translation>
    </message>
    <message>
        <source>Fréquences</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source> Nouvelle</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Base de données Pilotes</source>
        <translation>Pilots database</translation>
    </message>
    <message>
        <source>Base de données : Liste des pilotes</source>
        <translation>Database: list of pilots</translation>
    </message>
    <message>
        <source>Pilotes  (1000 max)</source>
        <translation>Pilots  (1000 max)</translation>
    </message>
    <message>
        <source>N°licence :</source>
        <translation>Licence no.:</translation>
    </message>
    <message>
        <source>Date de naissance :</source>
        <translation>Date of birth:</translation>
    </message>
    <message>
        <source>Transpond. :</source>
        <translation>Transp.:</translation>
    </message>
    <message>
        <source>Club :</source>
        <translation>Club:</translation>
    </message>
    <message>
        <source>Base de données Transpondeurs</source>
        <translation>Transponders database</translation>
    </message>
    <message>
        <source>Base de données : Transpondeurs club</source>
        <translation>Database: club transponders</translation>
    </message>
    <message>
        <source>Packs transpondeurs</source>
        <translation>Transponder packs</translation>
    </message>
</context>
<context>
    <name>Databases</name>
    <message>
        <source>Parcours</source>
        <translation>Courses</translation>
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
        <source>Pays</source>
        <translation>Countries</translation>
    </message>
    <message>
        <source>Fréquences</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Frequences</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Circuits</source>
        <translation>Circuits</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir la base de données %1</source>
        <translation>Error: cannot open the %1 database</translation>
    </message>
    <message>
        <source>Attention: %1 enregistrement au-delà de %2 ignoré dans la base de données %3</source>
        <translation>Warning: %1 record beyond %2 ignored in the %3 database</translation>
    </message>
    <message>
        <source>Attention: %1 enregistrements au-delà de %2 ignorés dans la base de données %3</source>
        <translation>Warning: %1 records beyond %2 ignored in the %3 database</translation>
    </message>
    <message>
        <source>Erreur: la base de données %1 contient à la ligne %2 le nom « %3 », réservé par le fichier de course : ce pilote est ignoré.</source>
        <translation>Error: the %1 database holds on line %2 the name &quot;%3&quot;, reserved by the race file: this pilot is ignored.</translation>
    </message>
    <message>
        <source>la base de données %1 contient à la ligne %2 le nom « %3 », réservé par le fichier de course : ce pilote est ignoré.</source>
        <translation>the %1 database holds on line %2 the name &quot;%3&quot;, reserved by the race file: this pilot is ignored.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erreur: transpondeur « %1 » refusé. Un numéro de transpondeur s&apos;écrit avec 1 à 6 chiffres.</source>
        <translation>Error: transponder &quot;%1&quot; refused. A transponder number has 1 to 6 digits.</translation>
    </message>
    <message>
        <source>Attention : le transpondeur %1 est déjà celui de %2 dans cette catégorie.</source>
        <translation>Warning: transponder %1 already belongs to %2 in this category.</translation>
    </message>
</context>
<context>
    <name>HeatComment</name>
    <message>
        <source>sec</source>
        <translation>dry</translation>
    </message>
    <message>
        <source>pluie</source>
        <translation>rain</translation>
    </message>
    <message>
        <source>glace</source>
        <translation>ice</translation>
    </message>
</context>
<context>
    <name>HeatComposition</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Le nombre de séries générées ne doit pas être supérieur à 20</source>
        <translation>The number of heats generated must not be more than 20</translation>
    </message>
    <message>
        <source>Série</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Pilote</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Transp.</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Freq %1</source>
        <translation>Freq %1</translation>
    </message>
    <message>
        <source>Série %1</source>
        <translation>Heat %1</translation>
    </message>
</context>
<context>
    <name>HeatResult</name>
    <message>
        <source>octets binaires</source>
        <translation>binary bytes</translation>
    </message>
    <message>
        <source>ligne coupée</source>
        <translation>line cut short</translation>
    </message>
    <message>
        <source>nombre de passages %1</source>
        <translation>number of passings %1</translation>
    </message>
    <message>
        <source>nombre illisible %1</source>
        <translation>unreadable number %1</translation>
    </message>
    <message>
        <source>il manque des temps de tour (%1 attendus)</source>
        <translation>lap times missing (%1 expected)</translation>
    </message>
    <message>
        <source>temps de tour %1</source>
        <translation>lap time %1</translation>
    </message>
    <message>
        <source>ligne %1 de la section : section coupée</source>
        <translation>line %1 of the section: section cut short</translation>
    </message>
    <message>
        <source>ligne %1 de la section : %2</source>
        <translation>line %1 of the section: %2</translation>
    </message>
</context>
<context>
    <name>HeatResults</name>
    <message>
        <source>Tour</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>Ligne%1</source>
        <translation>Line%1</translation>
    </message>
</context>
<context>
    <name>ParticipantDetails</name>
    <message>
        <source>Erreur: liste de participants non trouvée</source>
        <translation>Error: list of participants not found</translation>
    </message>
    <message>
        <source>Erreur: liste des participants non trouvée</source>
        <translation>Error: list of participants not found</translation>
    </message>
</context>
<context>
    <name>ParticipantImport</name>
    <message>
        <source>%1 inscrits, %2 mis à jour, %3 refusés (%4 ajoutés à la base de données Pilotes)</source>
        <translation>%1 entered, %2 updated, %3 refused (%4 added to the Pilots database)</translation>
    </message>
    <message>
        <source>%1 inscrits, %2 mis à jour, %3 refusés</source>
        <translation>%1 entered, %2 updated, %3 refused</translation>
    </message>
    <message>
        <source>ligne %1 : refusé : %2</source>
        <translation>line %1: refused: %2</translation>
    </message>
    <message>
        <source>ligne %1 : refusé « %2 » : %3</source>
        <translation>line %1: refused &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>plus de %1 fréquences</source>
        <translation>more than %1 frequencies</translation>
    </message>
    <message>
        <source>la fréquence « %1 » a plus de 6 caractères</source>
        <translation>the frequency &quot;%1&quot; has more than 6 characters</translation>
    </message>
    <message>
        <source>la base de données Pilotes ne peut pas être complétée</source>
        <translation>the Pilots database cannot be completed</translation>
    </message>
    <message>
        <source>la base de données Pilotes est pleine (1000 pilotes)</source>
        <translation>the Pilots database is full (1000 pilots)</translation>
    </message>
    <message>
        <source>la catégorie a déjà %1 participants</source>
        <translation>the category already has %1 participants</translation>
    </message>
    <message>
        <source>la catégorie ne peut pas le prendre (nom réservé ou grille pleine)</source>
        <translation>the category cannot take it (reserved name or full grid)</translation>
    </message>
    <message>
        <source>ligne %1 : mis à jour %2</source>
        <translation>line %1: updated %2</translation>
    </message>
    <message>
        <source>ligne %1 : inscrit %2</source>
        <translation>line %1: entered %2</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>Participants</name>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ParticipantsDialog</name>
    <message>
        <source>inscrit</source>
        <translation>entered</translation>
    </message>
    <message>
        <source>mis à jour</source>
        <translation>updated</translation>
    </message>
    <message>
        <source>refusé</source>
        <translation>refused</translation>
    </message>
</context>
<context>
    <name>PilotImport</name>
    <message>
        <source>le champ « %1 » contient une tabulation ou un saut de ligne, que le fichier ne peut pas garder</source>
        <translation>the field &quot;%1&quot; holds a tab or a line break, which the file cannot keep</translation>
    </message>
    <message>
        <source>le champ « %1 » contient le caractère « %2 », que le fichier (Windows-1252) ne peut pas garder</source>
        <translation>the field &quot;%1&quot; holds the character &quot;%2&quot;, which the file (Windows-1252) cannot keep</translation>
    </message>
    <message>
        <source>le champ « %1 » a %2 caractères, %3 au plus</source>
        <translation>the field &quot;%1&quot; has %2 characters, %3 at most</translation>
    </message>
    <message>
        <source>pas de nom</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>le nom est réservé par le fichier de course</source>
        <translation>the name is reserved by the race file</translation>
    </message>
    <message>
        <source>le transpondeur « %1 » n&apos;est pas un numéro de 1 à 6 chiffres</source>
        <translation>the transponder &quot;%1&quot; is not a number of 1 to 6 digits</translation>
    </message>
    <message>
        <source>la base de données Pilotes est pleine (%1 pilotes)</source>
        <translation>the Pilots database is full (%1 pilots)</translation>
    </message>
    <message>
        <source>le transpondeur %1 est déjà celui de %2</source>
        <translation>transponder %1 already belongs to %2</translation>
    </message>
    <message>
        <source>le club « %1 » n&apos;est pas dans la base de données Clubs : ajoutez-le, sinon l&apos;éditeur des pilotes le retirera</source>
        <translation>the club &quot;%1&quot; is not in the Clubs database: add it, otherwise the pilots editor will remove it</translation>
    </message>
    <message>
        <source>ligne %1 : ajouté %2</source>
        <translation>line %1: added %2</translation>
    </message>
    <message>
        <source>ligne %1 : mis à jour %2</source>
        <translation>line %1: updated %2</translation>
    </message>
    <message>
        <source>ligne %1 : refusé : %2</source>
        <translation>line %1: refused: %2</translation>
    </message>
    <message>
        <source>ligne %1 : refusé « %2 » : %3</source>
        <translation>line %1: refused &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>ligne %1 : attention : %2</source>
        <translation>line %1: warning: %2</translation>
    </message>
    <message>
        <source>%1 ajoutés, %2 mis à jour, %3 refusés</source>
        <translation>%1 added, %2 updated, %3 refused</translation>
    </message>
    <message>
        <source>ajouté</source>
        <translation>added</translation>
    </message>
    <message>
        <source>mis à jour</source>
        <translation>updated</translation>
    </message>
    <message>
        <source>refusé</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>Listes (.csv .xlsx .ods .txt)</source>
        <translation>Lists (.csv .xlsx .ods .txt)</translation>
    </message>
    <message>
        <source>Lecture de la liste...</source>
        <translation>Reading the list...</translation>
    </message>
</context>
<context>
    <name>RaceFileHeats</name>
    <message>
        <source>- %1 : absente</source>
        <translation>- %1: missing</translation>
    </message>
    <message>
        <source>- %1 : endommagée (%2)</source>
        <translation>- %1: damaged (%2)</translation>
    </message>
    <message>
        <source>- et %1 autre(s)</source>
        <translation>- and %1 more</translation>
    </message>
    <message>
        <source>Attention: %1 série(s) courue(s) manquent au fichier de la course ou y sont endommagées (fichier coupé ou modifié à la main) :%2
Elles sont montrées sans leurs résultats et ne sont pas réécrites tant qu&apos;elles ne sont pas courues ou modifiées.</source>
        <translation>Warning: %1 heat(s) already run are missing from the race file or damaged in it (file cut or edited by hand):%2
They are shown without their results and are not rewritten until they are run or changed.</translation>
    </message>
    <message>
        <source>Attention: la série %1 est marquée courue mais absente du fichier Course (fichier coupé ou modifié à la main). Elle est montrée sans résultats et n&apos;est pas écrite tant qu&apos;elle n&apos;est pas courue ou modifiée.</source>
        <translation>Warning: heat %1 is marked as run but is missing from the Course file (file cut or edited by hand). It is shown without results and is not written until it is run or changed.</translation>
    </message>
</context>
<context>
    <name>RaceOptions</name>
    <message>
        <source>Catégorie : </source>
        <translation>Category: </translation>
    </message>
    <message>
        <source>suivant nb tours+temps</source>
        <translation>by laps + time</translation>
    </message>
    <message>
        <source>suivant meilleur tour</source>
        <translation>by best lap</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Nbre tours</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>tours</source>
        <translation>laps</translation>
    </message>
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
        <source>Positions modifiables (ABC..)</source>
        <translation>Editable positions (ABC..)</translation>
    </message>
    <message>
        <source>Si durée série = temps</source>
        <translation>If heat length = time</translation>
    </message>
    <message>
        <source>Si durée série = nb tours</source>
        <translation>If heat length = laps</translation>
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
        <source>Options de course</source>
        <translation>Race options</translation>
    </message>
</context>
<context>
    <name>Rankings</name>
    <message>
        <source> %1 : Classement Manche%2 </source>
        <translation> %1: Round %2 ranking </translation>
    </message>
    <message>
        <source> Manche incomplète (%1 pilotes n&apos;ont pas couru) </source>
        <translation> Incomplete round (%1 pilots did not race) </translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
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
        <source>Meilleur tour</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source> %1 : Classement Global Catégorie</source>
        <translation> %1: Overall category ranking</translation>
    </message>
    <message>
        <source> %1 pilotes n&apos;ont pas de résultats </source>
        <translation> %1 pilots have no results </translation>
    </message>
    <message>
        <source>5 meilleures manches</source>
        <translation>5 best rounds</translation>
    </message>
    <message>
        <source>meill.</source>
        <translation>best</translation>
    </message>
    <message>
        <source>2eme</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3eme</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4eme</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5eme</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>Enregistrer en tableur (.xlsx ou .csv)</source>
        <translation>Save as a spreadsheet (.xlsx or .csv)</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>CATEGORIE : %1</source>
        <translation>CATEGORY: %1</translation>
    </message>
    <message>
        <source>Composition des Séries</source>
        <translation>Heat composition</translation>
    </message>
    <message>
        <source>Course : %1 - %2</source>
        <translation>Race: %1 - %2</translation>
    </message>
    <message>
        <source>Série</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Ligne</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nom Pilote</source>
        <translation>Pilot name</translation>
    </message>
    <message>
        <source>Transpond.</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Freq1</source>
        <translation>Freq1</translation>
    </message>
    <message>
        <source>Série %1</source>
        <translation>Heat %1</translation>
    </message>
    <message>
        <source>Liste des participants (%1 inscrits)</source>
        <translation>List of participants (%1 entered)</translation>
    </message>
    <message>
        <source>Nom Prénom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>N°Licence</source>
        <translation>Licence no.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>SOMME POINTS des %1 meilleures Manches - %2</source>
        <translation>SUM OF POINTS of the %1 best rounds - %2</translation>
    </message>
    <message>
        <source>Classement Global Catégorie</source>
        <translation>Overall category ranking</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>4 meilleures manches</source>
        <translation>4 best rounds</translation>
    </message>
    <message>
        <source>meill.</source>
        <translation>best</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3e</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4e</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>meilleur résultat</source>
        <translation>best result</translation>
    </message>
    <message>
        <source>Tours</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Meilleur tour</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Pilote</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Résultat pris en compte</source>
        <translation>Result counted</translation>
    </message>
    <message>
        <source>Relevés transpondeurs</source>
        <translation>Transponder readings</translation>
    </message>
    <message>
        <source>Commentaire:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>CLASSEMENTMeilleurTour</source>
        <translation>RANKING by best lap</translation>
    </message>
    <message>
        <source>CLASSEMENTToursTemps</source>
        <translation>RANKING by laps + time</translation>
    </message>
    <message>
        <source>Classement Manche%1</source>
        <translation>Round %1 ranking</translation>
    </message>
    <message>
        <source>Fichier texte (.txt)</source>
        <translation>Text file (.txt)</translation>
    </message>
    <message>
        <source>Erreur: la sauvegarde a échoué</source>
        <translation>Error: the save failed</translation>
    </message>
    <message>
        <source>Edité le %1/%2/%3 à %4:%5</source>
        <translation>Printed on %1/%2/%3 at %4:%5</translation>
    </message>
    <message>
        <source>Page %1 /%2</source>
        <translation>Page %1 /%2</translation>
    </message>
    <message>
        <source>Document PDF (.pdf)</source>
        <translation>PDF document (.pdf)</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Document PDF (.pdf) (*.pdf)</source>
        <translation>PDF document (.pdf) (*.pdf)</translation>
    </message>
    <message>
        <source>Course : %1</source>
        <translation>Race: %1</translation>
    </message>
    <message>
        <source>Manche%1 - Série%2</source>
        <translation>Round %1 - Heat %2</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Commentaire série</source>
        <translation>Error: cannot open the heat comment file</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Dry</translation>
    </message>
    <message>
        <source>Pluie</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>Glace</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier DetailResultats</source>
        <translation>Error: cannot open the detailed results file</translation>
    </message>
</context>
<context>
    <name>RoundRanking</name>
    <message>
        <source>1ere place</source>
        <translation>1st place</translation>
    </message>
    <message>
        <source>écart 1er/2eme</source>
        <translation>gap 1st/2nd</translation>
    </message>
    <message>
        <source>écart 2eme/3eme</source>
        <translation>gap 2nd/3rd</translation>
    </message>
    <message>
        <source>écart 3eme/4eme</source>
        <translation>gap 3rd/4th</translation>
    </message>
    <message>
        <source>écart 4eme/5eme</source>
        <translation>gap 4th/5th</translation>
    </message>
    <message>
        <source>écart 5eme et +</source>
        <translation>gap 5th and on</translation>
    </message>
</context>
<context>
    <name>RunAnalysis</name>
    <message>
        <source> Piste : %1   (%2) </source>
        <translation> Track: %1   (%2) </translation>
    </message>
    <message>
        <source>(T %1)</source>
        <translation>(L %1)</translation>
    </message>
    <message>
        <source>Meilleur tour :</source>
        <translation>Best lap:</translation>
    </message>
    <message>
        <source>Moins bon tour :</source>
        <translation>Slowest lap:</translation>
    </message>
    <message>
        <source>Tour moyen :</source>
        <translation>Mean lap:</translation>
    </message>
    <message>
        <source>Ecart type :</source>
        <translation>Std deviation:</translation>
    </message>
    <message>
        <source>(régularité)</source>
        <translation>(consistency)</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Tours</source>
        <translation>Laps</translation>
    </message>
    <message>
        <source>% tours</source>
        <translation>% laps</translation>
    </message>
    <message>
        <source>T%1 - T%2</source>
        <translation>L%1 - L%2</translation>
    </message>
    <message>
        <source>%1 (T%2)</source>
        <translation>%1 (L%2)</translation>
    </message>
    <message>
        <source>Synthèse du run entre tour %1 et tour %2</source>
        <translation>Run summary from lap %1 to lap %2</translation>
    </message>
    <message>
        <source>Histogramme des temps au tour entre tour %1 et tour %2</source>
        <translation>Lap time histogram from lap %1 to lap %2</translation>
    </message>
    <message>
        <source>Evolution des temps au tour entre tour %1 et tour %2</source>
        <translation>Lap times from lap %1 to lap %2</translation>
    </message>
</context>
<context>
    <name>SheetColumns</name>
    <message>
        <source>Nom complet</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Adresse (suite)</source>
        <translation>Address (continued)</translation>
    </message>
    <message>
        <source>Code postal</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ville</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Pays</source>
        <translation>Countries</translation>
    </message>
    <message>
        <source>Téléphone</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Date de naissance</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>N° licence</source>
        <translation>Licence no.</translation>
    </message>
    <message>
        <source>Transpondeur</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Erreur : le fichier n&apos;est pas un texte lisible (UTF-16 invalide).</source>
        <translation>Error: the file is not readable text (invalid UTF-16).</translation>
    </message>
    <message>
        <source>Erreur : le fichier a plus de %1 lignes.</source>
        <translation>Error: the file has more than %1 lines.</translation>
    </message>
    <message>
        <source>Erreur : la ligne %1 a trop de colonnes (%2 au plus).</source>
        <translation>Error: line %1 has too many columns (%2 at most).</translation>
    </message>
    <message>
        <source>Erreur : le fichier n&apos;est pas un classeur .ods lisible.</source>
        <translation>Error: the file is not a readable .ods workbook.</translation>
    </message>
    <message>
        <source>Erreur : le classeur est endommagé (XML illisible dans content.xml).</source>
        <translation>Error: the workbook is damaged (unreadable XML in content.xml).</translation>
    </message>
    <message>
        <source>Erreur : la feuille contient plus de 100 Mo de texte ; elle n&apos;est pas lue.</source>
        <translation>Error: the sheet holds more than 100 MB of text; it is not read.</translation>
    </message>
    <message>
        <source>Erreur : la feuille a trop de colonnes (%1 au plus).</source>
        <translation>Error: the sheet has too many columns (%1 at most).</translation>
    </message>
    <message>
        <source>Erreur : les classeurs .xls (Excel 97-2003) ne sont pas lus ; enregistrez-le en .xlsx, .ods ou CSV.</source>
        <translation>Error: .xls workbooks (Excel 97-2003) are not read; save it as .xlsx, .ods or CSV.</translation>
    </message>
    <message>
        <source>Erreur : le fichier compressé n&apos;est ni un classeur .xlsx ni un .ods.</source>
        <translation>Error: the compressed file is neither an .xlsx nor an .ods workbook.</translation>
    </message>
    <message>
        <source>Erreur : la feuille a trop de cellules (%1 au plus).</source>
        <translation>Error: the sheet has too many cells (%1 at most).</translation>
    </message>
    <message>
        <source>Erreur : la feuille a plus de %1 lignes.</source>
        <translation>Error: the sheet has more than %1 rows.</translation>
    </message>
    <message>
        <source>Erreur : impossible de lire le fichier %1.</source>
        <translation>Error: cannot read the file %1.</translation>
    </message>
    <message>
        <source>Erreur : le fichier %1 dépasse 100 Mo ; il n&apos;est pas lu.</source>
        <translation>Error: the file %1 is over 100 MB; it is not read.</translation>
    </message>
    <message>
        <source>Erreur: la sauvegarde a échoué (%1)</source>
        <translation>Error: the save failed (%1)</translation>
    </message>
    <message>
        <source>Erreur : le classeur est endommagé (XML illisible dans %1).</source>
        <translation>Error: the workbook is damaged (unreadable XML in %1).</translation>
    </message>
    <message>
        <source>Erreur : le classeur est endommagé (texte partagé %1 absent).</source>
        <translation>Error: the workbook is damaged (shared text %1 missing).</translation>
    </message>
    <message>
        <source>Erreur : le fichier n&apos;est pas un classeur .xlsx lisible.</source>
        <translation>Error: the file is not a readable .xlsx workbook.</translation>
    </message>
    <message>
        <source>Erreur : le classeur est trop gros une fois décompressé (plus de %1 Mo) ; il n&apos;est pas lu.</source>
        <translation>Error: the workbook is too large once uncompressed (more than %1 MB); it is not read.</translation>
    </message>
    <message>
        <source>Erreur : le classeur est endommagé (partie %1 illisible).</source>
        <translation>Error: the workbook is damaged (part %1 unreadable).</translation>
    </message>
    <message>
        <source>Erreur : le classeur n&apos;a pas de partie %1.</source>
        <translation>Error: the workbook has no part %1.</translation>
    </message>
</context>
<context>
    <name>StartingGrid</name>
    <message>
        <source>Les lettres doivent être comprises entre A et %1</source>
        <translation>The letters must be between A and %1</translation>
    </message>
    <message>
        <source>Erreur: la saisie n&apos;est pas valide !

    %1
    %2
    %3</source>
        <translation>Error: the input is not valid!

    %1
    %2
    %3</translation>
    </message>
    <message>
        <source>Certaines grilles sont incomplètes</source>
        <translation>Some grids are incomplete</translation>
    </message>
    <message>
        <source>Il y a des doublons</source>
        <translation>There are duplicates</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Erreur: impossible de lire le fichier %1</source>
        <translation>Error: cannot read the file %1</translation>
    </message>
    <message>
        <source>Erreur: impossible de lire le fichier %1 (c&apos;est un dossier)</source>
        <translation>Error: cannot read the file %1 (it is a folder)</translation>
    </message>
    <message>
        <source>Erreur: le fichier %1 n&apos;est pas une course valide (%2); la course en cours est conservée</source>
        <translation>Error: the file %1 is not a valid race (%2); the current race is kept</translation>
    </message>
    <message>
        <source>la première ligne ne commence pas par un nombre</source>
        <translation>the first line does not start with a number</translation>
    </message>
    <message>
        <source>%1 introuvable</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <source>Attention: le journal des écritures inachevées de « %1 » ne correspond pas à ce fichier (remplacé ou altéré depuis la dernière utilisation du logiciel) : il a été ignoré et le fichier est gardé tel quel.</source>
        <translation>Warning: the log of unfinished writes of &quot;%1&quot; does not match this file (replaced or altered since the program last used it): it was ignored and the file is kept as it is.</translation>
    </message>
    <message>
        <source>Erreur: Intitulé de Piste course non trouvé</source>
        <translation>Error: race track heading not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé des drapeaux séries du Treeview non trouvé</source>
        <translation>Error: heading of the race tree heat flags not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé de Liste des participants non trouvé</source>
        <translation>Error: heading of the list of participants not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé Paramètres des qualifs non trouvé</source>
        <translation>Error: heading of the qualifying options not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé de Répartition des qualifs non trouvé</source>
        <translation>Error: heading of the qualifying heat composition not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé Grille Départ des qualifs non trouvé</source>
        <translation>Error: heading of the qualifying starting grid not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé Classement global qualifs non trouvé</source>
        <translation>Error: heading of the qualifying overall ranking not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé Classement de manche qualifs non trouvé</source>
        <translation>Error: heading of the qualifying round ranking not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé de la Série de qualifs non trouvé</source>
        <translation>Error: heading of the qualifying heat not found</translation>
    </message>
    <message>
        <source>Erreur: Intitulé de section non trouvé</source>
        <translation>Error: section heading not found</translation>
    </message>
    <message>
        <source>Erreur: impossible d&apos;ouvrir le fichier Course</source>
        <translation>Error: cannot open the race file</translation>
    </message>
    <message>
        <source>ligne 1 : nombre de catégories %1 hors limites (0 à %2)</source>
        <translation>line 1: number of categories %1 out of range (0 to %2)</translation>
    </message>
    <message>
        <source>ligne 1 : nombre de participants de la catégorie %1 %2 hors limites (0 à %3)</source>
        <translation>line 1: number of participants of category %1 %2 out of range (0 to %3)</translation>
    </message>
    <message>
        <source>ligne 1 : nombre de manches de la catégorie %1 %2 hors limites (0 à %3)</source>
        <translation>line 1: number of rounds of category %1 %2 out of range (0 to %3)</translation>
    </message>
    <message>
        <source>ligne 1 : nombre de séries par manche de la catégorie %1 %2 hors limites (0 à %3)</source>
        <translation>line 1: number of heats per round of category %1 %2 out of range (0 to %3)</translation>
    </message>
</context>
<context>
    <name>ksy::DurationCalculatorDialog</name>
    <message>
        <source>Timing de la course</source>
        <translation>Race timing</translation>
    </message>
    <message>
        <source>Calculateur durée de course :</source>
        <translation>Race length calculator:</translation>
    </message>
    <message>
        <source>Catégorie :</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Nbre participants à la catégorie :</source>
        <translation>Participants in the category:</translation>
    </message>
    <message>
        <source>Nbre pilotes par série :</source>
        <translation>Pilots per heat:</translation>
    </message>
    <message>
        <source>Nbre de Manches :</source>
        <translation>Rounds:</translation>
    </message>
    <message>
        <source>Durée série :</source>
        <translation>Heat length:</translation>
    </message>
    <message>
        <source>+ Repos entre 2 séries :</source>
        <translation>+ Rest between 2 heats:</translation>
    </message>
    <message>
        <source>Résultat calcul durée</source>
        <translation>Calculated length</translation>
    </message>
    <message>
        <source> Catégorie :</source>
        <translation> Category:</translation>
    </message>
    <message>
        <source>Nombre total de séries :</source>
        <translation>Total number of heats:</translation>
    </message>
    <message>
        <source>Durée totale de course :</source>
        <translation>Total race length:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ksy::GlobalRankingDialog</name>
    <message>
        <source>Classement Global qualifs</source>
        <translation>Qualifying overall ranking</translation>
    </message>
    <message>
        <source>Classement effectué suivant</source>
        <translation>Ranking made by</translation>
    </message>
    <message>
        <source>Critère 1:   somme des points des</source>
        <translation>Criterion 1:   sum of the points of the</translation>
    </message>
    <message>
        <source>meilleures manches</source>
        <translation>best rounds</translation>
    </message>
    <message>
        <source>Critère 2:   points de la meilleure manche</source>
        <translation>Criterion 2:   points of the best round</translation>
    </message>
    <message>
        <source>Critère 3:   points des meilleures manches suivantes</source>
        <translation>Criterion 3:   points of the next best rounds</translation>
    </message>
    <message>
        <source>Critère 4:   en cas d&apos;égalité</source>
        <translation>Criterion 4:   on a tie</translation>
    </message>
    <message>
        <source>meilleur nbTours+temps</source>
        <translation>best laps + time</translation>
    </message>
    <message>
        <source>meilleur tour</source>
        <translation>best lap</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Sauvegarder</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ksy::HeatCommentDialog</name>
    <message>
        <source>Commentaire série</source>
        <translation>Heat comment</translation>
    </message>
    <message>
        <source>Etat de la piste</source>
        <translation>Track condition</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ksy::HeatCompositionDialog</name>
    <message>
        <source>Répartition des séries</source>
        <translation>Heat composition</translation>
    </message>
    <message>
        <source>Catégorie : </source>
        <translation>Category: </translation>
    </message>
    <message>
        <source>Nbre pilotes par série</source>
        <translation>Pilots per heat</translation>
    </message>
    <message>
        <source>Nbre de manches</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Générer</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ksy::HeatResultsDialog</name>
    <message>
        <source>Résultats détaillés série</source>
        <translation>Detailed heat results</translation>
    </message>
    <message>
        <source>temps de passage</source>
        <translation>passing times</translation>
    </message>
    <message>
        <source>temps au tour</source>
        <translation>lap times</translation>
    </message>
    <message>
        <source>évolution des positions</source>
        <translation>position changes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ksy::ListEditorDialog</name>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>N°ID</source>
        <translation>ID no.</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Importer…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Enregistrer la liste en tableur (.xlsx ou .csv)</source>
        <translation>Save the list as a spreadsheet (.xlsx or .csv)</translation>
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
        <source>Images (.bmp)</source>
        <translation>Images (.bmp)</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Le chemin de cette image ne peut pas être enregistré dans la base de données (trop long, ou caractères non pris en charge).</source>
        <translation>The path of this image cannot be stored in the database (too long, or characters not supported).</translation>
    </message>
</context>
<context>
    <name>ksy::ParticipantDetailsDialog</name>
    <message>
        <source>Détails pilote</source>
        <translation>Pilot details</translation>
    </message>
    <message>
        <source>Pilote :</source>
        <translation>Pilot:</translation>
    </message>
    <message>
        <source>Transpondeur personnel</source>
        <translation>Personal transponder</translation>
    </message>
    <message>
        <source>N°Puce</source>
        <translation>Chip no.</translation>
    </message>
    <message>
        <source>Fréquences radio</source>
        <translation>Radio frequencies</translation>
    </message>
    <message>
        <source>Freq%1</source>
        <translation>Freq%1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ksy::ParticipantsDialog</name>
    <message>
        <source>Liste des pilotes</source>
        <translation>List of pilots</translation>
    </message>
    <message>
        <source>Catégorie :</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source> Participants à la catégorie:</source>
        <translation> Participants in the category:</translation>
    </message>
    <message>
        <source> Base de données :</source>
        <translation> Database:</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Enregistrer la liste en PDF</source>
        <translation>Save the list as PDF</translation>
    </message>
    <message>
        <source>Noms, transpondeurs et fréquences pris d&apos;une feuille (CSV, .xlsx, .ods)</source>
        <translation>Names, transponders and frequencies taken from a sheet (CSV, .xlsx, .ods)</translation>
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
        <source>Importer la liste</source>
        <translation>Import the list</translation>
    </message>
    <message>
        <source>Enregistrer la liste en tableur (.xlsx ou .csv)</source>
        <translation>Save the list as a spreadsheet (.xlsx or .csv)</translation>
    </message>
    <message>
        <source>ajouté à la base de données Pilotes</source>
        <translation>added to the Pilots database</translation>
    </message>
    <message>
        <source>Importer la liste des participants</source>
        <translation>Import the list of participants</translation>
    </message>
    <message>
        <source>Importer la liste…</source>
        <translation>Import the list…</translation>
    </message>
</context>
<context>
    <name>ksy::PilotImportDialog</name>
    <message>
        <source>Importer des pilotes</source>
        <translation>Import pilots</translation>
    </message>
    <message>
        <source>Importer une liste de pilotes</source>
        <translation>Import a list of pilots</translation>
    </message>
    <message>
        <source>Colonne de la feuille prise pour chaque champ :</source>
        <translation>Column of the sheet taken for each field:</translation>
    </message>
    <message>
        <source>(aucune)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 :</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Ligne</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Motif, remarque</source>
        <translation>Reason, remark</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aucune colonne de nom : choisissez « Nom complet » ou « Nom ».</source>
        <translation>No name column: choose &quot;Full name&quot; or &quot;Name&quot;.</translation>
    </message>
    <message>
        <source> (les %1 premières lignes sont montrées)</source>
        <translation> (the first %1 lines are shown)</translation>
    </message>
</context>
<context>
    <name>ksy::RaceOptionsDialog</name>
    <message>
        <source>Classement des pilotes</source>
        <translation>Pilot ranking</translation>
    </message>
    <message>
        <source>Durée série</source>
        <translation>Heat length</translation>
    </message>
    <message>
        <source>Compte à rebours</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Repos entre 2 séries</source>
        <translation>Rest between 2 heats</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Type de départ</source>
        <translation>Start type</translation>
    </message>
    <message>
        <source>Grille de départ</source>
        <translation>Starting grid</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ksy::RaceTrackDialog</name>
    <message>
        <source>Piste</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Nom de la course :</source>
        <translation>Race name:</translation>
    </message>
    <message>
        <source>Club organisateur :</source>
        <translation>Organising club:</translation>
    </message>
    <message>
        <source>Parcours :</source>
        <translation>Course:</translation>
    </message>
    <message>
        <source>Nom parcours :</source>
        <translation>Course name:</translation>
    </message>
    <message>
        <source>Longueur :</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Record tour :</source>
        <translation>Lap record:</translation>
    </message>
    <message>
        <source>par</source>
        <translation>by</translation>
    </message>
    <message>
        <source>Ville / Plage :</source>
        <translation>Town / Beach:</translation>
    </message>
    <message>
        <source>Temps de protection tour :</source>
        <translation>Lap protection time:</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ksy::RankingDialogBase</name>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ksy::RoundRankingDialog</name>
    <message>
        <source>Classement Manche</source>
        <translation>Round ranking</translation>
    </message>
    <message>
        <source>Classement des pilotes</source>
        <translation>Pilot ranking</translation>
    </message>
    <message>
        <source>suivant nb tours+temps</source>
        <translation>by laps + time</translation>
    </message>
    <message>
        <source>suivant meilleur tour</source>
        <translation>by best lap</translation>
    </message>
    <message>
        <source>Attribution des points</source>
        <translation>Points awarded</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Sauvegarder</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ksy::RunAnalysisDialog</name>
    <message>
        <source>Analyse résultats pilote</source>
        <translation>Pilot results analysis</translation>
    </message>
    <message>
        <source> Entre tour </source>
        <translation> From lap </translation>
    </message>
    <message>
        <source>     et tour </source>
        <translation>     to lap </translation>
    </message>
    <message>
        <source>Synthèse du run</source>
        <translation>Run summary</translation>
    </message>
    <message>
        <source>Données</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Histo</source>
        <translation>Histo</translation>
    </message>
    <message>
        <source>Courbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Détail tour par tour</source>
        <translation>Lap by lap</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;analyse en PDF</source>
        <translation>Save the analysis as PDF</translation>
    </message>
</context>
<context>
    <name>ksy::StartingGridDialog</name>
    <message>
        <source>Grilles de départs des qualifications</source>
        <translation>Qualifying starting grids</translation>
    </message>
    <message>
        <source>Ordre de départ des pilotes dans les séries</source>
        <translation>Starting order of the pilots in the heats</translation>
    </message>
    <message>
        <source>Ordre des départs souhaité</source>
        <translation>Wanted starting order</translation>
    </message>
    <message>
        <source>Manche %1</source>
        <translation>Round %1</translation>
    </message>
</context>
<context>
    <name>ksy::TransponderPackDialog</name>
    <message>
        <source>transpondeur%1 :</source>
        <translation>transponder%1:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Echap</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
