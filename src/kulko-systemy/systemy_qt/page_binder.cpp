#include "systemy_qt/page_binder.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "systemy_qt/canvas_view.hpp"

namespace kulko {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SetText(QLabel* label, const std::string& text) {
    if (label->text() != Q(text)) {
        label->setText(Q(text));
    }
}

void SetText(QLineEdit* edit, const std::string& text) {
    if (edit->text() != Q(text)) {
        edit->setText(Q(text));
    }
}

QTableWidget* NewTable(const char* name) {
    auto* table = new QTableWidget;
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return table;
}

void Fill(QTableWidget* widget, const TextTable& table) {
    widget->setColumnCount(static_cast<int>(table.columns.size()));
    widget->setRowCount(static_cast<int>(table.rows.size()));
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        widget->setHorizontalHeaderItem(static_cast<int>(c),
                                        new QTableWidgetItem(Q(table.columns[c])));
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const QString text = Q(table.rows[r][c]);
            QTableWidgetItem* item = widget->item(static_cast<int>(r), static_cast<int>(c));
            if (item == nullptr || item->text() != text) {
                widget->setItem(static_cast<int>(r), static_cast<int>(c),
                                new QTableWidgetItem(text));
            }
        }
    }
}

QLabel* PageBinder::Label(const char* name, const TextField& field) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    syncs_.push_back([label, &field] { SetText(label, field.text); });
    return label;
}

QLineEdit* PageBinder::Edit(const char* name, TextField& field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    connect(edit, &QLineEdit::textEdited, this,
            [&field](const QString& text) { field.text = text.toStdString(); });
    syncs_.push_back([edit, &field] { SetText(edit, field.text); });
    return edit;
}

QComboBox* PageBinder::Combo(const char* name, Choice& choice) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    for (const std::string& item : choice.items) {
        combo->addItem(Q(item));
    }
    connect(combo, &QComboBox::activated, this, [&choice](int index) { choice.index = index; });
    syncs_.push_back([combo, &choice] {
        if (combo->currentIndex() != choice.index) {
            combo->setCurrentIndex(choice.index);
        }
    });
    return combo;
}

QCheckBox* PageBinder::Check(const char* name, const char* caption, Toggle& toggle) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, [&toggle](bool on) { toggle.checked = on; });
    syncs_.push_back([box, &toggle] { box->setChecked(toggle.checked); });
    return box;
}

QPushButton* PageBinder::Push(const char* name, Button& button, std::function<void()> handler) {
    auto* push = new QPushButton(Q(button.caption));
    push->setObjectName(QString::fromLatin1(name));
    connect(push, &QPushButton::clicked, this, [this, handler] { run_(handler); });
    syncs_.push_back([push, &button] { push->setEnabled(button.enabled); });
    return push;
}

QTableWidget* PageBinder::Table(const char* name, const TextTable& table) {
    QTableWidget* widget = NewTable(name);
    syncs_.push_back([widget, &table] { Fill(widget, table); });
    return widget;
}

QListWidget* PageBinder::Ticks(const char* name, CheckList& list) {
    auto* widget = new QListWidget;
    widget->setObjectName(QString::fromLatin1(name));
    connect(widget, &QListWidget::itemChanged, this, [widget, &list](QListWidgetItem* item) {
        const auto row = static_cast<std::size_t>(widget->row(item));
        if (row < list.checked.size()) {
            list.checked[row] = item->checkState() == Qt::Checked;
        }
    });
    syncs_.push_back([widget, &list] {
        const QSignalBlocker quiet(widget);
        if (static_cast<std::size_t>(widget->count()) != list.items.size()) {
            widget->clear();
            for (const std::string& line : list.items) {
                auto* item = new QListWidgetItem(Q(line), widget);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            }
        }
        for (int row = 0; row < widget->count(); ++row) {
            QListWidgetItem* item = widget->item(row);
            const auto at = static_cast<std::size_t>(row);
            item->setText(Q(list.items[at]));
            item->setCheckState(list.checked[at] ? Qt::Checked : Qt::Unchecked);
        }
    });
    return widget;
}

CanvasView* PageBinder::Chart(const char* name, const Canvas& canvas, int width, int height) {
    auto* view = new CanvasView(canvas, width, height);
    view->setObjectName(QString::fromLatin1(name));
    syncs_.push_back([view] { view->update(); });
    return view;
}

void PageBinder::Sync() {
    for (const auto& sync : syncs_) {
        sync();
    }
}

}  // namespace kulko
