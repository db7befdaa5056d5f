#include "systemy_qt/page_binder.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
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
        const QString heading = Q(table.columns[c]);
        const QTableWidgetItem* item = widget->horizontalHeaderItem(static_cast<int>(c));
        if (item == nullptr || item->text() != heading) {
            widget->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(heading));
        }
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

void ShowProgress(QProgressBar* widget, const ProgressBar& bar) {
    const int most = bar.percent < 0 ? 0 : 100;
    if (widget->maximum() != most) {
        widget->setRange(0, most);
    }
    if (bar.percent >= 0 && widget->value() != bar.percent) {
        widget->setValue(bar.percent);
    }
    // A hidden bar of unknown end would still be animated by some styles.
    if (widget->isVisibleTo(widget->parentWidget()) != bar.visible) {
        widget->setVisible(bar.visible);
    }
}

void Speak(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) {
        widget->setAccessibleDescription(description);
    }
}

void Explain(QWidget* widget, const char* text) {
    widget->setToolTip(QString::fromUtf8(text));
    widget->setAccessibleDescription(widget->toolTip());
}

QLabel* PageBinder::Label(const char* name, const TextField& field, const char* spoken) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Speak(label, QString::fromUtf8(spoken));
    syncs_.push_back([label, &field] { SetText(label, field.text); });
    return label;
}

QLineEdit* PageBinder::Edit(const char* name, TextField& field, const char* spoken,
                            std::function<void()> changed) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    Speak(edit, QString::fromUtf8(spoken));
    connect(edit, &QLineEdit::textEdited, this,
            [&field](const QString& text) { field.text = text.toStdString(); });
    if (changed) {
        // Counted again once the player has finished typing, not at each key.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, changed] {
            if (edit->isModified()) {
                edit->setModified(false);
                run_(changed);
            }
        });
    }
    syncs_.push_back([edit, &field] { SetText(edit, field.text); });
    return edit;
}

QComboBox* PageBinder::Combo(const char* name, Choice& choice, const char* spoken,
                             std::function<void()> changed) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    Speak(combo, QString::fromUtf8(spoken));
    for (const std::string& item : choice.items) {
        combo->addItem(Q(item));
    }
    connect(combo, &QComboBox::activated, this, [this, &choice, changed](int index) {
        if (choice.index != index) {
            choice.index = index;
            if (changed) {
                run_(changed);
            }
        }
    });
    syncs_.push_back([combo, &choice] {
        if (combo->currentIndex() != choice.index) {
            combo->setCurrentIndex(choice.index);
        }
    });
    return combo;
}

QCheckBox* PageBinder::Check(const char* name, const char* caption, Toggle& toggle,
                             std::function<void()> changed) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this, [this, &toggle, changed](bool on) {
        toggle.checked = on;
        if (changed) {
            run_(changed);
        }
    });
    syncs_.push_back([box, &toggle] {
        if (box->isChecked() != toggle.checked) {
            box->setChecked(toggle.checked);
        }
    });
    return box;
}

QPushButton* PageBinder::Push(const char* name, Button& button, std::function<void()> handler) {
    auto* push = new QPushButton(Q(button.caption));
    push->setObjectName(QString::fromLatin1(name));
    connect(push, &QPushButton::clicked, this, [this, handler] { run_(handler); });
    syncs_.push_back([push, &button] {
        if (push->isEnabled() != button.enabled) {
            push->setEnabled(button.enabled);
        }
    });
    return push;
}

QProgressBar* PageBinder::Progress(const char* name, const ProgressBar& bar) {
    auto* widget = new QProgressBar;
    widget->setObjectName(QString::fromLatin1(name));
    Speak(widget, QStringLiteral("Postęp liczenia"));
    widget->setVisible(false);
    syncs_.push_back([widget, &bar] { ShowProgress(widget, bar); });
    return widget;
}

QTableWidget* PageBinder::Table(const char* name, const TextTable& table, const char* spoken) {
    QTableWidget* widget = NewTable(name);
    Speak(widget, QString::fromUtf8(spoken));
    widget->setVisible(false);
    syncs_.push_back([widget, &table] {
        Fill(widget, table);
        const bool shown = !table.rows.empty();
        if (widget->isVisibleTo(widget->parentWidget()) != shown) {
            widget->setVisible(shown);
        }
    });
    return widget;
}

QListWidget* PageBinder::Ticks(const char* name, CheckList& list, const char* spoken,
                               std::function<void()> changed) {
    auto* widget = new QListWidget;
    widget->setObjectName(QString::fromLatin1(name));
    Speak(widget, QString::fromUtf8(spoken));
    connect(widget, &QListWidget::itemChanged, this,
            [this, widget, &list, changed](QListWidgetItem* item) {
                const auto row = static_cast<std::size_t>(widget->row(item));
                if (row < list.checked.size()) {
                    list.checked[row] = item->checkState() == Qt::Checked;
                    if (changed) {
                        run_(changed);
                    }
                }
            });
    syncs_.push_back([widget, &list] {
        const QSignalBlocker quiet(widget);
        if (static_cast<std::size_t>(widget->count()) != list.items.size()) {
            widget->clear();
            for (const std::string& line : list.items) {
                auto* item = new QListWidgetItem(Q(line), widget);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);  // without it no box is drawn
            }
        }
        for (int row = 0; row < widget->count(); ++row) {
            QListWidgetItem* item = widget->item(row);
            const auto at = static_cast<std::size_t>(row);
            const QString text = Q(list.items[at]);
            if (item->text() != text) {
                item->setText(text);
            }
            const Qt::CheckState state = list.checked[at] ? Qt::Checked : Qt::Unchecked;
            if (item->checkState() != state) {
                item->setCheckState(state);
            }
        }
    });
    return widget;
}

CanvasView* PageBinder::Chart(const char* name, const Canvas& canvas, int width, int height,
                              const char* spoken) {
    auto* view = new CanvasView(canvas, width, height);
    view->setObjectName(QString::fromLatin1(name));
    Speak(view, QString::fromUtf8(spoken));
    view->setVisible(false);
    syncs_.push_back([view, &canvas] {
        const bool shown = !canvas.Empty();
        if (view->isVisibleTo(view->parentWidget()) != shown) {
            view->setVisible(shown);
        }
        view->ShowIfChanged();
    });
    return view;
}

void PageBinder::Sync() {
    for (const auto& sync : syncs_) {
        sync();
    }
}

}  // namespace kulko
