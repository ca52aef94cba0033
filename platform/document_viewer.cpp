#include "platform/document_viewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace ksy {

bool openWithDesktopViewer(const QString& path, const QString& mimeType)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The opener starts happily even when no program handles the type, and
    // then shows nothing: ask the desktop's table first.
    QProcess query;
    query.start(
        QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000) || query.exitCode() != 0 ||
        query.readAllStandardOutput().trimmed().isEmpty())
        return false;
#else
    Q_UNUSED(mimeType);
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace ksy
