#include "app/qr_code.h"

#include <memory>
#include <qrencode.h>

namespace ksy {

QImage qrCodeImage(const QString& text, int moduleSize)
{
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code || moduleSize < 1)
        return {};
    constexpr int quiet = 4;
    const int width = code->width;
    const int side = (width + 2 * quiet) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            if (code->data[y * width + x] & 1)
                for (int dy = 0; dy < moduleSize; ++dy)
                    for (int dx = 0; dx < moduleSize; ++dx)
                        image.setPixel((x + quiet) * moduleSize + dx, (y + quiet) * moduleSize + dy,
                            qRgb(0, 0, 0));
    return image;
}

} // namespace ksy
