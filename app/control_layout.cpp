#include "app/control_layout.h"

#include "services/translate.h"

namespace ksy {
namespace {

// factor * u truncated, computed exactly in integers: with u as a double,
// 50 * (1920 / 1600.0) lands just below 60 and would truncate to 59.
struct Scale {
    int size;
    int base;
    int operator()(int factor) const { return factor * size / base; }
};

} // namespace

std::vector<ControlSpec> mainWindowControls(int screenWidth, int screenHeight)
{
    const Scale u {screenWidth, 1600};
    const Scale v {screenHeight, 900};
    using K = ControlKind;
    std::vector<ControlSpec> c = {
        {2001, K::PushButton, KSY_TRANSLATE_NOOP("MainWindow", "Depart"), 16 + u(672), v(40), 80,
            v(45)},
        {2004, K::ReadOnlyEdit, KSY_TRANSLATE_NOOP("MainWindow", "Départ"), 21 + u(672), v(86), 70,
            v(20)},
        {2002, K::PushButton, KSY_TRANSLATE_NOOP("MainWindow", "Arret"), 116 + u(672), v(40), 80,
            v(45)},
        {2005, K::ReadOnlyEdit, KSY_TRANSLATE_NOOP("MainWindow", "Arret"), 121 + u(672), v(86), 70,
            v(20)},
        {2003, K::PushButton, KSY_TRANSLATE_NOOP("MainWindow", "Effacer"), 216 + u(672), v(40), 80,
            v(45)},
        {2006, K::ReadOnlyEdit, KSY_TRANSLATE_NOOP("MainWindow", "Effacer"), 221 + u(672), v(86),
            70, v(20)},
        {6101, K::PushButton, KSY_TRANSLATE_NOOP("MainWindow", "Résultats"), screenWidth - 120,
            v(60), 40, 40},
        {6000, K::PushButton, KSY_TRANSLATE_NOOP("MainWindow", "Imprimer"), screenWidth - 70, v(60),
            40, 40},
        {0, K::GroupBox, "", 100 + u(275), v(606), u(1050), v(50)},
    };
    for (int k = 1; k <= 20; ++k)
        c.push_back({2200 + k, K::PushButton, std::to_string(k), 100 + u(250 + 50 * k), v(625),
            u(40), v(20)});
    const std::vector<ControlSpec> rest = {
        {2221, K::GroupBox, KSY_TRANSLATE_NOOP("MainWindow", "Durée course / Horloge"), 200 + u(45),
            v(710), u(400), v(75)},
        {2222, K::GroupBox, KSY_TRANSLATE_NOOP("MainWindow", "Décompte"), 220 + u(440), v(710), 100,
            v(75)},
        {2223, K::GroupBox, KSY_TRANSLATE_NOOP("MainWindow", "Mode transpondeurs"), 200 + u(720),
            v(700), 330, v(85)},
        {2101, K::RadioButton, KSY_TRANSLATE_NOOP("MainWindow", "Puces perso"), 205 + u(720),
            v(727), 105, v(20)},
        {2102, K::RadioButton, KSY_TRANSLATE_NOOP("MainWindow", "Puces club"), 325 + u(720), v(727),
            105, v(20)},
        {2103, K::RadioButton, KSY_TRANSLATE_NOOP("MainWindow", "Mixte (scan)"), 205 + u(720),
            v(760), 105, v(20)},
        {2104, K::ComboBox, "PackPuces", 435 + u(720), v(725), 72, v(600)},
        {2105, K::PushCheckBox, KSY_TRANSLATE_NOOP("MainWindow", "Scan"), 320 + u(720), v(757), 60,
            v(23)},
        {2106, K::ReadOnlyEdit, "", 390 + u(720), v(757), 110, v(23)},
        {0, K::ScrollBar, "", 201, v(145), u(13), v(465)},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    return c;
}

} // namespace ksy
