#include "systemy_qt/analysis_page_widgets.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

// A count over all sets takes a moment: the pointer says so meanwhile.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

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

}  // namespace

BoundPageWidget* MakeHistoryPageWidget(HistoryPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("historia", std::move(run));
    PageBinder& b = *widget->binder;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Sprawdź:")));
    left->addWidget(b.Combo("zrodlo", page.zrodlo));
    left->addWidget(new QLabel(QStringLiteral("Zestawy z pamięci (do zaznaczenia):")));
    left->addWidget(b.Ticks("pamiec", page.pamiec), 1);
    left->addWidget(b.Push("wczytaj", page.wczytaj, [&page] { page.WczytajClick(); }));
    auto* form = new QFormLayout;
    QLineEdit* typed = b.Edit("zestaw", page.zestaw);
    typed->setPlaceholderText(QStringLiteral("np. 3;7;12;20;33;41"));
    form->addRow(QStringLiteral("Zestaw wpisany:"), typed);
    QLineEdit* from = b.Edit("od", page.od);
    QLineEdit* to = b.Edit("doDnia", page.doDnia);
    from->setPlaceholderText(QStringLiteral("DD.MM.RRRR, puste: od pierwszego"));
    to->setPlaceholderText(QStringLiteral("DD.MM.RRRR, puste: do ostatniego"));
    form->addRow(QStringLiteral("Losowania od:"), from);
    form->addRow(QStringLiteral("do:"), to);
    left->addLayout(form);
    left->addWidget(b.Push("sprawdz", page.sprawdz, [&page] { page.SprawdzClick(); }));
    left->addWidget(b.Label("stan", page.stan));

    auto* right = new QVBoxLayout;
    right->addWidget(b.Table("wyniki", page.wyniki), 1);
    right->addWidget(b.Label("system", page.system));
    right->addWidget(b.Chart("wykres", page.wykres, kWinsChartWidth, kWinsChartHeight));
    return Split(widget, Side(left), Side(right));
}

BoundPageWidget* MakeFiltersPageWidget(FiltersPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("filtry", std::move(run));
    PageBinder& b = *widget->binder;
    auto* left = new QVBoxLayout;
    left->addWidget(Group("Tryby losowania", {b.Combo("tryb", page.tryb)}));
    left->addWidget(Group("Warunki", {b.Combo("warunek", page.warunek)}));
    left->addWidget(Group(
        "Wymuszenia", {b.Combo("wymuszenie", page.wymuszenie),
                       new QLabel(QStringLiteral("z liczbą:")), b.Combo("liczba", page.liczba)}));
    left->addWidget(
        Group("Ostatnie losowanie",
              {b.Combo("ostatnie", page.ostatnie),
               b.Check("juzByla", "nie, jeżeli już była", page.juzByla),
               new QLabel(QStringLiteral("Z ilu losowań:")), b.Combo("zIlu", page.zIlu)}));
    left->addWidget(Group("Przewaga", {b.Combo("przewaga", page.przewaga)}));
    left->addWidget(b.Push("policz", page.policz, [&page] {
        const WaitCursor wait;
        page.PoliczClick();
    }));
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(b.Label("zestawy", page.zestawy));
    right->addWidget(b.Label("szanse", page.szanse));
    right->addWidget(b.Table("odrzuca", page.odrzuca));
    right->addWidget(b.Label("losowania", page.losowania));
    right->addWidget(b.Label("stan", page.stan));
    right->addStretch(1);
    return Split(widget, Side(left), Side(right));
}

BoundPageWidget* MakeNumbersPageWidget(NumbersPage& page, PageBinder::RunHandler run) {
    auto* widget = NewPage("liczbyStrona", std::move(run));
    PageBinder& b = *widget->binder;
    auto* top = new QVBoxLayout;
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Ile ostatnich losowań:")));
    QLineEdit* last = b.Edit("ostatnie", page.ostatnie);
    last->setMaximumWidth(80);
    row->addWidget(last);
    row->addWidget(b.Push("policz", page.policz, [&page] { page.PoliczClick(); }));
    row->addWidget(b.Label("stan", page.stan), 1);
    top->addLayout(row);
    top->addWidget(b.Label("pasmo", page.pasmo));
    top->addWidget(b.Chart("wykres", page.wykres, kBandChartWidth, kBandChartHeight));
    auto* tables = new QHBoxLayout;
    tables->addWidget(b.Table("liczby", page.liczby), 3);
    tables->addWidget(b.Table("pary", page.pary), 1);
    tables->addWidget(b.Table("trojki", page.trojki), 2);
    top->addLayout(tables, 1);
    auto* layout = new QVBoxLayout(widget);
    layout->addLayout(top);
    widget->Sync();
    return widget;
}

}  // namespace kulko
