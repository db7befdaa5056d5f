// From the widgets to the window: a click calls the control's handler (a
// radio button selects itself in its group), and what the user types or
// ticks goes into the control. Values pushed by SyncAll do not come back.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app_qt/control_widgets.hpp"

namespace kulko {

void ControlWidgets::Connect(Control& control, QWidget* widget) {
    Control* c = &control;
    switch (control.kind) {
        case ControlKind::Button:
            if (auto handler = control.onClick) {
                QObject::connect(
                    static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                    [this, handler] { run_([this, handler] { (window_.*handler)(); }); });
            }
            break;
        case ControlKind::RadioButton:
            QObject::connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked,
                             [this, c] { run_([this, c] { window_.Select(*c); }); });
            break;
        case ControlKind::CheckBox:
            QObject::connect(static_cast<QCheckBox*>(widget), &QCheckBox::toggled,
                             [this, c](bool on) {
                                 if (!syncing_) {
                                     c->checked = on;
                                 }
                             });
            break;
        case ControlKind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(widget);
            QObject::connect(combo, &QComboBox::editTextChanged, [this, c](const QString& text) {
                if (!syncing_) {
                    c->text = text.toStdString();
                }
            });
            QObject::connect(combo, &QComboBox::currentIndexChanged, [this, c](int index) {
                if (!syncing_) {
                    c->itemIndex = index;
                }
            });
            break;
        }
        case ControlKind::Edit:
            QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited,
                             [this, c](const QString& text) {
                                 if (!syncing_) {
                                     c->text = text.toStdString();
                                 }
                             });
            break;
        default:
            break;
    }
}

}  // namespace kulko
