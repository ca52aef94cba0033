#include "cli_language.h"

#include "services/translate.h"

#include <QDir>
#include <QTranslator>
#include <memory>
#include <string_view>
#include <vector>

namespace ksycli {
namespace {

std::vector<std::unique_ptr<QTranslator>>& catalogues()
{
    static std::vector<std::unique_ptr<QTranslator>> loaded;
    return loaded;
}

std::string fromCatalogues(const char* context, const char* french)
{
    for (const auto& catalogue : catalogues()) {
        const QString text = catalogue->translate(context, french);
        if (!text.isEmpty())
            return text.toStdString();
    }
    return french;
}

} // namespace

std::optional<ksy::InterfaceLanguage> takeLanguageOption(int& argc, char** argv, std::string& error)
{
    ksy::InterfaceLanguage language = ksy::InterfaceLanguage::French;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) != "--lang") {
            argv[kept++] = argv[i];
            continue;
        }
        const auto chosen =
            i + 1 < argc ? ksy::interfaceLanguageFromCode(argv[i + 1]) : std::nullopt;
        if (!chosen) {
            error = i + 1 < argc ? std::string("--lang ") + argv[i + 1] : "--lang";
            return std::nullopt;
        }
        language = *chosen;
        ++i;
    }
    argc = kept;
    argv[argc] = nullptr;
    return language;
}

void installCliLanguage(ksy::InterfaceLanguage language)
{
    if (language == ksy::InterfaceLanguage::French)
        return;
    const QDir folder(QStringLiteral(":/i18n"));
    for (const QString& name :
        folder.entryList({QStringLiteral("kestrametrix_en_*.qm")}, QDir::Files)) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(folder.filePath(name)))
            catalogues().push_back(std::move(catalogue));
    }
    ksy::installTextTranslator(&fromCatalogues);
}

} // namespace ksycli
