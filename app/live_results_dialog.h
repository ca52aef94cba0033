#pragma once
// "Réglages" > "Résultats en direct": whether the program serves its web
// page, on which address and port. The rules live in LiveSettingsForm.
#include "live/live_settings.h"

#include <QString>
#include <optional>

class QWidget;

namespace ksy {

class LiveResultsDialog {
public:
    // The settings confirmed with "Valider", nothing on "Echap".
    // `address`: the page's address while it is served, shown in the dialog.
    static std::optional<LiveSettings> run(
        QWidget* parent, const LiveSettings& settings, const QString& address);
};

} // namespace ksy
