// The window's look where the toolkit's defaults would part from the
// designed window: texts, group frames and the line above the main buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "app/controls.hpp"
#include "gui/gui_support.hpp"
#include "qt/conversions.hpp"
#include "qt/message_boxes.hpp"

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

// The darkness of a caption drawn in the font at a scale factor.
double Ink(const QFont& font, qreal scale) {
    QImage image(QSize(120, 24) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(2, 16, QStringLiteral("Koniec"));
    painter.end();
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink += 1.0 - image.pixelColor(x, y).lightnessF();
        }
    }
    return ink;
}

TEST_F(WindowLookGui, BoldCaptionsAreBoldAtEveryScale) {
    // "Koniec" and the check numbers at 8 points, the panel titles at 12.
    for (int points : {8, 12}) {
        for (qreal scale : {1.0, 2.0}) {
            const Font bold{"Tahoma", points, 0, true, false, colors::kBlack};
            Font regular = bold;
            regular.bold = false;
            EXPECT_GT(Ink(ToQFont(bold, scale), scale), 1.15 * Ink(ToQFont(regular, scale), scale))
                << points << " points at scale " << scale;
        }
    }
}

TEST_F(WindowLookGui, MessageBoxesUseTheWindowsFace) {
    // Boxes over the shown window, and those of start-up, which have no
    // window to stand over yet.
    const QFontInfo face(window->font());
    for (QWidget* parent : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(nullptr)}) {
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    for (QWidget* part : box->findChildren<QWidget*>()) {
                        const QFontInfo font(part->font());
                        seen << font.family() + " " + QString::number(font.pixelSize());
                    }
                    box->buttons().front()->click();
                }
            }
        });
        ShowInformation(parent, QStringLiteral("Plik pamięci"));
        ASSERT_FALSE(seen.isEmpty());
        for (const QString& font : seen) {
            EXPECT_EQ(font, face.family() + " " + QString::number(face.pixelSize()));
        }
    }
}

}  // namespace
}  // namespace kulko::test
