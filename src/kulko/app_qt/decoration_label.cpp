#include "app_qt/decoration_label.hpp"

#include "app_qt/artwork.hpp"

namespace kulko {

DecorationLabel::DecorationLabel(const QString& controlName, QSize size, QWidget* parent)
    : QLabel(parent), controlName_(controlName), size_(size) {}

// A label is shown before its first paint: the window's show reaches every
// label not hidden itself, and a panel's show reaches the labels on it.
void DecorationLabel::showEvent(QShowEvent* event) {
    if (!drawn_) {
        drawn_ = true;
        setPixmap(DecorativePicture(controlName_, size_));
    }
    QLabel::showEvent(event);
}

}  // namespace kulko
