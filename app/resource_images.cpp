#include "app/resource_images.h"

#include <array>

namespace ksy {

std::string resourceImageFile(int resource)
{
    static const std::array<const char*, 27> names = {
        "01_window_icon",
        "02_depart",
        "03_arret",
        "04_effacer",
        "05_menu_nouvelle_course",
        "06_menu_enregistrer",
        "07_menu_quitter",
        "08_menu_parcours",
        "09_menu_clubs",
        "10_menu_pilotes",
        "11_menu_frequences",
        "12_menu_transpondeurs",
        "13_menu_calcul_temps",
        "14_menu_sons",
        "15_menu_affichage",
        "16_menu_interface",
        "17_resultats",
        "18_imprimer",
        "19_tree_course",
        "20_tree_piste",
        "21_tree_pilotes",
        "22_tree_parametres",
        "23_tree_repartition",
        "24_tree_categorie",
        "25_tree_serie",
        "26_tree_classements",
        "27_tree_serie_resultats",
    };
    if (resource < 1 || resource > static_cast<int>(names.size()))
        return {};
    return std::string("images/res_") + names[static_cast<std::size_t>(resource - 1)] + ".png";
}

} // namespace ksy
