#include "systemy_qt/system_page_widget.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStringListModel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>
#include <utility>

#include "qt_shared/ball_colors.hpp"
#include "systemy_qt/page_binder.hpp"

namespace kulko {
namespace {

constexpr int kGridSide = 7;
constexpr int kBallSide = 30;

// A number of the grid as a ball of the main window's colour: a ring with
// the number while free, the whole ball in its colour with a white number
// when chosen, so that a chosen number is seen at a glance.
QString BallStyle(int number) {
    const QColor color = BallColor(number);
    return QStringLiteral(
               "QToolButton { border: 2px solid %1; border-radius: %3px; background: white;"
               " color: %1; font-weight: bold; }"
               "QToolButton:checked { background: qradialgradient(cx:0.35, cy:0.3, radius:0.8,"
               " fx:0.35, fy:0.3, stop:0 %2, stop:1 %1); color: white; }"
               "QToolButton:focus { border: 3px solid black; }"
               "QToolButton:disabled { border-color: #b0b0b0; color: #909090; }"
               "QToolButton:checked:disabled { background: #b0b0b0; color: white; }")
        .arg(color.name(), color.lighter(150).name())
        .arg(kBallSide / 2);
}

// What each button does, in a player's words.
const char* ButtonExplained(const char* name) {
    static const std::pair<const char*, const char*> kExplained[] = {
        {"rozpisz", "Buduje system z wybranych liczb z wybraną gwarancją."},
        {"przerwij", "Kończy szukanie; zostaje najmniejszy system znaleziony do tej pory."},
        {"szukajDluzej", "Szuka dalej mniejszego systemu, od tego, który już jest."},
        {"doPamieci",
         "Dopisuje zakłady do pamięci Kulko; „Sprawdź” w Kulko policzy ich trafienia."},
        {"zapisz", "Zapisuje zakłady do pliku tekstowego, jeden zakład w wierszu."},
        {"kopiuj", "Kopiuje zakłady do schowka, jeden zakład w wierszu."},
        {"drukuj", "Drukuje zakłady albo zapisuje je jako plik PDF."},
    };
    for (const auto& [button, text] : kExplained) {
        if (std::string_view(button) == name) {
            return text;
        }
    }
    return "";
}

// Where an arrow key moves on the grid from the number n; n itself at an edge.
int Neighbour(int n, int key) {
    const int row = (n - 1) / kGridSide;
    const int column = (n - 1) % kGridSide;
    switch (key) {
        case Qt::Key_Left:
            return column > 0 ? n - 1 : n;
        case Qt::Key_Right:
            return column + 1 < kGridSide ? n + 1 : n;
        case Qt::Key_Up:
            return row > 0 ? n - kGridSide : n;
        case Qt::Key_Down:
            return row + 1 < kGridSide ? n + kGridSide : n;
        default:
            return 0;
    }
}

}  // namespace

SystemPageWidget::SystemPageWidget(SystemPage& page, RunHandler run, QWidget* parent)
    : QWidget(parent), page_(page), run_(std::move(run)) {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildChoice());
    splitter->addWidget(BuildSystem());
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    Sync();
}

QPushButton* SystemPageWidget::MakeButton(const char* name, Button& button,
                                          void (SystemPage::*handler)()) {
    auto* widget = new QPushButton(Q(button.caption));
    widget->setObjectName(QString::fromLatin1(name));
    SystemPage* page = &page_;
    connect(widget, &QPushButton::clicked, this,
            [this, page, handler] { run_([page, handler] { (page->*handler)(); }); });
    buttons_.emplace_back(widget, &button);
    Explain(widget, ButtonExplained(name));
    return widget;
}

QLineEdit* SystemPageWidget::MakeEdit(const char* name, TextField& field) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    connect(edit, &QLineEdit::textEdited, this,
            [&field](const QString& text) { field.text = text.toStdString(); });
    return edit;
}

QLabel* SystemPageWidget::MakeLabel(const char* name, const char* spoken) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    Speak(label, QString::fromUtf8(spoken));
    label->setWordWrap(true);
    return label;
}

// The left side: numbers, guarantee, the search and its progress.
QWidget* SystemPageWidget::BuildChoice() {
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);

    auto* numbersBox = new QGroupBox(QStringLiteral("Twoje liczby"));
    auto* numbersLayout = new QVBoxLayout(numbersBox);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int n = 1; n <= kGridSide * kGridSide; ++n) {
        auto* toggle = new QToolButton;
        toggle->setObjectName(QStringLiteral("liczba%1").arg(n));
        toggle->setText(QString::number(n));
        toggle->setCheckable(true);
        toggle->setFixedSize(kBallSide, kBallSide);
        toggle->setStyleSheet(BallStyle(n));
        toggle->setFocusPolicy(Qt::StrongFocus);
        toggle->installEventFilter(this);
        Speak(toggle, QStringLiteral("Liczba %1").arg(n),
              QStringLiteral("Spacja wybiera liczbę albo ją odznacza; strzałki przechodzą "
                             "do sąsiednich liczb."));
        connect(toggle, &QToolButton::clicked, this,
                [this, n] { run_([this, n] { page_.NumberClicked(n); }); });
        grid->addWidget(toggle, (n - 1) / kGridSide, (n - 1) % kGridSide);
        numbers_[static_cast<std::size_t>(n - 1)] = toggle;
    }
    numbersLayout->addLayout(grid);
    wybrane_ = MakeEdit("wybrane", page_.wybrane);
    wybrane_->setPlaceholderText(QStringLiteral("np. 1;5;7-12;40"));
    wybrane_->setToolTip(QStringLiteral("Liczby oddzielone średnikami; od–do jako 7-12."));
    Speak(wybrane_, QStringLiteral("Wybrane liczby"));
    connect(wybrane_, &QLineEdit::textEdited, this,
            [this] { run_([this] { page_.NumbersTyped(); }); });
    numbersLayout->addWidget(wybrane_);
    wybrano_ = MakeLabel("wybrano", "Ile liczb wybrano");
    numbersLayout->addWidget(wybrano_);
    layout->addWidget(numbersBox);

    auto* guaranteeBox = new QGroupBox(QStringLiteral("Gwarancja"));
    auto* guaranteeLayout = new QVBoxLayout(guaranteeBox);
    gwarancja_ = new QComboBox;
    gwarancja_->setObjectName(QStringLiteral("gwarancja"));
    gwarancja_->setToolTip(QStringLiteral(
        "Gwarancja „t z m”: jeśli spośród wylosowanych liczb co najmniej m jest wśród Twoich, "
        "to co najmniej jeden zakład trafi t z nich. Pełny system obejmuje każdą szóstkę "
        "z Twoich liczb."));
    Speak(gwarancja_, QStringLiteral("Gwarancja"), gwarancja_->toolTip());
    for (const std::string& item : page_.gwarancja.items) {
        gwarancja_->addItem(Q(item));
    }
    connect(gwarancja_, &QComboBox::activated, this, [this](int index) {
        page_.gwarancja.index = index;
        run_([this] { page_.GuaranteeChosen(); });
    });
    guaranteeLayout->addWidget(gwarancja_);
    znaczenie_ = MakeLabel("znaczenie", "Co daje gwarancja");
    guaranteeLayout->addWidget(znaczenie_);
    layout->addWidget(guaranteeBox);

    auto* form = new QFormLayout;
    czas_ = MakeEdit("czas", page_.czas);
    ziarno_ = MakeEdit("ziarno", page_.ziarno);
    czas_->setToolTip(QStringLiteral(
        "Ile sekund program szuka mniejszego systemu; dłużej to często mniej zakładów."));
    ziarno_->setToolTip(QStringLiteral(
        "Ziarno to numer losowego szukania: to samo ziarno daje przy tym samym czasie "
        "ten sam system, inne ziarno – może inny, czasem mniejszy."));
    Speak(czas_, QStringLiteral("Czas szukania w sekundach"), czas_->toolTip());
    Speak(ziarno_, QStringLiteral("Ziarno"), ziarno_->toolTip());
    form->addRow(QStringLiteral("Czas szukania (s):"), czas_);
    form->addRow(QStringLiteral("Ziarno:"), ziarno_);
    layout->addLayout(form);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(MakeButton("rozpisz", page_.rozpisz, &SystemPage::RozpiszClick));
    searchRow->addWidget(MakeButton("przerwij", page_.przerwij, &SystemPage::PrzerwijClick));
    searchRow->addWidget(
        MakeButton("szukajDluzej", page_.szukajDluzej, &SystemPage::SzukajDluzejClick));
    layout->addLayout(searchRow);
    postep_ = new QProgressBar;
    postep_->setObjectName(QStringLiteral("postep"));
    Speak(postep_, QStringLiteral("Postęp szukania"));
    layout->addWidget(postep_);
    stan_ = MakeLabel("stan", "Stan szukania");
    layout->addWidget(stan_);
    layout->addStretch(1);
    tabela_ = MakeLabel("tabela", "Dołączone systemy");
    layout->addWidget(tabela_);
    return side;
}

// The right side: the system, its proof, its odds and what to do with it.
QWidget* SystemPageWidget::BuildSystem() {
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    wynik_ = MakeLabel("wynik", "System");
    wynik_->setToolTip(QStringLiteral(
        "Dolna granica: mniej zakładów nie może dać tej gwarancji – tak wynika z rachunku "
        "(każdy zakład pokrywa tylko część możliwych układów). System o tylu zakładach "
        "byłby najmniejszy możliwy."));
    Speak(wynik_, QStringLiteral("System"), wynik_->toolTip());
    layout->addWidget(wynik_);
    auto* list = new QListView;
    list->setObjectName(QStringLiteral("zaklady"));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    Speak(list, QStringLiteral("Zakłady systemu"));
    zaklady_ = new QStringListModel(this);
    list->setModel(zaklady_);
    layout->addWidget(list, 1);
    trafienia_ = NewTable("trafienia");
    Speak(trafienia_, QStringLiteral("Najlepsze trafienie systemu"));
    layout->addWidget(trafienia_);
    szanse_ = NewTable("szanse");
    Speak(szanse_, QStringLiteral("Szanse w jednym losowaniu"));
    layout->addWidget(szanse_);
    uwaga_ = MakeLabel("uwaga", "Uwaga o szansach");
    layout->addWidget(uwaga_);

    auto* costRow = new QHBoxLayout;
    costRow->addWidget(new QLabel(QStringLiteral("Stawka za zakład (zł):")));
    stawka_ = MakeEdit("stawka", page_.stawka);
    stawka_->setMaximumWidth(90);
    Speak(stawka_, QStringLiteral("Stawka za zakład w złotych"));
    connect(stawka_, &QLineEdit::textEdited, this,
            [this] { run_([this] { page_.StakeTyped(); }); });
    connect(stawka_, &QLineEdit::editingFinished, this,
            [this] { run_([this] { page_.StakeConfirmed(); }); });
    costRow->addWidget(stawka_);
    koszt_ = MakeLabel("koszt", "Koszt systemu");
    costRow->addWidget(koszt_, 1);
    layout->addLayout(costRow);

    auto* actions = new QHBoxLayout;
    actions->addWidget(MakeButton("doPamieci", page_.doPamieci, &SystemPage::DoPamieciClick));
    actions->addWidget(MakeButton("zapisz", page_.zapisz, &SystemPage::ZapiszClick));
    actions->addWidget(MakeButton("kopiuj", page_.kopiuj, &SystemPage::KopiujClick));
    actions->addWidget(MakeButton("drukuj", page_.drukuj, &SystemPage::DrukujClick));
    actions->addStretch(1);
    layout->addLayout(actions);
    return side;
}

void SystemPageWidget::Sync() {
    for (std::size_t i = 0; i < numbers_.size(); ++i) {
        numbers_[i]->setChecked(page_.liczby[i].checked);
        numbers_[i]->setEnabled(page_.inputsEnabled);
    }
    SetText(wybrane_, page_.wybrane.text);
    wybrane_->setEnabled(page_.inputsEnabled);
    SetText(wybrano_, page_.wybrano.text);
    if (gwarancja_->currentIndex() != page_.gwarancja.index) {
        gwarancja_->setCurrentIndex(page_.gwarancja.index);
    }
    gwarancja_->setEnabled(page_.inputsEnabled);
    SetText(znaczenie_, page_.znaczenie.text);
    SetText(czas_, page_.czas.text);
    SetText(ziarno_, page_.ziarno.text);
    czas_->setEnabled(page_.inputsEnabled);
    ziarno_->setEnabled(page_.inputsEnabled);
    for (const auto& [widget, button] : buttons_) {
        widget->setEnabled(button->enabled);
    }
    ShowProgress(postep_, page_.postep);
    SetText(wynik_, page_.wynik.text);
    if (zakladyRevision_ != page_.zaklady.revision) {
        zakladyRevision_ = page_.zaklady.revision;
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(page_.zaklady.all.size()));
        for (const std::string& line : page_.zaklady.all) {
            lines.append(Q(line));
        }
        zaklady_->setStringList(lines);
    }
    Fill(trafienia_, page_.trafienia);
    Fill(szanse_, page_.szanse);
    trafienia_->setVisible(!page_.trafienia.rows.empty());
    szanse_->setVisible(!page_.szanse.rows.empty());
    SetText(uwaga_, page_.uwaga.text);
    SetText(stawka_, page_.stawka.text);
    SetText(koszt_, page_.koszt.text);
    SetText(stan_, page_.stan.text);
    SetText(tabela_, page_.tabela.text);
    if (tabela_->toolTip() != Q(page_.tabelaPlik.text)) {
        tabela_->setToolTip(Q(page_.tabelaPlik.text));
    }
    // A system of an older choice is shown in grey, its note in red.
    const QString look = page_.Stale() ? QStringLiteral("color: #a00000;") : QString();
    if (wynik_->styleSheet() != look) {
        wynik_->setStyleSheet(look);
    }
}

bool SystemPageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (std::size_t i = 0; i < numbers_.size(); ++i) {
            if (numbers_[i] == watched) {
                const int to = Neighbour(static_cast<int>(i) + 1, key->key());
                if (to > 0) {
                    numbers_[static_cast<std::size_t>(to - 1)]->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kulko
