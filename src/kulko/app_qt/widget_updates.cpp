// From the window to the widgets: after every handler and timer tick each
// widget is brought to its control's values. Only what differs is set, so
// a tick that changed nothing costs no drawing; long lists and pictures are
// told apart by their revisions, not by their contents.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTextEdit>

#include "app_qt/control_widgets.hpp"
#include "qt_shared/conversions.hpp"
#include "app_qt/item_models.hpp"

namespace kulko {
namespace {

constexpr qsizetype kLongestLabelText = 300;

// Whether the control and every panel it lies on are visible.
bool ShownOnWindow(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->parent) {
        if (!c->visible) {
            return false;
        }
    }
    return true;
}

void ApplyLabel(const Control& control, QLabel* label) {
    const Bounds& b = control.bounds;
    const QString caption = QString::fromStdString(control.caption);
    // A damaged results line can be megabytes long; the status row shows its
    // start, which is all that fits on the window anyway.
    const QString text = caption.size() > kLongestLabelText
                             ? caption.left(kLongestLabelText) + QStringLiteral("…")
                             : caption;
    if (label->text() != text) {
        label->setText(text);
    }
    // Labels size themselves to their text, as on the designed window. A
    // label on a hidden panel is measured when the panel is shown (every
    // handler syncs all widgets): measuring lays its text out in its font.
    const int width =
        ShownOnWindow(control) ? std::max(b.width, label->sizeHint().width()) : b.width;
    if (label->geometry() != QRect(b.left, b.top, width, b.height)) {
        label->setGeometry(b.left, b.top, width, b.height);
    }
}

void ApplyMemo(const Control& control, QTextEdit* memo) {
    QStringList lines;
    for (const auto& line : control.items.All()) {
        lines << QString::fromStdString(line);
    }
    const QString text = lines.join('\n');
    if (memo->toPlainText() != text) {
        memo->setPlainText(text);
        if (control.centred) {
            memo->selectAll();
            memo->setAlignment(Qt::AlignCenter);
            memo->moveCursor(QTextCursor::Start);
        }
    }
}

}  // namespace

void ControlWidgets::Apply(Control& control, QWidget* widget) {
    const Bounds& b = control.bounds;
    const QString caption = QString::fromStdString(control.caption);
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
        case ControlKind::Label:
            ApplyLabel(control, static_cast<QLabel*>(widget));
            break;
        case ControlKind::Button:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox: {
            auto* button = static_cast<QAbstractButton*>(widget);
            if (button->text() != caption) {
                button->setText(caption);
            }
            if (control.kind != ControlKind::Button && button->isChecked() != control.checked) {
                button->setChecked(control.checked);
            }
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(widget);
            auto& shown = comboRevisions_[&control];
            if (shown != control.items.Revision() ||
                combo->count() != static_cast<int>(control.items.Size())) {
                combo->clear();
                QStringList items;
                for (const auto& item : control.items.All()) {
                    items << QString::fromStdString(item);
                }
                combo->addItems(items);
                shown = control.items.Revision();
            }
            if (combo->currentIndex() != control.itemIndex) {
                combo->setCurrentIndex(control.itemIndex);
            }
            if (combo->currentText() != text) {
                combo->setEditText(text);
            }
            break;
        }
        case ControlKind::Edit: {
            auto* edit = static_cast<QLineEdit*>(widget);
            if (edit->text() != text) {
                edit->setText(text);
            }
            break;
        }
        case ControlKind::Memo:
            ApplyMemo(control, static_cast<QTextEdit*>(widget));
            break;
        case ControlKind::ListBox: {
            auto* list = static_cast<QListView*>(widget);
            listModels_.at(&control)->Refresh();
            const QModelIndex current = list->model()->index(control.itemIndex, 0);
            if (list->currentIndex() != current) {
                list->setCurrentIndex(current);
                if (current.isValid()) {
                    list->scrollTo(current);
                }
            }
            break;
        }
        case ControlKind::StringGrid:
            gridModels_.at(&control)->Refresh();
            break;
        case ControlKind::Image:
            if (control.showsPicture) {
                auto& shown = pictureRevisions_.at(&control);
                if (shown != control.picture.Revision()) {
                    static_cast<QLabel*>(widget)->setPixmap(ToQPixmap(control.picture));
                    shown = control.picture.Revision();
                }
            }
            break;
        case ControlKind::Panel: {
            auto* captionLabel = static_cast<QLabel*>(panelCaptions_.at(&control));
            if (captionLabel->text() != caption) {
                captionLabel->setText(caption);
            }
            captionLabel->setGeometry(0, 0, b.width, b.height);
            break;
        }
        case ControlKind::GroupBox: {
            auto* group = static_cast<QGroupBox*>(widget);
            if (group->title() != caption) {
                group->setTitle(caption);
            }
            break;
        }
        case ControlKind::Bevel:
            break;
    }
    if (control.kind != ControlKind::Label &&
        widget->geometry() != QRect(b.left, b.top, b.width, b.height)) {
        widget->setGeometry(b.left, b.top, b.width, b.height);
    }
    const QString hint = QString::fromStdString(control.hint);
    if (widget->toolTip() != hint) {
        widget->setToolTip(hint);
    }
    if (widget->isEnabled() != control.enabled) {
        widget->setEnabled(control.enabled);
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
        widget->setVisible(control.visible);
    }
}

}  // namespace kulko
