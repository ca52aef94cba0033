#include "cli_help.h"

#include "services/translate.h"

#include <iostream>

namespace ksycli {

const std::vector<CommandHelp>& commandHelps()
{
    static const std::vector<CommandHelp> all = {
        {"replay", "SCENARIO [--png FILE [--size WxH] [--workdir DIR]]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "rejoue une série d'un scénario ou d'un journal de passages"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --png FILE      dessine le tableau en direct à la fin de la série\n"
                "  --size WxH      taille de l'écran du dessin (1600x900 par défaut)\n"
                "  --workdir DIR   réglages d'affichage du dossier de travail DIR\n")},
        {"ranking",
            "RACE --category C --round R [--criterion KEYWORD] [--scale P1,G2,G3,G4,G5,G6] "
            "[--export FILE] [--pdf FILE] [--xlsx FILE] [--csv FILE] [--store]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "classement d'une manche, comme la fenêtre « Classement Manche »"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --category C    catégorie (1 à 9)\n"
                "  --round R       manche (1 à 9)\n"
                "  --criterion K   CLASSEMENTToursTemps ou CLASSEMENTMeilleurTour\n"
                "  --scale ...     points de la 1re place et les cinq écarts\n"
                "  --export FILE   le texte exporté, octet pour octet\n"
                "  --pdf FILE      les pages imprimées\n"
                "  --xlsx FILE     le classement en classeur .xlsx\n"
                "  --csv FILE      le classement en CSV (UTF-8, « ; »)\n"
                "  --store         enregistre le classement dans RACE (« Valider »)\n")},
        {"global",
            "RACE --category C [--best N] [--tie KEYWORD] [--export FILE] [--pdf FILE] [--xlsx FILE] "
            "[--csv FILE] [--store]",
            KSY_TRANSLATE_NOOP("CliHelp",
                "classement général d'une catégorie, comme la fenêtre « Classement Global »"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --category C    catégorie (1 à 9)\n"
                "  --best N        nombre de meilleures manches retenues\n"
                "  --tie KEYWORD   règle de départage des ex aequo\n"
                "  --export FILE   le texte exporté, octet pour octet\n"
                "  --pdf FILE      les pages imprimées\n"
                "  --xlsx FILE     le classement en classeur .xlsx\n"
                "  --csv FILE      le classement en CSV (UTF-8, « ; »)\n"
                "  --store         enregistre le classement dans RACE (« Valider »)\n")},
        {"detail", "DETAILFILE --view passages|tours|positions",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "résultats détaillés d'une série (fichier DetailResultats.res)"),
            KSY_TRANSLATE_NOOP("CliHelp", "  --view V        passages, tours ou positions\n")},
        {"analysis", "PILOTFILE [--laps F-L] [--pdf FILE]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "analyse des tours d'un pilote (fichier ResultatPilote.res)"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --laps F-L      les tours de F à L\n"
                "  --pdf FILE      la synthèse imprimée\n")},
        {"sheet", "RACE --category C --round R --heat H [--pdf FILE] [--xlsx FILE] [--csv FILE]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "feuille de résultats d'une série en PDF, en classeur .xlsx ou en CSV"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --category C    catégorie (1 à 9)\n"
                "  --round R       manche (1 à 9)\n"
                "  --heat H        série (1 à 20)\n"
                "  --pdf FILE      le fichier PDF écrit\n"
                "  --xlsx FILE     le classeur .xlsx écrit\n"
                "  --csv FILE      la feuille en CSV (UTF-8, « ; »)\n")},
        {"participants", "RACE --category C [--workdir DIR] [--xlsx FILE] [--csv FILE]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "liste des participants d'une catégorie en classeur .xlsx ou en CSV"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  --category C    catégorie (1 à 9)\n"
                "  --workdir DIR   dossier de travail dont la base des pilotes donne licence\n"
                "                  et club (celui du programme par défaut)\n"
                "  --xlsx FILE     la liste en classeur .xlsx\n"
                "  --csv FILE      la liste en CSV (UTF-8, « ; »)\n")},
        {"pilots",
            "import FILE [--workdir DIR] [--dry-run] | export FILE.xlsx|FILE.csv [--workdir DIR]",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "importe des pilotes d'un tableur dans la base, ou l'exporte"),
            KSY_TRANSLATE_NOOP("CliHelp",
                "  import FILE     CSV, .xlsx ou .ods ; une ligne par pilote ajouté, mis à jour\n"
                "                  ou refusé, puis « N ajoutés, M mis à jour, K refusés »\n"
                "  --dry-run       montre l'import sans rien écrire\n"
                "  export FILE     la base des pilotes en .xlsx ou en CSV\n"
                "  --workdir DIR   dossier de travail (celui du programme par défaut)\n")},
        {"publish", "RACE --out DIR",
            KSY_TRANSLATE_NOOP(
                "CliHelp", "pages web statiques des résultats enregistrés d'une course"),
            KSY_TRANSLATE_NOOP("CliHelp", "  --out DIR       dossier où les pages sont écrites\n")},
    };
    return all;
}

std::string overallHelp()
{
    std::string out = ksy::translate("CliHelp",
        "usage: kestrametrix-cli COMMANDE ARGUMENTS...\n"
        "       kestrametrix-cli COMMANDE --help\n\nCommandes :\n");
    for (const CommandHelp& c : commandHelps()) {
        out += "  " + std::string(c.name) + " " + std::string(c.synopsis) + "\n";
        out += "      " + ksy::translate("CliHelp", c.summary) + "\n";
    }
    out += ksy::translate("CliHelp",
        "\nStatut de sortie : 0 fait, 1 sortie non écrite, 2 usage ou entrée invalide.\n");
    out += ksy::translate("CliHelp",
        "--lang fr|en : la langue de l'aide, des messages et des pages publiées "
        "(français par défaut) ;\nles autres fichiers écrits sont les mêmes dans les deux "
        "langues.\n");
    return out;
}

std::optional<std::string> commandHelp(std::string_view name)
{
    for (const CommandHelp& c : commandHelps())
        if (c.name == name)
            return "usage: kestrametrix-cli " + std::string(c.name) + " " +
                std::string(c.synopsis) + "\n" + ksy::translate("CliHelp", c.summary) + "\n\n" +
                ksy::translate("CliHelp", c.details);
    return std::nullopt;
}

std::optional<int> answerHelp(int argc, char** argv)
{
    const auto isHelp = [](std::string_view a) { return a == "--help" || a == "-h" || a == "help"; };
    if (argc < 2) {
        std::cerr << overallHelp();
        return 2;
    }
    const std::string_view first = argv[1];
    if (isHelp(first)) {
        if (argc >= 3) {
            if (const auto one = commandHelp(argv[2])) {
                std::cout << *one;
                return 0;
            }
            std::cerr << "kestrametrix-cli: "
                      << ksy::fillText(
                             ksy::translate("CliHelp", "commande inconnue : %1"), {argv[2]})
                      << "\n"
                      << overallHelp();
            return 2;
        }
        std::cout << overallHelp();
        return 0;
    }
    for (int i = 2; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help")
            if (const auto one = commandHelp(first)) {
                std::cout << *one;
                return 0;
            }
    // Any other command runs (and says its own usage when it is none).
    return std::nullopt;
}

} // namespace ksycli
