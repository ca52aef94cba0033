#include "app/tree_labels.h"

#include "storage/race_tree.h"

#include <QCoreApplication>

namespace ksy {

QString shownTreeLabel(int code, const std::string& french)
{
    const QString same = QString::fromStdString(french);
    if (code == kTrackCode)
        return QCoreApplication::translate("RaceTree", "Piste");
    const int r = code % 10000;
    if (code < 10000 || r == 0 || (r > 1000 && r < 3000))
        return same; // a category's or a pilot's name
    if (r == 1000) {
        // "Pilotes (n)": the count is the one the tree gave.
        const qsizetype open = same.indexOf(QLatin1Char('('));
        const qsizetype close = same.lastIndexOf(QLatin1Char(')'));
        if (open < 0 || close <= open)
            return same;
        return QCoreApplication::translate("RaceTree", "Pilotes (%1)")
            .arg(same.mid(open + 1, close - open - 1));
    }
    switch (r) {
    case 3000:
        return QCoreApplication::translate("RaceTree", "Course");
    case 3010:
        return QCoreApplication::translate("RaceTree", "Paramètres");
    case 3020:
        return QCoreApplication::translate("RaceTree", "Répartition");
    case 3950:
        return QCoreApplication::translate("RaceTree", "Classements");
    case 3990:
        return QCoreApplication::translate("RaceTree", "Classement Global");
    default:
        break;
    }
    if (r > 3950 && r < 3990)
        return QCoreApplication::translate("RaceTree", "Classement M%1").arg(r - 3950);
    if (r > 3000 && r < 3950) {
        const int round = (r - 3000) / 100;
        const int heat = (r - 3000) % 100;
        if (heat == 0)
            return QCoreApplication::translate("RaceTree", "Manche%1").arg(round);
        return QCoreApplication::translate("RaceTree", "Série%1").arg(heat);
    }
    return same;
}

} // namespace ksy
