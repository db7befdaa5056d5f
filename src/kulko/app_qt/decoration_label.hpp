#pragma once

#include <QLabel>
#include <QString>

namespace kulko {

// An image control that shows one of the window's decorative pictures. The
// picture is drawn when the label is first shown, not when it is made: two
// of the three lie on panels hidden at start, and drawing them would delay
// the window's first paint for pictures it does not show.
class DecorationLabel : public QLabel {
  public:
    DecorationLabel(const QString& controlName, QSize size, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString controlName_;
    QSize size_;
    bool drawn_ = false;
};

}  // namespace kulko
