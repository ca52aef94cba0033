#pragma once
class QCoreApplication;
class QTranslator;

namespace ksy {

// The word of every cancelling button, the program's dialogs and Qt's alike.
inline constexpr const char* kCancelWord = "Echap";

// Makes the desktop's locale French for this process (dates, numbers and
// sizes in Qt's file and print dialogs). Called before the application
// object exists, which reads it once.
void chooseFrenchLocale();

// Qt's own texts (file, print and colour dialogs, the edit menus of text
// fields, standard buttons) in French, their cancelling buttons saying
// kCancelWord, and QLocale's default French. The translator installed, owned
// by the application; nullptr when Qt's French translation is not installed:
// those texts then stay in English.
QTranslator* installFrenchTranslations(QCoreApplication& app);

} // namespace ksy
