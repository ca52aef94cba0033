#pragma once
class QCoreApplication;
class QTranslator;

namespace ksy {

// Qt's own texts (file, print and colour dialogs, the edit menus of text
// fields, standard buttons) in French. The translator installed, owned by the
// application; nullptr when Qt's French translation is not installed: those
// texts then stay in English.
QTranslator* installFrenchTranslations(QCoreApplication& app);

} // namespace ksy
