#include "qt/conversions.hpp"

#include <QFontInfo>
#include <QImage>

#include "app/controls.hpp"

namespace kulko {
namespace {

constexpr int kLargestTahomaBitmap = 13;

}  // namespace

QColor ToQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

QFont ToQFont(const Font& font) {
    QFont qfont(QString::fromStdString(font.family));
    // Point sizes are meant at 96 dots per inch, as the window was laid out.
    qfont.setPixelSize(font.pixelSize > 0 ? font.pixelSize : (font.pointSize * 96 + 36) / 72);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    // Wine's Tahoma Bold has bold widths but outlines hardly heavier than
    // the regular face; its hand-drawn bitmaps of the small sizes are truly
    // bold, and FreeType shows them only for text drawn without smoothing.
    if (font.bold && qfont.pixelSize() <= kLargestTahomaBitmap &&
        QFontInfo(qfont).family() == QStringLiteral("Tahoma")) {
        qfont.setStyleStrategy(QFont::NoAntialias);
    }
    return qfont;
}

QPixmap ToQPixmap(const Picture& picture) {
    if (picture.Empty()) {
        return {};
    }
    const QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                       QImage::Format_RGB888);
    return QPixmap::fromImage(image.copy());  // own the pixels
}

}  // namespace kulko
