#include "qt/control_widgets.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

#include "qt/artwork.hpp"
#include "qt/item_models.hpp"

namespace kulko {
namespace {

using Handler = void (Tgenerator::*)();

Handler HandlerOf(const std::string& name) {
    static const std::unordered_map<std::string, Handler> kHandlers = {
        {"SpeedButton1", &Tgenerator::SpeedButton1Click},
        {"SpeedButton2", &Tgenerator::SpeedButton2Click},
        {"SpeedButton3", &Tgenerator::SpeedButton3Click},
        {"SpeedButton4", &Tgenerator::SpeedButton4Click},
        {"SpeedButton5", &Tgenerator::SpeedButton5Click},
        {"SpeedButton6", &Tgenerator::SpeedButton6Click},
        {"SpeedButton7", &Tgenerator::SpeedButton7Click},
        {"SpeedButton8", &Tgenerator::SpeedButton8Click},
        {"SpeedButton9", &Tgenerator::SpeedButton9Click},
        {"SpeedButton10", &Tgenerator::SpeedButton10Click},
        {"SpeedButton11", &Tgenerator::SpeedButton11Click},
        {"SpeedButton12", &Tgenerator::SpeedButton12Click},
        {"BitBtn1", &Tgenerator::BitBtn1Click},
        {"BitBtn2", &Tgenerator::BitBtn2Click},
        {"BitBtn3", &Tgenerator::BitBtn3Click},
        {"BitBtn4", &Tgenerator::BitBtn4Click},
        {"BitBtn5", &Tgenerator::BitBtn5Click},
    };
    const auto it = kHandlers.find(name);
    return it == kHandlers.end() ? nullptr : it->second;
}

constexpr qsizetype kLongestLabelText = 300;
constexpr int kLargestTahomaBitmap = 13;

// The shadow of a bevel on a white window, as the Windows button shadow.
const QColor kBevelShadow(160, 160, 160);

// The frame line runs through the middle of the title, as on Windows,
// so buttons placed below the title's middle lie inside the frame.
const QString kGroupBoxStyle = QStringLiteral(
    "QGroupBox { border: 1px solid #d5d5d5; border-radius: 3px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 6px; padding: 0 2px; }");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QFont ToQFont(const Font& font) {
    QFont qfont(Q(font.family));
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

bool IsMainRowButton(const std::string& name) {
    return name == "SpeedButton12" || name == "SpeedButton10" || name == "SpeedButton2" ||
           name == "SpeedButton4" || name == "SpeedButton3" || name == "SpeedButton1";
}

QImage ToQImage(const Picture& picture) {
    QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                 QImage::Format_RGB888);
    return image.copy();  // own the pixels
}

}  // namespace

ControlWidgets::ControlWidgets(Tgenerator& window, QWidget* surface, RunHandler run)
    : window_(window), run_(std::move(run)) {
    for (Control* control : window_.Controls()) {
        QWidget* parent = control->parent == nullptr ? surface : widgets_.at(control->parent);
        QWidget* widget = Create(*control, parent);
        widget->setObjectName(Q(control->name));
        widgets_[control] = widget;
        Connect(*control, widget);
    }
    SyncAll();
}

// The list and grid views read the window's items and cells through their
// models, and those go with the window class before the surface deletes its
// child widgets; so these views are taken down first, while the data lives.
ControlWidgets::~ControlWidgets() {
    for (const auto& [control, model] : listModels_) {
        delete widgets_.at(control);
    }
    for (const auto& [control, model] : gridModels_) {
        delete widgets_.at(control);
    }
}

QWidget* ControlWidgets::WidgetOf(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* ControlWidgets::Create(Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::Label:
            widget = new QLabel(parent);
            break;
        case ControlKind::Button: {
            if (control.name.rfind("BitBtn", 0) == 0 || control.name == "SpeedButton11") {
                widget = new QPushButton(parent);
            } else {
                auto* button = new QToolButton(parent);
                button->setIcon(ButtonIcon(Q(control.name)));
                button->setIconSize(QSize(24, 24));
                button->setToolButtonStyle(IsMainRowButton(control.name)
                                               ? Qt::ToolButtonTextUnderIcon
                                               : Qt::ToolButtonTextBesideIcon);
                button->setAutoRaise(!IsMainRowButton(control.name));
                widget = button;
            }
            break;
        }
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
            auto* table = new QTableView(parent);
            auto* model = new GridCellsModel(control.cells, table);
            table->setModel(model);
            table->verticalHeader()->hide();
            table->verticalHeader()->setDefaultSectionSize(20);
            table->setTabKeyNavigation(true);
            table->setEditTriggers(QAbstractItemView::AllEditTriggers);
            for (std::size_t i = 0; i < control.columnWidths.size(); ++i) {
                table->setColumnWidth(static_cast<int>(i), control.columnWidths[i]);
            }
            gridModels_[&control] = model;
            widget = table;
            break;
        }
        case ControlKind::Image: {
            auto* image = new QLabel(parent);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (control.name.rfind("obraz", 0) != 0) {
                image->setPixmap(DecorativePicture(
                    Q(control.name), QSize(control.bounds.width, control.bounds.height)));
            }
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
        case ControlKind::Bevel: {
            auto* frame = new QFrame(parent);
            // A sunken line needs two pixels, the lower one white; a line
            // of one pixel shows its shadow alone.
            frame->setFrameStyle(control.bounds.height <= 1 ? QFrame::HLine | QFrame::Plain
                                                            : QFrame::Box | QFrame::Sunken);
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = frame;
            break;
        }
    }
    widget->setFont(ToQFont(control.font));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, control.kind == ControlKind::Bevel
                                               ? kBevelShadow
                                               : ToQColor(control.font.color));
    palette.setColor(QPalette::ButtonText, ToQColor(control.font.color));
    palette.setColor(QPalette::Text, ToQColor(control.font.color));
    if (control.ownBackground) {
        palette.setColor(QPalette::Window, ToQColor(control.background));
    }
    widget->setPalette(palette);
    if (control.handCursor) {
        widget->setCursor(Qt::PointingHandCursor);
    }
    return widget;
}

void ControlWidgets::Connect(Control& control, QWidget* widget) {
    Control* c = &control;
    if (Handler handler = HandlerOf(control.name)) {
        auto* button = static_cast<QAbstractButton*>(widget);
        QObject::connect(button, &QAbstractButton::clicked,
                         [this, handler] { run_([this, handler] { (window_.*handler)(); }); });
        return;
    }
    switch (control.kind) {
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

void ControlWidgets::SyncAll() {
    syncing_ = true;
    for (Control* control : window_.Controls()) {
        Apply(*control, widgets_.at(control));
    }
    syncing_ = false;
}

void ControlWidgets::Apply(Control& control, QWidget* widget) {
    const Bounds& b = control.bounds;
    const QString caption = Q(control.caption);
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            // A damaged results line can be megabytes long; the status row
            // shows its start, which is all that fits on the window anyway.
            const QString shown = caption.size() > kLongestLabelText
                                      ? caption.left(kLongestLabelText) + QStringLiteral("…")
                                      : caption;
            if (label->text() != shown) {
                label->setText(shown);
            }
            // Labels size themselves to their text, as on the designed window.
            const int width = std::max(b.width, label->sizeHint().width());
            if (widget->geometry() != QRect(b.left, b.top, width, b.height)) {
                widget->setGeometry(b.left, b.top, width, b.height);
            }
            break;
        }
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
                    items << Q(item);
                }
                combo->addItems(items);
                shown = control.items.Revision();
            }
            if (combo->currentIndex() != control.itemIndex) {
                combo->setCurrentIndex(control.itemIndex);
            }
            if (combo->currentText() != Q(control.text)) {
                combo->setEditText(Q(control.text));
            }
            break;
        }
        case ControlKind::Edit: {
            auto* edit = static_cast<QLineEdit*>(widget);
            if (edit->text() != Q(control.text)) {
                edit->setText(Q(control.text));
            }
            break;
        }
        case ControlKind::Memo: {
            auto* memo = static_cast<QTextEdit*>(widget);
            QStringList lines;
            for (const auto& line : control.items.All()) {
                lines << Q(line);
            }
            const QString text = lines.join('\n');
            if (memo->toPlainText() != text) {
                memo->setPlainText(text);
                if (control.name == "Memo1") {
                    memo->selectAll();
                    memo->setAlignment(Qt::AlignCenter);
                    memo->moveCursor(QTextCursor::Start);
                }
            }
            break;
        }
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
        case ControlKind::Image: {
            if (control.name.rfind("obraz", 0) == 0) {
                auto* image = static_cast<QLabel*>(widget);
                const qint64 key = image->property("pictureSize").toLongLong();
                const qint64 now = static_cast<qint64>(control.picture.rgb.size()) ^
                                   (static_cast<qint64>(std::hash<std::string>{}(std::string(
                                        control.picture.rgb.begin(), control.picture.rgb.end())))
                                    << 1);
                if (key != now) {
                    image->setPixmap(control.picture.Empty()
                                         ? QPixmap()
                                         : QPixmap::fromImage(ToQImage(control.picture)));
                    image->setProperty("pictureSize", now);
                }
            }
            break;
        }
        case ControlKind::Panel: {
            auto* caption_label = static_cast<QLabel*>(panelCaptions_.at(&control));
            if (caption_label->text() != caption) {
                caption_label->setText(caption);
            }
            caption_label->setGeometry(0, 0, b.width, b.height);
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
    if (widget->toolTip() != Q(control.hint)) {
        widget->setToolTip(Q(control.hint));
    }
    if (widget->isEnabled() != control.enabled) {
        widget->setEnabled(control.enabled);
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
        widget->setVisible(control.visible);
    }
}

}  // namespace kulko
