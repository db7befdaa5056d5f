#include "systemy_qt/print_system.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kulko {

void PrintSystem(const PrintedSystem& document, QPagedPaintDevice& device) {
    QPainter painter(&device);
    QFont titleFont(QStringLiteral("Tahoma"), 14, QFont::Bold);
    QFont textFont(QStringLiteral("Tahoma"), 10);
    const QRect page = painter.viewport();
    int y = 0;
    const auto line = [&](const QString& text, const QFont& font) {
        painter.setFont(font);
        const QFontMetrics metrics(font, &device);
        const QRect bounds =
            metrics.boundingRect(QRect(0, 0, page.width(), page.height()), Qt::TextWordWrap, text);
        if (y > 0 && y + bounds.height() > page.height()) {
            device.newPage();
            y = 0;
        }
        painter.drawText(QRect(0, y, page.width(), bounds.height()), Qt::TextWordWrap, text);
        y += bounds.height();
    };
    line(QString::fromStdString(document.title), titleFont);
    for (const std::string& text : document.heading) {
        line(QString::fromStdString(text), textFont);
    }
    line(QString(), textFont);
    for (const std::string& text : document.lines) {
        line(QString::fromStdString(text), textFont);
    }
}

}  // namespace kulko
