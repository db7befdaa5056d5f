// Creating the widget of each control: its kind, look, font and colours.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "app_qt/artwork.hpp"
#include "app_qt/control_widgets.hpp"
#include "qt_shared/conversions.hpp"
#include "app_qt/decoration_label.hpp"
#include "app_qt/grid_view.hpp"
#include "app_qt/item_models.hpp"

namespace kulko {
namespace {

// The shadow of a bevel on a white window, as the Windows button shadow.
const QColor kBevelShadow(160, 160, 160);

// The frame line runs through the middle of the title, as on Windows,
// so buttons placed below the title's middle lie inside the frame.
const QString kGroupBoxStyle = QStringLiteral(
    "QGroupBox { border: 1px solid #d5d5d5; border-radius: 3px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 6px; padding: 0 2px; }");

QWidget* CreateButton(const Control& control, QWidget* parent) {
    if (control.look == ButtonLook::Push) {
        return new QPushButton(parent);
    }
    auto* button = new QToolButton(parent);
    if (control.ball > 0) {
        button->setIcon(BallIcon(control.ball));
    }
    button->setIconSize(QSize(24, 24));
    const bool mainRow = control.look == ButtonLook::MainRow;
    button->setToolButtonStyle(mainRow ? Qt::ToolButtonTextUnderIcon
                                       : Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(!mainRow);
    return button;
}

QWidget* CreateBevel(const Control& control, QWidget* parent) {
    auto* frame = new QFrame(parent);
    // A sunken line needs two pixels, the lower one white; a line of one
    // pixel shows its shadow alone.
    frame->setFrameStyle(control.bounds.height <= 1 ? QFrame::HLine | QFrame::Plain
                                                    : QFrame::Box | QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

void SetLook(const Control& control, QWidget* widget) {
    widget->setFont(ToQFont(control.font, widget->devicePixelRatio()));
    QPalette palette = widget->palette();
    const QColor text = ToQColor(control.font.color);
    palette.setColor(QPalette::WindowText,
                     control.kind == ControlKind::Bevel ? kBevelShadow : text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    if (control.ownBackground) {
        palette.setColor(QPalette::Window, ToQColor(control.background));
    }
    widget->setPalette(palette);
    if (control.handCursor) {
        widget->setCursor(Qt::PointingHandCursor);
    }
}

}  // namespace

QWidget* ControlWidgets::Create(Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Label:
            widget = new QLabel(parent);
            break;
        case ControlKind::Button:
            widget = CreateButton(control, parent);
            break;
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(parent);
            radio->setAutoExclusive(false);  // the window selects within the group
            widget = radio;
            break;
        }
        case ControlKind::CheckBox:
            widget = new QCheckBox(parent);
            break;
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            widget = combo;
            break;
        }
        case ControlKind::Edit:
            widget = new QLineEdit(parent);
            break;
        case ControlKind::Memo: {
            auto* memo = new QTextEdit(parent);
            memo->setReadOnly(true);
            widget = memo;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListView(parent);
            list->setUniformItemSizes(true);
            auto* model = new ItemListModel(control.items, list);
            list->setModel(model);
            listModels_[&control] = model;
            widget = list;
            break;
        }
        case ControlKind::StringGrid: {
            auto* model = new GridCellsModel(control.cells, nullptr);
            widget = new GridView(model, control.columnWidths, parent);
            gridModels_[&control] = model;
            break;
        }
        case ControlKind::Image: {
            QLabel* image = nullptr;
            if (control.showsPicture) {
                image = new QLabel(parent);
                image->setPixmap(ToQPixmap(control.picture));
                pictureRevisions_[&control] = control.picture.Revision();
            } else {
                image =
                    new DecorationLabel(QString::fromStdString(control.name),
                                        QSize(control.bounds.width, control.bounds.height), parent);
            }
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = image;
            break;
        }
        case ControlKind::Panel: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
            frame->setAutoFillBackground(true);
            auto* caption = new QLabel(frame);
            caption->setAlignment(Qt::AlignCenter);
            caption->lower();
            panelCaptions_[&control] = caption;
            widget = frame;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(parent);
            widget->setStyleSheet(kGroupBoxStyle);
            break;
        case ControlKind::Bevel:
            widget = CreateBevel(control, parent);
            break;
    }
    SetLook(control, widget);
    return widget;
}

}  // namespace kulko
