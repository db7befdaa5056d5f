// The window's look where the toolkit's defaults would part from the
// designed window: texts, group frames and the line above the main buttons.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <numeric>

#include "app/controls.hpp"
#include "app_qt/artwork.hpp"
#include "gui/gui_support.hpp"
#include "qt_shared/conversions.hpp"

namespace kulko::test {
namespace {

class WindowLookGui : public ShownWindowTest {};

QImage Shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool ColumnHasInk(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != Qt::white) {
            return true;
        }
    }
    return false;
}

// The first and last columns of a widget's picture that hold anything but
// white, in window coordinates.
std::pair<int, int> InkColumns(QWidget& widget) {
    const QImage image = Shot(widget);
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (ColumnHasInk(image, x)) {
            first = std::min(first, x);
            last = x;
        }
    }
    return {widget.x() + first, widget.x() + last};
}

TEST_F(WindowLookGui, TheCheckingHintsDoNotRunTogether) {
    const int label14End = InkColumns(*Find<QWidget>(*window, "Label14")).second;
    const int label13Start = InkColumns(*Find<QWidget>(*window, "Label13")).first;
    EXPECT_LT(label14End + 1, label13Start) << "without fonts-wine the faces standing in are wider";
}

TEST_F(WindowLookGui, TheFirstButtonOfEachGroupLiesInsideItsFrame) {
    for (auto [group, first] : {std::pair{"GroupBox3", "w1"}, std::pair{"GroupBox2", "los7"},
                                std::pair{"GroupBox4", "os1"}}) {
        QWidget& box = *Find<QWidget>(*window, group);
        auto& radio = *Find<QRadioButton>(*window, first);
        // The frame's top line, found where no title stands: near the right edge.
        const QImage image = Shot(box);
        int frameTop = 0;
        while (frameTop < image.height() &&
               image.pixelColor(image.width() - 4, frameTop) == Qt::white) {
            ++frameTop;
        }
        QStyleOptionButton option;
        option.initFrom(&radio);
        const QRect circle = radio.style()
                                 ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &radio)
                                 .translated(radio.pos());
        EXPECT_LT(frameTop, image.height()) << group;
        EXPECT_GT(circle.top(), frameTop) << group;
        EXPECT_LT(circle.bottom(), image.height() - 1) << group;
    }
}

TEST_F(WindowLookGui, TheLineAboveTheMainButtonsShowsOnWhite) {
    const QImage image = Shot(*window);
    int white = 0;
    for (int x = 608; x <= 984; ++x) {
        white += image.pixelColor(x, 541) == Qt::white ? 1 : 0;
    }
    EXPECT_EQ(white, 0);
}

TEST_F(WindowLookGui, BoldCaptionsAreBoldAtEveryScale) {
    const auto ink = [](const Font& font, qreal scale) {
        QImage image(QSize(120, 24) * scale, QImage::Format_Grayscale8);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(ToQFont(font, scale));
        painter.drawText(2, 16, QStringLiteral("Koniec"));
        return image.sizeInBytes() * 255.0 -
               std::accumulate(image.constBits(), image.constBits() + image.sizeInBytes(), 0.0);
    };
    for (const qreal scale : {1.0, 2.0}) {
        for (const int points : {8, 12}) {  // "Koniec", the check numbers; the panel titles
            EXPECT_GT(ink({"Tahoma", points, 0, true}, scale),
                      1.15 * ink({"Tahoma", points}, scale))
                << points << " points at scale " << scale;
        }
    }
}

// The decorations are drawn at their first show: on the window, and on a
// panel hidden at start only once the panel opens.
TEST_F(WindowLookGui, DecorationsShowTheirPicturesOnceShown) {
    Find<QWidget>(*window, "Panel2")->show();
    for (auto [name, size] :
         {std::pair{"Image1", QSize(133, 93)}, std::pair{"Image2", QSize(140, 140)}}) {
        const QPixmap shown = Find<QLabel>(*window, name)->pixmap();
        EXPECT_EQ(shown.toImage(), DecorativePicture(name, size).toImage()) << name;
    }
}

}  // namespace
}  // namespace kulko::test
