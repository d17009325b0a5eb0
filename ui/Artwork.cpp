#include "Artwork.h"

#include <QBitmap>
#include <QImage>

#include <array>

namespace quorlane {

QPixmap XidButtonGlyph()
{
    // K black, Y yellow, O olive, S silver, G grey, '.' white (transparent).
    static constexpr std::array<const char *, 14> rows = {
        "...............", "...........KKK.", ".........KKYKKS", ".......KKYYKKS.", ".....KKYYYKKS..",
        "....KKYYYKKS...", ".....KKYYYKKS..", ".....KYYYKKG...", "....KYYOKKG....", "...KYYKKGS.....",
        "..KYOKGS.......", "..KKGS.........", "...............", "...............",
    };
    QImage image(15, 14, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 0), qRgb(191, 191, 0),
                         qRgb(192, 192, 192), qRgb(128, 128, 128)});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int index = 0;
            switch (rows[static_cast<std::size_t>(y)][x]) {
            case 'K': index = 1; break;
            case 'Y': index = 2; break;
            case 'O': index = 3; break;
            case 'S': index = 4; break;
            case 'G': index = 5; break;
            default: index = 0; break;
            }
            image.setPixel(x, y, static_cast<uint>(index));
        }
    }
    // The bottom-left pixel's colour is the transparent one.
    const QRgb transparent = image.pixel(0, image.height() - 1);
    QPixmap glyph = QPixmap::fromImage(image);
    glyph.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
    return glyph;
}

QIcon HandsetIcon()
{
    return QIcon(QStringLiteral(":/icons/quorlane-simulator.xpm"));
}

} // namespace quorlane
