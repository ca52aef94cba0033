#include "platform/shipped_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace ksy {

namespace {

std::filesystem::path fromQString(const QString& s)
{
    const QByteArray utf8 = QDir::cleanPath(s).toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

std::filesystem::path shippedDataFolder(const char* buildTreeData)
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {programDir + QStringLiteral("/data"),
             programDir + QStringLiteral("/../share/kestrametrix/data")}) {
        if (QDir(candidate).exists())
            return fromQString(candidate);
    }
    return std::filesystem::path(buildTreeData);
}

} // namespace ksy
