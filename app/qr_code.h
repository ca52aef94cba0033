#pragma once
#include <QImage>
#include <QString>

namespace ksy {

// The QR code of a text (black modules on white, with the quiet zone), each
// module `moduleSize` pixels wide; a null image when it cannot be encoded.
QImage qrCodeImage(const QString& text, int moduleSize);

} // namespace ksy
