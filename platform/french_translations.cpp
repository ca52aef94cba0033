#include "platform/french_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace ksy {
namespace {

// Asked before Qt's French catalogue: Qt's "Cancel" buttons say the
// program's own word, and the file dialog's kinds of entries, which Qt's
// catalogue leaves in English, are French.
class CancelWord : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QByteArray text(source ? source : "");
        if (text == "Cancel" || text == "&Cancel")
            return QString::fromUtf8(kCancelWord);
        if (QByteArray(context ? context : "") == "QAbstractFileIconProvider") {
            if (text == "Folder")
                return QStringLiteral("Dossier");
            if (text == "Drive")
                return QStringLiteral("Lecteur");
            if (text == "File")
                return QStringLiteral("Fichier");
        }
        return {};
    }
};

} // namespace

void chooseFrenchLocale()
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANGUAGE", "fr");
}

QTranslator* installFrenchTranslations(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // The C library keeps reading and writing numbers with a point, whatever
    // the desktop's language: the program's files depend on it.
    std::setlocale(LC_NUMERIC, "C");
    auto* translator = new QTranslator(&app);
    if (!translator->load(
            QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    // Installed last, asked first; it goes with the catalogue.
    QCoreApplication::installTranslator(new CancelWord(translator));
    return translator;
}

} // namespace ksy
