#include "systemy_qt/analysis_page_widgets.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "systemy/band_chart.hpp"
#include "systemy/filters_page.hpp"
#include "systemy/history_page.hpp"
#include "systemy/numbers_page.hpp"
#include "systemy/wins_chart.hpp"
#include "systemy_qt/canvas_view.hpp"

namespace kulko {
namespace {

BoundPageWidget* NewPage(const char* name, PageBinder::RunHandler run) {
    auto* page = new BoundPageWidget(std::move(run));
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

QWidget* Side(QLayout* layout) {
    auto* side = new QWidget;
    side->setLayout(layout);
    return side;
}

QGroupBox* Group(const char* title, std::initializer_list<QWidget*> widgets) {
    auto* box = new QGroupBox(QString::fromUtf8(title));
    auto* layout = new QVBoxLayout(box);
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    return box;
}

BoundPageWidget* Split(BoundPageWidget* page, QWidget* left, QWidget* right) {
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(splitter);
    page->Sync();
    return page;
}

// "Policz" or "Sprawdź", the bar and "Przerwij" of a count in one row.
QHBoxLayout* CountRow(PageBinder& b, Button& run, Button& stop, const ProgressBar& bar,
                      std::function<void()> onRun, std::function<void()> onStop) {
    auto* row = new QHBoxLayout;
    row->addWidget(b.Push(run.caption == "Policz" ? "policz" : "sprawdz", run, std::move(onRun)));
    row->addWidget(b.Progress("postep", bar), 1);
    QPushButton* przerwij = b.Push("przerwij", stop, std::move(onStop));
    przerwij->setToolTip(QStringLiteral("Przerywa liczenie."));
    row->addWidget(przerwij);
    row->addStretch(1);  // the buttons keep their size while the bar is hidden
    return row;
}

}  // namespace

BoundPageWidget* MakeHistoryPageWidget(HistoryPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("historia", std::move(run));
    PageBinder& b = *widget->binder;
    const auto check = [&page] { page.SprawdzClick(); };
    auto* left = new QVBoxLayout;
    auto* sourceLabel = new QLabel(QStringLiteral("Sprawdź:"));
    QComboBox* source = b.Combo("zrodlo", page.zrodlo, "Które zestawy sprawdzić", check);
    sourceLabel->setBuddy(source);
    left->addWidget(sourceLabel);
    left->addWidget(source);
    auto* memoryLabel = new QLabel(QStringLiteral("Zestawy z pamięci (do zaznaczenia):"));
    QListWidget* memory = b.Ticks("pamiec", page.pamiec, "Zestawy z pamięci", [&page] {
        if (page.zrodlo.index == HistoryPage::kTickedMemory) {
            page.SprawdzClick();
        }
    });
    memoryLabel->setBuddy(memory);
    left->addWidget(memoryLabel);
    left->addWidget(memory, 1);
    QPushButton* load = b.Push("wczytaj", page.wczytaj, [&page] { page.WczytajClick(); });
    load->setToolTip(QStringLiteral("Czyta na nowo zestawy zapisane w pamięci Kulko."));
    left->addWidget(load);
    auto* form = new QFormLayout;
    QLineEdit* typed = b.Edit("zestaw", page.zestaw, "Zestaw wpisany", [&page] {
        if (page.zrodlo.index == HistoryPage::kTyped) {
            page.SprawdzClick();
        }
    });
    typed->setPlaceholderText(QStringLiteral("np. 3;7;12;20;33;41"));
    typed->setToolTip(QStringLiteral("Sześć różnych liczb od 1 do 49 oddzielonych średnikami."));
    form->addRow(QStringLiteral("Zestaw wpisany:"), typed);
    QLineEdit* from = b.Edit("od", page.od, "Losowania od dnia", check);
    QLineEdit* to = b.Edit("doDnia", page.doDnia, "Losowania do dnia", check);
    from->setPlaceholderText(QStringLiteral("DD.MM.RRRR"));
    to->setPlaceholderText(QStringLiteral("DD.MM.RRRR"));
    from->setToolTip(
        QStringLiteral("Data pierwszego losowania, np. 01.01.2020; puste: od "
                       "pierwszego losowania w historii."));
    to->setToolTip(QStringLiteral("Data ostatniego losowania; puste: do najnowszego."));
    form->addRow(QStringLiteral("Losowania od:"), from);
    form->addRow(QStringLiteral("do:"), to);
    left->addLayout(form);
    left->addLayout(CountRow(b, page.sprawdz, page.przerwij, page.postep, check,
                             [&page] { page.PrzerwijClick(); }));
    left->addWidget(b.Label("stan", page.stan, "Stan sprawdzania"));

    auto* right = new QVBoxLayout;
    right->addWidget(b.Table("wyniki", page.wyniki, "Trafienia zestawów"), 1);
    right->addWidget(b.Label("system", page.system, "Wynik całego systemu"));
    right->addWidget(b.Chart("wykres", page.wykres, kWinsChartWidth, kWinsChartHeight,
                             "Wykres wygranych wobec przypadku"));
    right->addStretch(0);
    return Split(widget, Side(left), Side(right));
}

BoundPageWidget* MakeFiltersPageWidget(FiltersPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("filtry", std::move(run));
    PageBinder& b = *widget->binder;
    const auto count = [&page] { page.PoliczClick(); };
    auto* left = new QVBoxLayout;
    left->addWidget(
        Group("Tryby losowania", {b.Combo("tryb", page.tryb, "Tryb losowania", count)}));
    left->addWidget(Group("Warunki", {b.Combo("warunek", page.warunek, "Warunek", count)}));
    left->addWidget(
        Group("Wymuszenia", {b.Combo("wymuszenie", page.wymuszenie, "Wymuszenie", count),
                             new QLabel(QStringLiteral("z liczbą:")),
                             b.Combo("liczba", page.liczba, "Wymuszona liczba", count)}));
    left->addWidget(Group("Ostatnie losowanie",
                          {b.Combo("ostatnie", page.ostatnie, "Ostatnie losowanie", count),
                           b.Check("juzByla", "nie, jeżeli już była", page.juzByla, count),
                           new QLabel(QStringLiteral("Z ilu losowań:")),
                           b.Combo("zIlu", page.zIlu, "Z ilu losowań", count)}));
    left->addWidget(Group("Przewaga", {b.Combo("przewaga", page.przewaga, "Przewaga", count)}));
    left->addLayout(CountRow(b, page.policz, page.przerwij, page.postep, count,
                             [&page] { page.PrzerwijClick(); }));
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(b.Label("zestawy", page.zestawy, "Ile zestawów przechodzi"));
    right->addWidget(b.Label("szanse", page.szanse, "Szanse losowania"));
    right->addWidget(b.Table("odrzuca", page.odrzuca, "Co odrzuca każda grupa opcji"));
    right->addWidget(b.Label("losowania", page.losowania, "Dawne losowania"));
    right->addWidget(b.Label("stan", page.stan, "Stan liczenia"));
    right->addStretch(1);
    return Split(widget, Side(left), Side(right));
}

BoundPageWidget* MakeNumbersPageWidget(NumbersPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("liczbyStrona", std::move(run));
    PageBinder& b = *widget->binder;
    const auto count = [&page] { page.PoliczClick(); };
    auto* top = new QVBoxLayout;
    auto* row = new QHBoxLayout;
    auto* lastLabel = new QLabel(QStringLiteral("Ile ostatnich losowań:"));
    row->addWidget(lastLabel);
    QLineEdit* last = b.Edit("ostatnie", page.ostatnie, "Ile ostatnich losowań", count);
    last->setToolTip(
        QStringLiteral("Kolumna „W ostatnich” liczy, ile razy każda liczba padła "
                       "w tylu najnowszych losowaniach."));
    lastLabel->setBuddy(last);
    last->setMaximumWidth(80);
    row->addWidget(last);
    row->addLayout(CountRow(b, page.policz, page.przerwij, page.postep, count,
                            [&page] { page.PrzerwijClick(); }),
                   1);
    top->addLayout(row);
    top->addWidget(b.Label("stan", page.stan, "Stan liczenia"));
    QLabel* band = b.Label("pasmo", page.pasmo, "Pasmo przypadku");
    band->setToolTip(
        QStringLiteral("Pasmo: tyle razy liczba pada zwykle przez sam przypadek; "
                       "liczba poza pasmem to rzadkość, ale nie przepis na wygraną."));
    top->addWidget(band);
    top->addWidget(b.Chart("wykres", page.wykres, kBandChartWidth, kBandChartHeight,
                           "Wykres: ile razy padła każda liczba"));
    top->addWidget(b.Label("oczekiwane", page.oczekiwane, "Oczekiwane pary i trójki"));
    auto* tables = new QHBoxLayout;
    tables->addWidget(b.Table("liczby", page.liczby, "Liczby"), 3);
    tables->addWidget(b.Table("pary", page.pary, "Pary"), 1);
    tables->addWidget(b.Table("trojki", page.trojki, "Trójki"), 2);
    top->addLayout(tables, 1);
    auto* layout = new QVBoxLayout(widget);
    layout->addLayout(top);
    widget->Sync();
    return widget;
}

}  // namespace kulko
