#include "qt_shared/conversions.hpp"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <map>

#include "canvas/font.hpp"
#include "canvas/picture.hpp"

namespace kulko {
namespace {

constexpr int kLargestTahomaBitmap = 13;

// How much darker a bold text must be than the regular one to look bold.
constexpr double kBoldInk = 1.15;

// The ink of a sample text in the face, in device pixels.
long Ink(const QFont& face) {
    QImage image(480, 64, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(4, 48, QStringLiteral("Koniec Rozliczenie"));
    }
    long ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            ink += 255 - line[x];
        }
    }
    return ink;
}

// Whether the family's bold face is drawn heavier than its regular face at
// sizes beyond any hand-drawn bitmaps. Wine's Tahoma Bold is not: it has
// bold widths on the regular outlines, and only its bitmaps are bold.
bool HasBoldOutlines(const QString& family) {
    static std::map<QString, bool> known;
    const auto found = known.find(family);
    if (found != known.end()) {
        return found->second;
    }
    QFont regular(family);
    regular.setPixelSize(40);
    QFont bold = regular;
    bold.setBold(true);
    return known[family] = Ink(bold) > kBoldInk * Ink(regular);
}

// Whether Tahoma is drawn by a face of that name rather than by one standing
// in for it. Asked once, of the first bold Tahoma the window wants: finding
// a face is the dearest part of a font, and this one is needed anyway.
bool TahomaPresent(const QFont& boldTahoma) {
    static const bool present = QFontInfo(boldTahoma).family() == QStringLiteral("Tahoma");
    return present;
}

}  // namespace

QColor ToQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

QFont ToQFont(const Font& font, qreal devicePixelRatio) {
    QFont qfont(QString::fromStdString(font.family));
    // Point sizes are meant at 96 dots per inch, as the window was laid out.
    qfont.setPixelSize(font.pixelSize > 0 ? font.pixelSize : (font.pointSize * 96 + 36) / 72);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    const QString tahoma = QStringLiteral("Tahoma");
    if (!font.bold || font.family != "Tahoma" || !TahomaPresent(qfont) || HasBoldOutlines(tahoma)) {
        return qfont;
    }
    // Wine's Tahoma Bold is bold only in its hand-drawn bitmaps of the small
    // sizes, which FreeType shows only for text drawn without smoothing.
    // Larger on the screen (a large caption, or any at a scale factor of 2),
    // the faces that stand in for Tahoma draw it, with truly bold outlines
    // and near Tahoma Bold's widths.
    if (qfont.pixelSize() * devicePixelRatio <= kLargestTahomaBitmap) {
        qfont.setStyleStrategy(QFont::NoAntialias);
    } else {
        qfont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    }
    return qfont;
}

QFont WindowFont() {
    return ToQFont(Font{}, 1.0);
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
