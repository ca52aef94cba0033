#pragma once
#include <QString>

namespace ksy {

// Opens a document with the desktop's viewer for its type. False when the
// desktop has no viewer for it (nothing would appear) or could not start it.
bool openWithDesktopViewer(const QString& path, const QString& mimeType);

} // namespace ksy
