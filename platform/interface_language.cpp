#include "platform/interface_language.h"

#include "platform/french_translations.h"
#include "services/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <atomic>
#include <clocale>
#include <string>
#include <vector>

namespace ksy {
namespace {

std::atomic<InterfaceLanguage> current{InterfaceLanguage::French};

// The translators installed for the language in place, taken out when
// another one is installed (the program installs one; tests switch).
std::vector<QPointer<QTranslator>>& installedTranslators()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalledTranslators()
{
    for (const QPointer<QTranslator>& t : installedTranslators()) {
        if (t) {
            QCoreApplication::removeTranslator(t);
            delete t.data();
        }
    }
    installedTranslators().clear();
}

std::string qtText(const char* context, const char* french)
{
    return QCoreApplication::translate(context, french).toStdString();
}

} // namespace

std::optional<InterfaceLanguage> interfaceLanguageFromCode(std::string_view code)
{
    if (code == "fr")
        return InterfaceLanguage::French;
    if (code == "en")
        return InterfaceLanguage::English;
    return std::nullopt;
}

const char* interfaceLanguageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? "en" : "fr";
}

InterfaceLanguage interfaceLanguageOfArguments(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--lang")
            return interfaceLanguageFromCode(argv[i + 1]).value_or(InterfaceLanguage::French);
    }
    return InterfaceLanguage::French;
}

void chooseInterfaceLocale(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::French) {
        chooseFrenchLocale();
        return;
    }
    qputenv("LC_ALL", "en_GB.UTF-8");
    qputenv("LANGUAGE", "en");
}

void installInterfaceLanguage(QCoreApplication& app, InterfaceLanguage language)
{
    current.store(language);
    removeInstalledTranslators();
    if (language == InterfaceLanguage::French) {
        installTextTranslator(nullptr);
        if (QTranslator* french = installFrenchTranslations(app))
            installedTranslators().push_back(french);
        return;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // The C library keeps reading and writing numbers with a point.
    std::setlocale(LC_NUMERIC, "C");
    // One catalogue for each part of the program, built in by the build.
    const QDir catalogues(QStringLiteral(":/i18n"));
    const QStringList names =
        catalogues.entryList({QStringLiteral("kestrametrix_en_*.qm")}, QDir::Files);
    for (const QString& name : names) {
        auto* translator = new QTranslator(&app);
        if (translator->load(catalogues.filePath(name))) {
            QCoreApplication::installTranslator(translator);
            installedTranslators().push_back(translator);
        } else {
            delete translator;
        }
    }
    installTextTranslator(&qtText);
}

void removeInterfaceLanguage()
{
    removeInstalledTranslators();
    installTextTranslator(nullptr);
    current.store(InterfaceLanguage::French);
}

InterfaceLanguage currentInterfaceLanguage()
{
    return current.load();
}

} // namespace ksy
